#pragma once

#include "report_lines/ReportLines.h"

namespace corvanel::print {

/**
 * What the print commands print from: the window that shows the selected
 * element hands over its report fields as they are shown, so the commands
 * never look up another part's controls.
 */
class ReportSource
{
public:
    virtual ~ReportSource() = default;

    /** Whether an element is selected; until then there is nothing to print. */
    virtual bool hasSelection() const = 0;

    /** The 17 captions and values exactly as shown now, in the report's order. */
    virtual std::array<ReportFieldText, kReportFieldCount> reportFields() const = 0;
};

} // namespace corvanel::print
