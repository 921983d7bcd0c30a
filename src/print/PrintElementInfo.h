#pragma once

class QWidget;

namespace corvanel::platform {
class Dialogs;
class Printing;
} // namespace corvanel::platform

namespace corvanel::print {

/** Whether @p mainWindow has an element selected: its swatch LblKey shows anything but "?". */
bool isElementSelected(const QWidget* mainWindow);

/** The refusal of both print commands while no element is selected. */
void refuseWithoutSelection(platform::Dialogs& dialogs, QWidget* mainWindow);

/** Tells the user that the printer failed and nothing more will be printed. */
void reportPrintFailure(platform::Dialogs& dialogs, QWidget* mainWindow);

/**
 * The File menu's Print Element Info command: asks for the printer and the
 * number of copies, then writes the selected element's report once per copy,
 * the copies following one another in one document. The report is read from
 * what the window's labels show. Cancelling the dialog ends it silently; a
 * printer failure is reported and ends it, leaving what was written with the
 * printer.
 */
class PrintElementInfo
{
public:
    PrintElementInfo(platform::Dialogs& dialogs, platform::Printing& printing);

    /** Runs the command once for @p mainWindow, whose labels it reads and over which its boxes show. */
    void run(QWidget* mainWindow);

private:
    platform::Dialogs& m_dialogs;
    platform::Printing& m_printing;
};

} // namespace corvanel::print
