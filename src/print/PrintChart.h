#pragma once

class QWidget;

namespace corvanel::platform {
class Dialogs;
class Printing;
} // namespace corvanel::platform

namespace corvanel::print {

/**
 * The File menu's Print Chart command: prints the main window as it is shown
 * now, one copy on one page of the current printer, without a dialog. What is
 * printed is the window's client area, the chart with the swatch and the
 * information frames; the menu bar is left out. A printer failure is reported.
 */
class PrintChart
{
public:
    PrintChart(platform::Dialogs& dialogs, platform::Printing& printing);

    /** Runs the command once for @p mainWindow, which it prints and over which its boxes show. */
    void run(QWidget* mainWindow);

    /** The part of @p mainWindow that goes on the page: its central widget, or the whole window if it has none. */
    static QWidget* printedArea(QWidget* mainWindow);

private:
    platform::Dialogs& m_dialogs;
    platform::Printing& m_printing;
};

} // namespace corvanel::print
