#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace corvanel::print {

inline constexpr int kReportLineCount = 23;
inline constexpr int kReportFieldCount = 17;

/** What the window shows for one field line. */
struct ReportFieldText
{
    QString caption;
    QString value;
};

/**
 * The report block: two empty lines, the header, an empty line, one line per
 * field (caption, a space, the value, exactly as given), an empty line and the
 * footer. @p fields are in the report's order, which is not the order of the
 * element's record.
 */
QStringList reportLines(const std::array<ReportFieldText, kReportFieldCount>& fields);

} // namespace corvanel::print
