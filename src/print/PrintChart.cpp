#include "print/PrintChart.h"

#include "platform/Printing.h"
#include "print/PrintElementInfo.h"
#include "print/ReportSource.h"

#include <QWidget>

namespace corvanel::print {

PrintChart::PrintChart(platform::Dialogs& dialogs, platform::Printing& printing)
    : m_dialogs(dialogs)
    , m_printing(printing)
{
}

void PrintChart::run(const ReportSource& source, QWidget* chart)
{
    QWidget* owner = chart ? chart->window() : nullptr;
    if (!source.hasSelection()) {
        refuseWithoutSelection(m_dialogs, owner);
        return;
    }
    // The file may hold what was printed last, the report for instance: its name is confirmed first.
    // With nowhere to print at all (no printer, no file yet), a PDF file is offered instead.
    const bool toFile = !m_printing.outputFile().isEmpty() || !m_printing.hasDestination();
    if (toFile && !m_printing.chooseOutputFile(owner)) {
        return;
    }
    if (!m_printing.printWindow(chart)) {
        reportPrintFailure(m_dialogs, owner);
    }
}

} // namespace corvanel::print
