#include "report_lines/ReportLines.h"

#include <QTest>

using corvanel::print::kReportFieldCount;
using corvanel::print::ReportFieldText;
using corvanel::print::reportLines;

class TestReportLines : public QObject
{
    Q_OBJECT

private slots:
    void blockIsTheFixedLinesAroundTheFields();
    void valuesGoOutUntouched_data();
    void valuesGoOutUntouched();
};

namespace {

std::array<ReportFieldText, kReportFieldCount> numberedFields()
{
    std::array<ReportFieldText, kReportFieldCount> fields;
    for (int i = 0; i < kReportFieldCount; ++i) {
        fields[static_cast<std::size_t>(i)] = {QStringLiteral("C%1:").arg(i + 1), QStringLiteral("v%1").arg(i + 1)};
    }
    return fields;
}

} // namespace

void TestReportLines::blockIsTheFixedLinesAroundTheFields()
{
    const QStringList lines = reportLines(numberedFields());
    const QStringList expected {
        "",
        "",
        "-------------------Corvanel v1.1.8 - by Dranwick-------------------",
        "",
        "C1: v1",
        "C2: v2",
        "C3: v3",
        "C4: v4",
        "C5: v5",
        "C6: v6",
        "C7: v7",
        "C8: v8",
        "C9: v9",
        "C10: v10",
        "C11: v11",
        "C12: v12",
        "C13: v13",
        "C14: v14",
        "C15: v15",
        "C16: v16",
        "C17: v17",
        "",
        "----------Get Your Copy at http://www.dranwick.example----------",
    };
    QCOMPARE(lines, expected);
    // Empty lines are empty, not blank.
    QVERIFY(lines[0].isEmpty() && lines[1].isEmpty() && lines[3].isEmpty() && lines[21].isEmpty());
}

void TestReportLines::valuesGoOutUntouched_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("line");
    QTest::newRow("inner spacing") << "# of electrons in each shell:"
                                   << " 2  8  18  7"
                                   << "# of electrons in each shell:  2  8  18  7";
    QTest::newRow("Unknown") << "Color:"
                             << "Unknown"
                             << "Color: Unknown";
    QTest::newRow("degree sign") << "Melting Point (°C):"
                                 << "-259.14"
                                 << "Melting Point (°C): -259.14";
    QTest::newRow("superscript three") << "Density @ RT (g/cm³):"
                                       << "0.08988"
                                       << "Density @ RT (g/cm³): 0.08988";
    QTest::newRow("empty value") << "Name:"
                                 << ""
                                 << "Name: ";
    QTest::newRow("markup stays text") << "Name:"
                                       << "<b>&amp;</b>"
                                       << "Name: <b>&amp;</b>";
}

void TestReportLines::valuesGoOutUntouched()
{
    QFETCH(QString, caption);
    QFETCH(QString, value);
    QFETCH(QString, line);
    for (int field = 0; field < kReportFieldCount; ++field) {
        std::array<ReportFieldText, kReportFieldCount> fields = numberedFields();
        fields[static_cast<std::size_t>(field)] = {caption, value};
        const QStringList lines = reportLines(fields);
        QCOMPARE(lines.size(), 23);
        QCOMPARE(lines[4 + field], line);
    }
}

QTEST_GUILESS_MAIN(TestReportLines)
#include "TestReportLines.moc"
