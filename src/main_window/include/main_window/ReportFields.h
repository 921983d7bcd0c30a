#pragma once

#include "report_lines/ReportLines.h"

#include <array>

namespace corvanel::ui::design {

/**
 * Where one field line of the printed report takes its texts on the main
 * window: the caption from the label named captionLabel, or fixedCaption where
 * the report words the caption itself; the value from the label named valueLabel.
 */
struct ReportFieldSource
{
    const char* captionLabel; ///< nullptr: use fixedCaption
    const char* fixedCaption;
    const char* valueLabel;
};

/** The field lines in the report's order, which is not the order of the element's record. */
extern const std::array<ReportFieldSource, print::kReportFieldCount> kReportFieldSources;

} // namespace corvanel::ui::design
