#include "report_lines/ReportLines.h"

#include "ProductInfo.h"

namespace corvanel::print {

namespace {

// The version in the header is part of the report's fixed wording, not the running version.
const QString kHeader = QStringLiteral("-------------------Corvanel v1.1.8 - by Dranwick-------------------");
const QString kFooter = QStringLiteral("----------Get Your Copy at " CORVANEL_WEB_PAGE "----------");

} // namespace

QStringList reportLines(const std::array<ReportFieldText, kReportFieldCount>& fields)
{
    QStringList lines;
    lines.reserve(kReportLineCount);
    lines << QString() << QString() << kHeader << QString();
    for (const ReportFieldText& field : fields) {
        // Shown values go out untouched, inner spacing included.
        lines << field.caption + QLatin1Char(' ') + field.value;
    }
    lines << QString() << kFooter;
    return lines;
}

} // namespace corvanel::print
