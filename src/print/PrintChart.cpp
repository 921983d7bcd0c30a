#include "print/PrintChart.h"

#include "platform/Printing.h"
#include "print/PrintElementInfo.h"

#include <QMainWindow>

namespace corvanel::print {

PrintChart::PrintChart(platform::Dialogs& dialogs, platform::Printing& printing)
    : m_dialogs(dialogs)
    , m_printing(printing)
{
}

QWidget* PrintChart::printedArea(QWidget* mainWindow)
{
    // The menu bar is a control of the screen, not part of the chart.
    const auto* window = qobject_cast<QMainWindow*>(mainWindow);
    return window && window->centralWidget() ? window->centralWidget() : mainWindow;
}

void PrintChart::run(QWidget* mainWindow)
{
    if (!isElementSelected(mainWindow)) {
        refuseWithoutSelection(m_dialogs, mainWindow);
        return;
    }
    if (!m_printing.printWindow(printedArea(mainWindow))) {
        reportPrintFailure(m_dialogs, mainWindow);
    }
}

} // namespace corvanel::print
