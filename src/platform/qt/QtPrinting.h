#pragma once

#include "platform/Printing.h"
#include "platform/qt/FileOutput.h"

#include <QPainter>
#include <QPrinter>

#include <functional>
#include <memory>

namespace corvanel::platform {

/**
 * Printing through one QPrinter kept for the program's life: the system's
 * default printer at first, then whatever the user picks in QPrintDialog. Lines
 * are drawn with a QPainter in the painter's default font on the printer. Every
 * document is named "Corvanel", which names the print job and the PDF.
 *
 * Qt reports neither a job that the print server refuses nor a file that could
 * not be written whole; both are checked here. A print queue is asked whether
 * it accepts jobs before a document is drawn, and the server's answer to the
 * submission is read through libcups when it ends. A file is written beside its
 * target and takes its place only when it holds a complete PDF (see FileOutput).
 */
class QtPrinting : public Printing
{
public:
    /**
     * Runs the modal dialog on @p printer over @p owner and returns whether the
     * user confirmed it; a confirmed dialog has written the user's choice,
     * copies included, into the printer.
     */
    using DialogRunner = std::function<bool(QPrinter& printer, QWidget* owner)>;

    /** Runs a modal save dialog over @p owner offering @p offered; the chosen file, or empty when cancelled. */
    using FileDialogRunner = std::function<QString(QWidget* owner, const QString& offered)>;

    /** @p runDialog and @p chooseFile replace QPrintDialog and QFileDialog, for tests; empty means the real ones. */
    explicit QtPrinting(DialogRunner runDialog = {}, FileDialogRunner chooseFile = {});
    ~QtPrinting() override;

    Q_DISABLE_COPY_MOVE(QtPrinting)

    /** The current printer, e.g. to send it to a PDF file; made when first needed. */
    QPrinter& printer();

    PrintDialogOutcome showPrinter(QWidget* owner) override;
    int copies() const override { return m_copies; }
    QString outputFile() override { return printer().outputFileName(); }
    bool hasDestination() override;
    bool chooseOutputFile(QWidget* owner) override;
    bool beginDocument() override;
    bool printLine(const QString& text) override;
    bool endDocument() override;
    bool printWindow(QWidget* window) override;

private:
    bool printerFailed() { return printer().printerState() == QPrinter::Error; }
    /** Starts @p painter on the printer, a file going to its part file first; false when it cannot. */
    bool open(QPainter& painter);
    /** Ends @p painter's document; whether it was @p drawn whole and reached its destination. */
    bool close(QPainter& painter, bool drawn);
    /** Gives the printer @p file to write to, keeping its output format. */
    void pointPrinterAt(const QString& file);

    std::unique_ptr<QPrinter> m_printer;
    DialogRunner m_runDialog;
    FileDialogRunner m_chooseFile;
    int m_copies = 1;
    /** While a document for a file is open: the name chosen for it, and where it is written meanwhile. */
    QString m_chosenFile;
    FileOutput m_file;
    /** Open while a text document is being written. */
    QPainter m_painter;
    /** Top of the next line, in device pixels from the top of the printable area. */
    qreal m_nextLineTop = 0;
    bool m_pageHasLines = false;
};

} // namespace corvanel::platform
