#include "platform/qt/QtPrinting.h"

#include "platform/qt/CupsQueue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPrintDialog>
#include <QRandomGenerator>
#include <QWidget>

#include <cstdio>
#include <unistd.h>
#include <utility>

namespace corvanel::platform {

namespace {

const QString kDocumentName = QStringLiteral("Corvanel");

bool runPrintDialog(QPrinter& printer, QWidget* owner)
{
    QPrintDialog dialog(&printer, owner);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    // The program writes the copies itself and prints whole documents: a page range chosen for one
    // job would stay on the shared printer and cut the next one, and collation means nothing here.
    // Qt's dialog asks before it lets an existing file be named as the output.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

QString runSaveDialog(QWidget* owner, const QString& offered)
{
    QFileDialog dialog(owner, QCoreApplication::translate("Printing", "Print to File"), QString(),
                       QCoreApplication::translate("Printing", "PDF files (*.pdf)"));
    dialog.setObjectName(QStringLiteral("PrintToFileDialog"));
    // A save dialog asks before it returns the name of an existing file.
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(offered);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().constFirst();
}

/** The file a document for @p target really replaces: a link's target, not the link. */
QString replacedFile(const QString& target)
{
    const QFileInfo info(target);
    return info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
}

/**
 * Creates a new, empty, hidden file beside @p target, with the permissions a
 * new file gets; its path, or empty when none can be made there (a missing
 * folder, a file where the folder should be, a target that is not a file).
 */
QString createPartFile(const QString& target)
{
    const QFileInfo info(target);
    if (info.exists() && !info.isFile()) {
        return QString();
    }
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString name = QStringLiteral(".%1.%2.part")
                                 .arg(info.fileName())
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        QFile file(info.dir().filePath(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            return file.fileName();
        }
        if (!info.dir().exists()) {
            break;
        }
    }
    return QString();
}

/**
 * Whether @p path holds a whole PDF as Qt writes one: it ends with "%%EOF", and
 * the cross-reference table starts at the offset the trailer names. A write
 * that failed part of the way (a full disk) leaves the file short and breaks
 * one or the other.
 */
bool isCompletePdf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 64) {
        return false;
    }
    const qint64 tailSize = qMin<qint64>(file.size(), 256);
    if (!file.seek(file.size() - tailSize)) {
        return false;
    }
    const QByteArray tail = file.read(tailSize).trimmed();
    const qsizetype start = tail.lastIndexOf("startxref");
    if (!tail.endsWith("%%EOF") || start < 0) {
        return false;
    }
    bool number = false;
    const qint64 offset = tail.mid(start + 9, tail.size() - 5 - start - 9).trimmed().toLongLong(&number);
    return number && offset > 0 && file.seek(offset) && file.read(4) == "xref";
}

/** Flushes @p path to the disk, where a late write error shows. */
bool syncToDisk(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && ::fsync(file.handle()) == 0;
}

/** Moves the complete part file over @p target in one step, keeping the permissions of a file it replaces. */
bool replaceWith(const QString& partFile, const QString& target)
{
    if (QFileInfo::exists(target)) {
        QFile::setPermissions(partFile, QFile::permissions(target));
    }
    return std::rename(QFile::encodeName(partFile).constData(), QFile::encodeName(target).constData()) == 0;
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
    , m_chooseFile(chooseFile ? std::move(chooseFile) : FileDialogRunner(runSaveDialog))
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
    const QString chosen = m_chooseFile(owner, printer().outputFileName());
    if (chosen.isEmpty()) {
        return false;
    }
    pointPrinterAt(chosen);
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
        m_target = replacedFile(chosen);
        m_partFile = createPartFile(m_target);
        if (m_partFile.isEmpty()) {
            m_target.clear();
            return false;
        }
        m_chosenFile = chosen;
        pointPrinterAt(m_partFile);
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
    if (m_partFile.isEmpty()) {
        // Qt's CUPS engine has just handed the job to the print server, or failed before it could.
        return ended && cups::lastRequestSucceeded();
    }
    pointPrinterAt(m_chosenFile);
    const bool complete
        = ended && isCompletePdf(m_partFile) && syncToDisk(m_partFile) && replaceWith(m_partFile, m_target);
    if (!complete) {
        QFile::remove(m_partFile);
    }
    m_partFile.clear();
    m_target.clear();
    m_chosenFile.clear();
    return complete;
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
