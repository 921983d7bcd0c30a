#pragma once

#include <functional>

namespace corvanel::platform {
struct Platform;
}

namespace corvanel::ui {
class MainWindow;
}

namespace corvanel::app {

/** Creates the main window; replaceable so tests can make loading fail. */
using MainWindowLoader = std::function<ui::MainWindow*(platform::Platform&)>;

/**
 * Start-up: loads the main window and shows it modeless, centred, each step
 * guarded by the error report. Returns the window, or nullptr when none was
 * loaded (the user aborted), in which case the program ends.
 */
ui::MainWindow* startCorvanel(platform::Platform& platform, const MainWindowLoader& load = {});

} // namespace corvanel::app
