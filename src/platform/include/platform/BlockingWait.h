#pragma once

#include <QCoreApplication>
#include <QVariant>

namespace corvanel::platform {

/**
 * Marks, for its lifetime, a wait that blocks the program (the update check's
 * fetch). The window system's input is held back by the wait itself, but a press
 * made through assistive technology reaches a control directly; so the windows
 * ask isActive() before they act on any user action, and do nothing meanwhile.
 * The count lives on the application object, which the program and the services
 * module it loads share.
 */
class BlockingWait
{
public:
    BlockingWait() { adjust(+1); }
    ~BlockingWait() { adjust(-1); }
    BlockingWait(const BlockingWait&) = delete;
    BlockingWait& operator=(const BlockingWait&) = delete;

    /** Whether a blocking wait is under way. */
    static bool isActive()
    {
        const QCoreApplication* app = QCoreApplication::instance();
        return app && app->property(kWaits).toInt() > 0;
    }

private:
    static constexpr const char* kWaits = "corvanelBlockingWaits";

    static void adjust(int by)
    {
        if (QCoreApplication* app = QCoreApplication::instance()) {
            app->setProperty(kWaits, app->property(kWaits).toInt() + by);
        }
    }
};

} // namespace corvanel::platform
