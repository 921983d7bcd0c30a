#include "version_compare/VersionCompare.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QVersionNumber>

using corvanel::update::VersionOrder;

Q_DECLARE_METATYPE(corvanel::update::VersionOrder)

namespace {

const QString kRunning = QStringLiteral("1.2.1");

} // namespace

class TestVersionCompare : public QObject
{
    Q_OBJECT

private slots:
    void trimsOnlySpacesTabsAndLineBreaks_data();
    void trimsOnlySpacesTabsAndLineBreaks();
    void recognisesDottedVersions_data();
    void recognisesDottedVersions();
    void comparesWithRunningVersion_data();
    void comparesWithRunningVersion();
    void comparesRunningSideNumerically();
    void hugeDigitRunsAreNoVersion();
    void randomBodiesKeepTheInvariants();
};

void TestVersionCompare::trimsOnlySpacesTabsAndLineBreaks_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("trimmed");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("blanks only") << QStringLiteral(" \t\r\n ") << QString();
    QTest::newRow("plain") << QStringLiteral("1.2.1") << QStringLiteral("1.2.1");
    QTest::newRow("line feed") << QStringLiteral("1.2.1\n") << QStringLiteral("1.2.1");
    QTest::newRow("CR LF both ends") << QStringLiteral("\r\n1.2.1\r\n") << QStringLiteral("1.2.1");
    QTest::newRow("spaces and tabs") << QStringLiteral(" \t 1.2.1\t ") << QStringLiteral("1.2.1");
    QTest::newRow("inner space kept") << QStringLiteral(" 1. 2 ") << QStringLiteral("1. 2");
    QTest::newRow("vertical tab kept") << QStringLiteral("\v1.2.1") << QStringLiteral("\v1.2.1");
    QTest::newRow("form feed kept") << QStringLiteral("1.2.1\f") << QStringLiteral("1.2.1\f");
    QTest::newRow("no-break space kept") << QStringLiteral("\u00a01.2.1") << QStringLiteral("\u00a01.2.1");
}

void TestVersionCompare::trimsOnlySpacesTabsAndLineBreaks()
{
    QFETCH(QString, body);
    QFETCH(QString, trimmed);
    QCOMPARE(corvanel::update::trimVersionText(body), trimmed);
}

void TestVersionCompare::recognisesDottedVersions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("dotted");

    QTest::newRow("one group") << QStringLiteral("2") << true;
    QTest::newRow("three groups") << QStringLiteral("1.2.1") << true;
    QTest::newRow("four groups") << QStringLiteral("1.2.0.1") << true;
    QTest::newRow("five groups") << QStringLiteral("1.2.0.1.7") << false;
    QTest::newRow("leading zeros") << QStringLiteral("01.002.0") << true;
    QTest::newRow("nine digits") << QStringLiteral("123456789.1") << true;
    QTest::newRow("ten digits") << QStringLiteral("1234567890.1") << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("dot") << QStringLiteral(".") << false;
    QTest::newRow("leading dot") << QStringLiteral(".1.2") << false;
    QTest::newRow("trailing dot") << QStringLiteral("1.2.") << false;
    QTest::newRow("double dot") << QStringLiteral("1..2") << false;
    QTest::newRow("letter") << QStringLiteral("1.2a") << false;
    QTest::newRow("v prefix") << QStringLiteral("v1.2.1") << false;
    QTest::newRow("sign") << QStringLiteral("+1.2") << false;
    QTest::newRow("inner space") << QStringLiteral("1. 2") << false;
    QTest::newRow("surrounding space") << QStringLiteral(" 1.2") << false;
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661.\u0662") << false;
    QTest::newRow("fullwidth digits") << QStringLiteral("\uff11.\uff12") << false;
    QTest::newRow("superscript two") << QStringLiteral("1.\u00b2") << false;
}

void TestVersionCompare::recognisesDottedVersions()
{
    QFETCH(QString, text);
    QFETCH(bool, dotted);
    QCOMPARE(corvanel::update::isDottedVersion(text), dotted);
}

