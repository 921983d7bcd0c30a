#include "platform/qt/QtPrinting.h"

#include "platform/qt/CupsQueue.h"
#include "platform/qt/PrintDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QStandardPaths>
#include <QWidget>

#include <utility>

namespace corvanel::platform {

namespace {

const QString kDocumentName = QStringLiteral("Corvanel");

/** Where a PDF is offered when the printer has no file yet: the user's documents, else home. */
QString defaultPdfFile()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
    return QDir(folder).filePath(kDocumentName + QStringLiteral(".pdf"));
}

} // namespace

bool QtPrinting::hasDestination()
{
    // Without an installed printer QPrinter falls back to PDF with no file. Opening it then fails and,
    // worse, leaves the printer marked active for good, refusing every later choice of printer or file;
    // so it is not even tried.
    return printer().outputFormat() != QPrinter::PdfFormat || !printer().outputFileName().isEmpty();
}

QtPrinting::QtPrinting(DialogRunner runDialog, FileDialogRunner chooseFile)
    : m_runDialog(runDialog ? std::move(runDialog) : DialogRunner(runPrintDialog))
    , m_chooseFile(chooseFile ? std::move(chooseFile) : FileDialogRunner(runPdfSaveDialog))
{
}

QPrinter& QtPrinting::printer()
{
    // Asking the print system for its default printer can take long on a desktop that browses
    // network printers, so it is asked when printing is first used rather than at start-up.
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Without a name the print queue shows a nameless job.
        m_printer->setDocName(kDocumentName);
    }
    return *m_printer;
}

QtPrinting::~QtPrinting()
{
    // A document left open still goes to the printer.
    if (m_painter.isActive()) {
        close(m_painter, true);
    }
}

PrintDialogOutcome QtPrinting::showPrinter(QWidget* owner)
{
    if (!m_runDialog(printer(), owner)) {
        return PrintDialogOutcome::Cancelled;
    }
    // The dialog leaves the copies in the printer. Taken out here, so that each copy is written once
    // by the program and never multiplied again by the printer or the spooler.
    m_copies = printer().copyCount();
    printer().setCopyCount(1);
    return PrintDialogOutcome::Confirmed;
}

bool QtPrinting::chooseOutputFile(QWidget* owner)
{
    const QString current = printer().outputFileName();
    const QString chosen = m_chooseFile(owner, current.isEmpty() ? defaultPdfFile() : current);
    if (chosen.isEmpty()) {
        return false;
    }
    // The save dialog gives a PDF's name, also to a printer that had none.
    printer().setOutputFileName(chosen);
    printer().setOutputFormat(QPrinter::PdfFormat);
    return true;
}

void QtPrinting::pointPrinterAt(const QString& file)
{
    // The name alone must not turn the printer into another kind (QPrinter makes a ".pdf" name a PDF).
    const QPrinter::OutputFormat format = printer().outputFormat();
    printer().setOutputFileName(file);
    printer().setOutputFormat(format);
}

bool QtPrinting::open(QPainter& painter)
{
    if (!hasDestination()) {
        return false;
    }
    const QString chosen = printer().outputFileName();
    if (chosen.isEmpty()) {
        if (!cups::acceptsJobs(printer().printerName())) {
            return false;
        }
    } else {
        if (!m_file.open(chosen)) {
            return false;
        }
        m_chosenFile = chosen;
        pointPrinterAt(m_file.partFile());
    }
    if (painter.begin(&printer()) && !printerFailed()) {
        return true;
    }
    close(painter, false);
    return false;
}

bool QtPrinting::close(QPainter& painter, bool drawn)
{
    const bool ended = (!painter.isActive() || painter.end()) && drawn && !printerFailed();
    if (!m_file.isOpen()) {
        // Qt's CUPS engine has just handed the job to the print server, or failed before it could.
        return ended && cups::lastRequestSucceeded();
    }
    pointPrinterAt(m_chosenFile);
    m_chosenFile.clear();
    return m_file.finish(ended);
}

bool QtPrinting::beginDocument()
{
    if (m_painter.isActive()) {
        return true;
    }
    if (!open(m_painter)) {
        return false;
    }
    // The printer's default font, with every letter drawn on its own: Qt would shape "fi" into a
    // ligature, which reads back from the PDF as one unknown character.
    QFont font = m_painter.font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    m_painter.setFont(font);
    m_nextLineTop = 0;
    m_pageHasLines = false;
    return true;
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
    return close(m_painter, true);
}

bool QtPrinting::printWindow(QWidget* window)
{
    if (!window || window->width() <= 0 || window->height() <= 0 || m_painter.isActive()) {
        return false;
    }
    printer().setCopyCount(1);
    QPainter painter;
    if (!open(painter)) {
        return false;
    }
    // Rendered, not grabbed: the widgets paint themselves at the page's scale (Qt turns them into a
    // picture at the printer's resolution), so their text prints sharp instead of being enlarged from
    // a screen-sized picture.
    const QSizeF page(printer().width(), printer().height());
    const qreal scale = qMin(page.width() / window->width(), page.height() / window->height());
    painter.scale(scale, scale);
    window->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return close(painter, !printerFailed());
}

} // namespace corvanel::platform
