#include "print/PrintElementInfo.h"

#include "platform/Dialogs.h"
#include "platform/Printing.h"
#include "print/ReportSource.h"
#include "report_lines/ReportLines.h"

#include <QCoreApplication>

namespace corvanel::print {

namespace {

constexpr const char* kNoSelectionText = QT_TRANSLATE_NOOP("PrintElementInfo", "No element has been selected");
constexpr const char* kErrorTitle = QT_TRANSLATE_NOOP("PrintElementInfo", "Error");
constexpr const char* kPrintFailedText = QT_TRANSLATE_NOOP("PrintElementInfo", "The document could not be printed.");

QString translated(const char* english)
{
    return QCoreApplication::translate("PrintElementInfo", english);
}

} // namespace

void refuseWithoutSelection(platform::Dialogs& dialogs, QWidget* owner)
{
    dialogs.message(owner,
                    {translated(kNoSelectionText), translated(kErrorTitle), platform::MessageIcon::Information,
                     platform::MessageButtons::Ok});
}

void reportPrintFailure(platform::Dialogs& dialogs, QWidget* owner)
{
    dialogs.message(owner,
                    {translated(kPrintFailedText), translated(kErrorTitle), platform::MessageIcon::Warning,
                     platform::MessageButtons::Ok});
}

PrintElementInfo::PrintElementInfo(platform::Dialogs& dialogs, platform::Printing& printing)
    : m_dialogs(dialogs)
    , m_printing(printing)
{
}

void PrintElementInfo::run(const ReportSource& source, QWidget* owner)
{
    if (!source.hasSelection()) {
        refuseWithoutSelection(m_dialogs, owner);
        return;
    }
    if (m_printing.showPrinter(owner) == platform::PrintDialogOutcome::Cancelled) {
        return;
    }
    const int copies = m_printing.copies();
    if (copies < 1) {
        return;
    }

    if (!m_printing.beginDocument()) {
        reportPrintFailure(m_dialogs, owner);
        return;
    }
    bool written = true;
    // The copies follow one another in one document, with no page break of their own.
    for (int copy = 1; copy <= copies && written; ++copy) {
        // Read afresh for every copy, so each one matches what the window shows.
        const QStringList lines = reportLines(source.reportFields());
        for (const QString& line : lines) {
            if (!m_printing.printLine(line)) {
                written = false;
                break;
            }
        }
    }
    // Ended even after a failure, so the printer is free again; what reaches the destination then
    // is up to the printer (a file is left as it was).
    const bool ended = m_printing.endDocument();
    if (!written || !ended) {
        reportPrintFailure(m_dialogs, owner);
    }
}

} // namespace corvanel::print