void TestVersionCompare::comparesWithRunningVersion_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<VersionOrder>("order");
    QTest::addColumn<QString>("text");

    QTest::newRow("same") << QStringLiteral("1.2.1") << VersionOrder::Current << QStringLiteral("1.2.1");
    QTest::newRow("same with line feed") << QStringLiteral("1.2.1\n") << VersionOrder::Current
                                         << QStringLiteral("1.2.1");
    QTest::newRow("same after space") << QStringLiteral(" 1.2.1") << VersionOrder::Current << QStringLiteral("1.2.1");
    QTest::newRow("same with CR LF lines")
        << QStringLiteral("1.2.1\r\n\r\n") << VersionOrder::Current << QStringLiteral("1.2.1");
    QTest::newRow("leading zeros are the same")
        << QStringLiteral("01.02.001") << VersionOrder::Current << QStringLiteral("01.02.001");
    QTest::newRow("fourth group zero") << QStringLiteral("1.2.1.0") << VersionOrder::Current
                                       << QStringLiteral("1.2.1.0");
    QTest::newRow("newer minor") << QStringLiteral("1.3.0") << VersionOrder::Newer << QStringLiteral("1.3.0");
    QTest::newRow("two-digit minor") << QStringLiteral("1.10.0") << VersionOrder::Newer << QStringLiteral("1.10.0");
    QTest::newRow("newer revision") << QStringLiteral("1.2.10") << VersionOrder::Newer << QStringLiteral("1.2.10");
    QTest::newRow("fourth group") << QStringLiteral("1.2.1.1") << VersionOrder::Newer << QStringLiteral("1.2.1.1");
    QTest::newRow("major only") << QStringLiteral("2") << VersionOrder::Newer << QStringLiteral("2");
    QTest::newRow("large major") << QStringLiteral("999999999") << VersionOrder::Newer << QStringLiteral("999999999");
    QTest::newRow("older revision") << QStringLiteral("1.2.0") << VersionOrder::Older << QStringLiteral("1.2.0");
    QTest::newRow("two groups") << QStringLiteral("1.2") << VersionOrder::Older << QStringLiteral("1.2");
    QTest::newRow("older major") << QStringLiteral("0.9.9") << VersionOrder::Older << QStringLiteral("0.9.9");
    QTest::newRow("one") << QStringLiteral("1") << VersionOrder::Older << QStringLiteral("1");
    QTest::newRow("empty") << QString() << VersionOrder::NotAVersion << QString();
    QTest::newRow("markup") << QStringLiteral("<b>9.9.9</b>") << VersionOrder::NotAVersion
                            << QStringLiteral("<b>9.9.9</b>");
    QTest::newRow("error page") << QStringLiteral("Not Found\n") << VersionOrder::NotAVersion
                                << QStringLiteral("Not Found");
    QTest::newRow("suffix") << QStringLiteral("1.3.0 beta") << VersionOrder::NotAVersion
                            << QStringLiteral("1.3.0 beta");
    QTest::newRow("two lines") << QStringLiteral("1.3.0\n1.2.0") << VersionOrder::NotAVersion
                               << QStringLiteral("1.3.0\n1.2.0");
    QTest::newRow("five groups") << QStringLiteral("1.3.0.0.0") << VersionOrder::NotAVersion
                                 << QStringLiteral("1.3.0.0.0");
    QTest::newRow("byte order mark") << QStringLiteral("\ufeff1.3.0") << VersionOrder::NotAVersion
                                     << QStringLiteral("\ufeff1.3.0");
}

void TestVersionCompare::comparesWithRunningVersion()
{
    QFETCH(QString, body);
    QFETCH(VersionOrder, order);
    QFETCH(QString, text);

    const corvanel::update::VersionComparison result = corvanel::update::compareVersions(body, kRunning);
    QCOMPARE(result.order, order);
    QCOMPARE(result.text, text);
}

void TestVersionCompare::comparesRunningSideNumerically()
{
    using corvanel::update::compareVersions;
    QCOMPARE(compareVersions(u"1.9.9", u"1.10.0").order, VersionOrder::Older);
    QCOMPARE(compareVersions(u"1.10", u"1.10.0.0").order, VersionOrder::Current);
    QCOMPARE(compareVersions(u"3", u"2.99999.99999").order, VersionOrder::Newer);
    QCOMPARE(compareVersions(u"1.2.1", u"not a version").order, VersionOrder::NotAVersion);
}

void TestVersionCompare::hugeDigitRunsAreNoVersion()
{
    const QString huge = QString(100000, u'9');
    QCOMPARE(corvanel::update::compareVersions(huge, kRunning).order, VersionOrder::NotAVersion);
    QCOMPARE(corvanel::update::compareVersions(QStringLiteral("1.") + huge, kRunning).order, VersionOrder::NotAVersion);
    // Leading zeros count towards the length, but not towards the value.
    QCOMPARE(corvanel::update::compareVersions(u"000000001.2.1", kRunning).order, VersionOrder::Current);
}

