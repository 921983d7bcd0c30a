#pragma once

class QWidget;

namespace corvanel::print {
class ReportSource;
}

namespace corvanel::bench {

/**
 * Prints one copy of the element report of @p source (which must have an
 * element selected), with its boxes over @p owner, through the real Qt printer into a PDF file, @p runs times,
 * and returns the median time of one run in milliseconds: reading the labels,
 * writing the 23 lines and handing the document over. The print dialog is
 * answered with one copy without showing it. Returns -1 when a run shows a box
 * (nothing selected, or the PDF could not be written).
 */
double medianMsToPrintOneReportCopyToPdf(const print::ReportSource& source, QWidget* owner, int runs);

} // namespace corvanel::bench
