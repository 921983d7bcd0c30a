#include "app/Startup.h"

#include "errors/ErrorReport.h"
#include "main_window/MainWindow.h"
#include "platform/Platform.h"
#include "ui_common/WindowPlacement.h"

#include <QGuiApplication>

namespace corvanel::app {

using errors::ErrorReport;
using errors::GuardOutcome;

namespace {
const QString kProcedure = QStringLiteral("Main");
// The lines the error report names for the two steps.
constexpr int kLoadLine = 1;
constexpr int kShowLine = 2;
} // namespace

ui::MainWindow* startCorvanel(platform::Platform& platform, const MainWindowLoader& load)
{
    ErrorReport report(platform.dialogs, nullptr, kProcedure);
    ui::MainWindow* window = nullptr;

    const GuardOutcome loaded = report.run(kLoadLine, [&] {
        delete window; // a retried load starts afresh
        window = nullptr;
        window = load ? load(platform) : new ui::MainWindow(platform);
        window->setAttribute(Qt::WA_DeleteOnClose);
    });
    if (loaded == GuardOutcome::Aborted) {
        delete window;
        return nullptr;
    }
    if (!window) {
        // Ignored a failed load: there is no window to show, so the program has nothing to run.
        return nullptr;
    }

    const GuardOutcome shown = report.run(kShowLine, [&] {
        // Placed first, so it is mapped once, where it stays.
        ui::centreOnScreen(*window, QGuiApplication::primaryScreen());
        window->show();
    });
    if (shown == GuardOutcome::Aborted) {
        delete window;
        return nullptr;
    }
    return window;
}

} // namespace corvanel::app
