#pragma once

class QWidget;

namespace corvanel::platform {
class Dialogs;
class Printing;
} // namespace corvanel::platform

namespace corvanel::print {

class ReportSource;

/**
 * The File menu's Print Chart command: prints the chart as it is shown now,
 * one copy on one page of the current printer, without the print dialog. When
 * the current printer writes to a file, or there is no printer at all, the
 * file's name is asked for first, so no file is replaced unasked. A printer
 * failure is reported.
 */
class PrintChart
{
public:
    PrintChart(platform::Dialogs& dialogs, platform::Printing& printing);

    /**
     * Runs the command once: prints @p chart (the main window's client area, the
     * menu bar left out) when @p source has a selection; its boxes show over
     * @p chart's window.
     */
    void run(const ReportSource& source, QWidget* chart);

private:
    platform::Dialogs& m_dialogs;
    platform::Printing& m_printing;
};

} // namespace corvanel::print
