#pragma once

class QWidget;

namespace corvanel::platform {
class Dialogs;
class Printing;
} // namespace corvanel::platform

namespace corvanel::print {

class ReportSource;

/** The refusal of both print commands while no element is selected. */
void refuseWithoutSelection(platform::Dialogs& dialogs, QWidget* owner);

/** Tells the user that the printer failed and nothing more will be printed. */
void reportPrintFailure(platform::Dialogs& dialogs, QWidget* owner);

/**
 * The File menu's Print Element Info command: asks for the printer and the
 * number of copies, then writes the selected element's report once per copy,
 * the copies following one another in one document. The report is what the
 * report source shows, read afresh for every copy. Cancelling the dialog ends
 * it silently; a printer failure is reported and ends it.
 */
class PrintElementInfo
{
public:
    PrintElementInfo(platform::Dialogs& dialogs, platform::Printing& printing);

    /** Runs the command once: prints what @p source shows, with its dialog and boxes over @p owner. */
    void run(const ReportSource& source, QWidget* owner);

private:
    platform::Dialogs& m_dialogs;
    platform::Printing& m_printing;
};

} // namespace corvanel::print
