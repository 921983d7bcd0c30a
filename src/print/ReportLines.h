#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace corvanel::print {

inline constexpr int kReportLineCount = 23;
inline constexpr int kReportFieldCount = 17;

/**
 * Where one field line of the report takes its texts on the main window: the
 * caption from the label named captionLabel, or from fixedCaption where the
 * report words the caption itself; the value from the label named valueLabel.
 */
struct ReportFieldSource
{
    const char* captionLabel; ///< nullptr: use fixedCaption
    const char* fixedCaption;
    const char* valueLabel;
};

/** The field lines in the report's order, which is not the order of the element's record. */
extern const std::array<ReportFieldSource, kReportFieldCount> kReportFieldSources;

/** What the window shows for one field line. */
struct ReportFieldText
{
    QString caption;
    QString value;
};

/**
 * The report block: two empty lines, the header, an empty line, one line per
 * field (caption, a space, the value, exactly as given), an empty line and the
 * footer. @p fields are in kReportFieldSources' order.
 */
QStringList reportLines(const std::array<ReportFieldText, kReportFieldCount>& fields);

} // namespace corvanel::print
