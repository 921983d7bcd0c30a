#include "print/PrintElementInfo.h"

#include "platform/Dialogs.h"
#include "platform/Printing.h"
#include "print/ReportLines.h"

#include <QAbstractButton>
#include <QLabel>

namespace corvanel::print {

namespace {

const QString kSwatchName = QStringLiteral("LblKey");
const QString kNothingSelected = QStringLiteral("?");
const QString kNoSelectionText = QStringLiteral("No element has been selected");
const QString kErrorTitle = QStringLiteral("Error");
const QString kPrintFailedText = QStringLiteral("The document could not be printed.");

QString labelText(const QWidget& window, const char* name)
{
    const auto* label = window.findChild<QLabel*>(QString::fromUtf8(name));
    return label ? label->text() : QString();
}

/** The captions and values exactly as the window shows them now. */
std::array<ReportFieldText, kReportFieldCount> shownFields(const QWidget& window)
{
    std::array<ReportFieldText, kReportFieldCount> fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const ReportFieldSource& source = kReportFieldSources[i];
        fields[i].caption
            = source.captionLabel ? labelText(window, source.captionLabel) : QString::fromUtf8(source.fixedCaption);
        fields[i].value = labelText(window, source.valueLabel);
    }
    return fields;
}

} // namespace

bool isElementSelected(const QWidget* mainWindow)
{
    const auto* swatch = mainWindow ? mainWindow->findChild<QAbstractButton*>(kSwatchName) : nullptr;
    return swatch && swatch->text() != kNothingSelected;
}

void refuseWithoutSelection(platform::Dialogs& dialogs, QWidget* mainWindow)
{
    dialogs.message(mainWindow,
                    {kNoSelectionText, kErrorTitle, platform::MessageIcon::Information, platform::MessageButtons::Ok});
}

void reportPrintFailure(platform::Dialogs& dialogs, QWidget* mainWindow)
{
    dialogs.message(mainWindow,
                    {kPrintFailedText, kErrorTitle, platform::MessageIcon::Warning, platform::MessageButtons::Ok});
}

PrintElementInfo::PrintElementInfo(platform::Dialogs& dialogs, platform::Printing& printing)
    : m_dialogs(dialogs)
    , m_printing(printing)
{
}

void PrintElementInfo::run(QWidget* mainWindow)
{
    if (!isElementSelected(mainWindow)) {
        refuseWithoutSelection(m_dialogs, mainWindow);
        return;
    }

    // Cancelling must not print: it has to come back as its own outcome.
    m_printing.setCancelError(true);
    if (m_printing.showPrinter(mainWindow) == platform::PrintDialogOutcome::Cancelled) {
        return;
    }
    const int copies = m_printing.copies();
    if (copies < 1) {
        return;
    }

    if (!m_printing.beginDocument()) {
        reportPrintFailure(m_dialogs, mainWindow);
        return;
    }
    bool written = true;
    // The copies follow one another in one document, with no page break of their own.
    for (int copy = 1; copy <= copies && written; ++copy) {
        // Read afresh for every copy, so each one matches what the window shows.
        const QStringList lines = reportLines(shownFields(*mainWindow));
        for (const QString& line : lines) {
            if (!m_printing.printLine(line)) {
                written = false;
                break;
            }
        }
    }
    // Ended even after a failure: the lines already written stay with the printer.
    const bool ended = m_printing.endDocument();
    if (!written || !ended) {
        reportPrintFailure(m_dialogs, mainWindow);
    }
}

} // namespace corvanel::print
