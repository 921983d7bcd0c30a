#include "platform/qt/QtPrinting.h"

#include <QFontMetricsF>
#include <QPrintDialog>
#include <QWidget>

#include <utility>

namespace corvanel::platform {

namespace {

bool runPrintDialog(QPrinter& printer, QWidget* owner)
{
    QPrintDialog dialog(&printer, owner);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    // The program writes the copies itself and prints whole documents: a page range chosen for one
    // job would stay on the shared printer and cut the next one, and collation means nothing here.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

bool QtPrinting::hasDestination()
{
    // Without an installed printer QPrinter falls back to PDF with no file. Opening it then fails and,
    // worse, leaves the printer marked active for good, refusing every later choice of printer or file;
    // so it is not even tried.
    return printer().outputFormat() != QPrinter::PdfFormat || !printer().outputFileName().isEmpty();
}

QtPrinting::QtPrinting(DialogRunner runDialog)
    : m_runDialog(runDialog ? std::move(runDialog) : DialogRunner(runPrintDialog))
{
}

QPrinter& QtPrinting::printer()
{
    // Asking the print system for its default printer can take long on a desktop that browses
    // network printers, so it is asked when printing is first used rather than at start-up.
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *m_printer;
}

QtPrinting::~QtPrinting()
{
    // A document left open still goes to the printer.
    if (m_painter.isActive()) {
        m_painter.end();
    }
}

PrintDialogOutcome QtPrinting::showPrinter(QWidget* owner)
{
    const bool confirmed = m_runDialog(printer(), owner);
    if (!confirmed && m_cancelError) {
        return PrintDialogOutcome::Cancelled;
    }
    // The dialog leaves the copies in the printer. Taken out here, so that each copy is written once
    // by the program and never multiplied again by the printer or the spooler.
    m_copies = printer().copyCount();
    printer().setCopyCount(1);
    return PrintDialogOutcome::Confirmed;
}

bool QtPrinting::beginDocument()
{
    if (m_painter.isActive()) {
        return true;
    }
    // No font is set: the painter's default font on the printer is the printer's default font.
    if (!hasDestination() || !m_painter.begin(&printer())) {
        return false;
    }
    m_nextLineTop = 0;
    m_pageHasLines = false;
    return !printerFailed();
}

bool QtPrinting::printLine(const QString& text)
{
    if (!m_painter.isActive()) {
        return false;
    }
    const QFontMetricsF metrics(m_painter.font(), &printer());
    // The painter's origin is the top-left corner of the printable area; the page is full when the
    // next line would reach past its bottom.
    if (m_pageHasLines && m_nextLineTop + metrics.height() > printer().height()) {
        if (!printer().newPage()) {
            return false;
        }
        m_nextLineTop = 0;
        m_pageHasLines = false;
    }
    if (!text.isEmpty()) {
        m_painter.drawText(QPointF(0, m_nextLineTop + metrics.ascent()), text);
    }
    m_nextLineTop += metrics.lineSpacing();
    m_pageHasLines = true;
    return !printerFailed();
}

bool QtPrinting::endDocument()
{
    if (!m_painter.isActive()) {
        return true;
    }
    const bool healthy = !printerFailed();
    return m_painter.end() && healthy && !printerFailed();
}

bool QtPrinting::printWindow(QWidget* window)
{
    if (!window || window->width() <= 0 || window->height() <= 0 || m_painter.isActive()) {
        return false;
    }
    printer().setCopyCount(1);
    QPainter painter;
    if (!hasDestination() || !painter.begin(&printer())) {
        return false;
    }
    // Rendered, not grabbed: the widgets paint themselves at the page's scale (Qt turns them into a
    // picture at the printer's resolution), so their text prints sharp instead of being enlarged from
    // a screen-sized picture.
    const QSizeF page(printer().width(), printer().height());
    const qreal scale = qMin(page.width() / window->width(), page.height() / window->height());
    painter.scale(scale, scale);
    window->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    const bool drawn = !printerFailed();
    return painter.end() && drawn && !printerFailed();
}

} // namespace corvanel::platform