void TestVersionCompare::randomBodiesKeepTheInvariants()
{
    // An independent reading of the rules: a pattern for the shape, QVersionNumber for the order.
    const QRegularExpression dotted(QStringLiteral("\\A[0-9]{1,9}(?:\\.[0-9]{1,9}){0,3}\\z"));
    const QVersionNumber running(1, 2, 1);
    const auto isBlank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; };

    const QString digits = QStringLiteral("0123456789");
    const QString blanks = QStringLiteral(" \t\r\n");
    const QString others = QStringLiteral("abcXYZ-+,;<>/\v\f\u00a0\u00e9\u0661\uff11\u00b2\u4e2d\ufeff\u2028");
    const QString highPair = QStringLiteral("\U0001F600");
    const QStringList groups = {QStringLiteral("0"),   QStringLiteral("1"),         QStringLiteral("2"),
                                QStringLiteral("3"),   QStringLiteral("10"),        QStringLiteral("01"),
                                QStringLiteral("002"), QStringLiteral("999999999"), QStringLiteral("1000000000")};

    QRandomGenerator random(20240611u);
    const auto anyOf = [&random](const QString& set) { return set[random.bounded(static_cast<int>(set.size()))]; };
    constexpr int kBodies = 1'000'000;
    int versions = 0;
    int counts[4] = {};
    QElapsedTimer elapsed;
    elapsed.start();
    QString body;
    for (int n = 0; n < kBodies; ++n) {
        body.clear();
        switch (random.bounded(3)) {
        case 0: {
            // Anything at all.
            const int length = random.bounded(65);
            for (int i = 0; i < length; ++i) {
                const int pick = random.bounded(100);
                body += pick < 30 ? QString(anyOf(digits))
                    : pick < 45   ? QStringLiteral(".")
                    : pick < 60   ? QString(anyOf(blanks))
                    : pick < 95   ? QString(anyOf(others))
                                  : highPair;
            }
            break;
        }
        case 1: {
            // Only the characters a version and its padding are made of.
            const int length = random.bounded(65);
            for (int i = 0; i < length; ++i) {
                const int pick = random.bounded(100);
                body += pick < 70 ? anyOf(digits) : (pick < 85 ? QChar(u'.') : anyOf(blanks));
            }
            break;
        }
        default: {
            // Built like a version, now and then broken: so every outcome is reached often.
            for (int i = random.bounded(4); i > 0; --i) {
                body += anyOf(blanks);
            }
            const int groupCount = 1 + random.bounded(5);
            for (int g = 0; g < groupCount; ++g) {
                if (g > 0) {
                    body += random.bounded(50) == 0 ? QStringLiteral("..") : QStringLiteral(".");
                }
                body += groups[random.bounded(static_cast<int>(groups.size()))];
            }
            for (int i = random.bounded(4); i > 0; --i) {
                body += anyOf(blanks);
            }
            if (random.bounded(20) == 0) {
                body.insert(random.bounded(static_cast<int>(body.size()) + 1), anyOf(others));
            }
            break;
        }
        }

        const corvanel::update::VersionComparison result = corvanel::update::compareVersions(body, kRunning);
        ++counts[static_cast<int>(result.order)];

        // The text is the body less blanks at both ends.
        const qsizetype at = body.indexOf(result.text);
        QVERIFY(at >= 0);
        if (!result.text.isEmpty()) {
            QVERIFY(!isBlank(result.text.front()) && !isBlank(result.text.back()));
        }
        for (qsizetype i = 0; i < body.size(); ++i) {
            if (i < at || i >= at + result.text.size()) {
                QVERIFY2(isBlank(body[i]), qPrintable(body));
            }
        }

        const bool isVersion = dotted.match(result.text).hasMatch();
        QCOMPARE(result.order != VersionOrder::NotAVersion, isVersion);
        if (isVersion) {
            ++versions;
            const int expected = QVersionNumber::compare(QVersionNumber::fromString(result.text).normalized(), running);
            const VersionOrder order
                = expected < 0 ? VersionOrder::Older : (expected > 0 ? VersionOrder::Newer : VersionOrder::Current);
            QVERIFY2(result.order == order, qPrintable(result.text));
        }
    }
    qInfo("%d bodies in %lld ms: %d versions (%d older, %d current, %d newer)", kBodies,
          static_cast<long long>(elapsed.elapsed()), versions, counts[1], counts[2], counts[3]);
    // The generator must reach every outcome often, or the invariants prove little.
    QVERIFY(versions > kBodies / 10);
    QVERIFY(counts[1] > 1000);
    QVERIFY(counts[2] > 100);
    QVERIFY(counts[3] > 1000);
}

QTEST_GUILESS_MAIN(TestVersionCompare)
#include "TestVersionCompare.moc"
