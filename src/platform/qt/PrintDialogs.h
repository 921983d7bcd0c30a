#pragma once

class QPrinter;
class QString;
class QWidget;

namespace corvanel::platform {

/** Runs the modal print dialog on @p printer over @p owner; whether the user confirmed it. */
bool runPrintDialog(QPrinter& printer, QWidget* owner);

/**
 * Runs the modal save dialog for a PDF file over @p owner, offering @p offered.
 * A name typed without a suffix gets ".pdf"; a name promising another kind of
 * file is refused with a box saying why, and the dialog is shown again with the
 * name corrected. The chosen file, always a ".pdf" name, or empty when cancelled.
 */
QString runPdfSaveDialog(QWidget* owner, const QString& offered);

} // namespace corvanel::platform
