#pragma once

#include "platform/Printing.h"

#include <QPainter>
#include <QPrinter>

#include <functional>
#include <memory>

namespace corvanel::platform {

/**
 * Printing through one QPrinter kept for the program's life: the system's
 * default printer at first, then whatever the user picks in QPrintDialog. Lines
 * are drawn with a QPainter in the painter's default font on the printer.
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

    /** @p runDialog replaces QPrintDialog, for tests; empty means the real dialog. */
    explicit QtPrinting(DialogRunner runDialog = {});
    ~QtPrinting() override;

    Q_DISABLE_COPY_MOVE(QtPrinting)

    /** The current printer, e.g. to send it to a PDF file; made when first needed. */
    QPrinter& printer();

    void setCancelError(bool on) override { m_cancelError = on; }
    bool cancelError() const override { return m_cancelError; }
    PrintDialogOutcome showPrinter(QWidget* owner) override;
    int copies() const override { return m_copies; }
    bool beginDocument() override;
    bool printLine(const QString& text) override;
    bool endDocument() override;
    bool printWindow(QWidget* window) override;

private:
    /** Whether the printer has somewhere to send a document to. */
    bool hasDestination();
    bool printerFailed() { return printer().printerState() == QPrinter::Error; }

    std::unique_ptr<QPrinter> m_printer;
    DialogRunner m_runDialog;
    bool m_cancelError = false;
    int m_copies = 1;
    /** Open while a text document is being written. */
    QPainter m_painter;
    /** Top of the next line, in device pixels from the top of the printable area. */
    qreal m_nextLineTop = 0;
    bool m_pageHasLines = false;
};

} // namespace corvanel::platform
