#include "report_lines/ReportLines.h"

#include "ProductInfo.h"

#include <QCoreApplication>

namespace corvanel::print {

namespace {

QString header()
{
    // The version in the header is part of the report's fixed wording, not the running version.
    return QCoreApplication::translate("ReportLines",
                                       "-------------------Corvanel v1.1.8 - by Dranwick-------------------");
}

QString footer()
{
    return QCoreApplication::translate("ReportLines", "----------Get Your Copy at %1----------")
        .arg(QStringLiteral(CORVANEL_WEB_PAGE));
}

} // namespace

QStringList reportLines(const std::array<ReportFieldText, kReportFieldCount>& fields)
{
    QStringList lines;
    lines.reserve(kReportLineCount);
    lines << QString() << QString() << header() << QString();
    for (const ReportFieldText& field : fields) {
        // Shown values go out untouched, inner spacing included.
        lines << field.caption + QLatin1Char(' ') + field.value;
    }
    lines << QString() << footer();
    return lines;
}

} // namespace corvanel::print
