#pragma once

#include "controls/PowerButton.h"
#include "fakes/FakePlatform.h"
#include "main_window/MainWindow.h"

#include <QTest>

namespace corvanel::test {

/** The main window on fake services but real printing, as the print commands run against a print server. */
struct PrintWindow
{
    explicit PrintWindow(platform::Printing& printing)
        : platform {fakes.dialogs, fakes.urls, fakes.connectivity, fakes.http, printing}
        , window(platform)
    {
    }

    /** Shows the window and selects sodium; false when the window never appeared. */
    [[nodiscard]] bool showWithSodium()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            return false;
        }
        window.elementButton(11)->click();
        return true;
    }

    FakePlatform fakes;
    platform::Platform platform;
    ui::MainWindow window;
};

} // namespace corvanel::test
