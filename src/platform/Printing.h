#pragma once

class QString;
class QWidget;

namespace corvanel::platform {

/** How the print dialog was left. */
enum class PrintDialogOutcome
{
    Confirmed,
    Cancelled, ///< cancelled or closed, reported only while the cancel-error option is on
};

/**
 * The program's current printer and the print dialog that chooses it. There is
 * one printer for the program's whole life; what the user picks in the dialog
 * stays the current printer. Every failure is a return value for the caller to
 * report; nothing here shows a box of its own.
 */
class Printing
{
public:
    virtual ~Printing() = default;

    /**
     * The dialog's cancel-error option. When on, cancelling or closing the dialog
     * is its own outcome; when off, a cancel returns like a confirmation with the
     * printer left as it was. It stays as set until set again.
     */
    virtual void setCancelError(bool on) = 0;
    virtual bool cancelError() const = 0;

    /** Shows the modal print dialog (printer, number of copies) over @p owner. */
    virtual PrintDialogOutcome showPrinter(QWidget* owner) = 0;

    /**
     * The number of copies the user asked for in the last confirmed dialog. The
     * caller writes that many copies itself; the printer is told to make one, so
     * no copy is ever doubled.
     */
    virtual int copies() const = 0;

    /** Opens a document on the current printer; false when the printer cannot be opened. */
    virtual bool beginDocument() = 0;

    /**
     * Writes @p text at the left edge of the next line position, in the printer's
     * default font, and moves to the following line; starts a new page first when
     * the page is full. An empty text gives an empty line. False on a printer failure.
     */
    virtual bool printLine(const QString& text) = 0;

    /** Closes the open document and hands it to the printer, so the job prints now; false on a failure. */
    virtual bool endDocument() = 0;

    /**
     * Prints @p window as it is shown now, as one page of its own on the current
     * printer: scaled to fit the page, keeping its proportions, drawn at the
     * printer's resolution. No dialog, one copy. False when it could not be printed.
     */
    virtual bool printWindow(QWidget* window) = 0;
};

} // namespace corvanel::platform
