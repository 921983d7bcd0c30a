#pragma once

namespace corvanel::platform {

/**
 * Marks, for its lifetime, a wait that blocks the program (the update check's
 * fetch). The window system's input is held back by the wait itself, but a press
 * made through assistive technology reaches a control directly; so the windows
 * ask isActive() before they act on any user action, and do nothing meanwhile.
 */
class BlockingWait
{
public:
    BlockingWait() { ++depth(); }
    ~BlockingWait() { --depth(); }
    BlockingWait(const BlockingWait&) = delete;
    BlockingWait& operator=(const BlockingWait&) = delete;

    /** Whether a blocking wait is under way. */
    static bool isActive() { return depth() > 0; }

private:
    static int& depth()
    {
        static int waits = 0;
        return waits;
    }
};

} // namespace corvanel::platform
