#pragma once

namespace corvanel::platform {

/**
 * Marks, for its lifetime, a wait that blocks the program (the update check's
 * fetch). The window system's input is held back by the wait itself, but a press
 * made through assistive technology reaches a control directly; so the windows
 * ask isActive() before they act on any user action, and do nothing meanwhile.
 * The command that waits marks it, so the count lives in the program alone,
 * wherever the service it waits for comes from.
 */
class BlockingWait
{
public:
    BlockingWait();
    ~BlockingWait();
    BlockingWait(const BlockingWait&) = delete;
    BlockingWait& operator=(const BlockingWait&) = delete;

    /** Whether a blocking wait is under way. */
    static bool isActive();
};

} // namespace corvanel::platform
