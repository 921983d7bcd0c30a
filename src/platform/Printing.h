#pragma once

class QString;
class QWidget;

namespace corvanel::platform {

/** How the print dialog was left. */
enum class PrintDialogOutcome
{
    Confirmed,
    Cancelled, ///< cancelled or closed: nothing is to be printed
};

/**
 * The program's current printer and the print dialog that chooses it. There is
 * one printer for the program's whole life; what the user picks in the dialog
 * stays the current printer. Every failure is a return value for the caller to
 * report; nothing here shows a box of its own. A failure is whatever keeps the
 * document from its destination: a printer that cannot be opened, a print queue
 * that refuses the job or has gone, a file that cannot be written completely.
 */
class Printing
{
public:
    virtual ~Printing() = default;

    /** Shows the modal print dialog (printer, number of copies) over @p owner. */
    virtual PrintDialogOutcome showPrinter(QWidget* owner) = 0;

    /**
     * The number of copies the user asked for in the last confirmed dialog. The
     * caller writes that many copies itself; the printer is told to make one, so
     * no copy is ever doubled.
     */
    virtual int copies() const = 0;

    /**
     * The file the current printer writes to, as chosen in the print dialog;
     * empty when it prints to a print queue.
     */
    virtual QString outputFile() = 0;

    /**
     * Whether the current printer has somewhere to send a document: a print
     * queue or a file. False when no printer is installed and no file was chosen.
     */
    virtual bool hasDestination() = 0;

    /**
     * Shows a modal save dialog over @p owner offering the printer's current
     * file, or a PDF file in the user's documents when it has none; the dialog
     * asks before an existing file is replaced. The chosen PDF file becomes the
     * printer's. False when the user cancelled.
     */
    virtual bool chooseOutputFile(QWidget* owner) = 0;

    /**
     * Opens a document on the current printer; false when the printer cannot be
     * opened. A file is written beside its target and replaces it only when the
     * document is complete, so a failure leaves an earlier file untouched.
     */
    virtual bool beginDocument() = 0;

    /**
     * Writes @p text at the left edge of the next line position, in the printer's
     * default font with every letter drawn on its own (no ligatures, so the text
     * reads back as typed), and moves to the following line; starts a new page first when
     * the page is full. An empty text gives an empty line. False on a printer failure.
     */
    virtual bool printLine(const QString& text) = 0;

    /**
     * Closes the open document and hands it to the printer, so the job prints
     * now; false when it did not reach its destination whole.
     */
    virtual bool endDocument() = 0;

    /**
     * Prints @p window as it is shown now, as one page of its own on the current
     * printer: scaled to fit the page, keeping its proportions, drawn at the
     * printer's resolution. No dialog, one copy. False when it could not be printed.
     */
    virtual bool printWindow(QWidget* window) = 0;
};

} // namespace corvanel::platform
