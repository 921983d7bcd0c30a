#include "catalogue/ElementCatalogue.h"
#include "search_table/SearchTable.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;
using corvanel::search::findElement;
using corvanel::search::kSearchTable;
using corvanel::search::searchKeyFor;

namespace {

QString keyAt(int row)
{
    return QString::fromLatin1(kSearchTable.at(static_cast<std::size_t>(row)).key);
}

QString upperSymbolOf(int atomicNumber)
{
    return QString::fromUtf8(corvanel::catalogue::catalogueEntry(atomicNumber).symbol).toUpper();
}

// One random UTF-16 code unit, weighted towards what can match: letters of either case.
char16_t randomUnit(QRandomGenerator& random)
{
    const quint32 pick = random.bounded(100u);
    if (pick < 40) {
        return static_cast<char16_t>(u'A' + random.bounded(26u));
    }
    if (pick < 80) {
        return static_cast<char16_t>(u'a' + random.bounded(26u));
    }
    if (pick < 84) {
        return u'\0';
    }
    if (pick < 88) {
        return static_cast<char16_t>(0xD800 + random.bounded(0x800u)); // either half of a surrogate pair
    }
    if (pick < 92) {
        return static_cast<char16_t>(random.bounded(0x80u)); // controls, digits, punctuation, blanks
    }
    if (pick < 96) {
        return static_cast<char16_t>(0xA0 + random.bounded(0x200u)); // accented Latin and friends
    }
    return static_cast<char16_t>(random.bounded(0x10000u));
}

} // namespace

class TestSearchTable : public QObject
{
    Q_OBJECT

private slots:
    void find_data();
    void find();
    void keysAreCaseSensitive();
    void searchKey_data();
    void searchKey();
    void everyKeyReachesItsOwnElement();
    void tableOrder_data();
    void tableOrder();
    void fBlockOrder();
    void megabyteIsCheap();
    void randomAnswers();
};

void TestSearchTable::find_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("expected"); // 0: nothing found

    QTest::newRow("na") << u"na"_s << 11;
    QTest::newRow("Na") << u"Na"_s << 11;
    QTest::newRow("nA") << u"nA"_s << 11;
    QTest::newRow("NA") << u"NA"_s << 11;
    QTest::newRow("Si") << u"Si"_s << 14;
    QTest::newRow("S") << u"S"_s << 16;
    QTest::newRow("Rn") << u"Rn"_s << 86;
    QTest::newRow("Ra") << u"Ra"_s << 88;
    QTest::newRow("Ha") << u"Ha"_s << 105;
    QTest::newRow("Ns") << u"Ns"_s << 107;
    QTest::newRow("Zn") << u"Zn"_s << 30;
    QTest::newRow("Pt") << u"Pt"_s << 78;
    QTest::newRow("K") << u"K"_s << 19;
    QTest::newRow("h") << u"h"_s << 1;
    QTest::newRow("Mt") << u"Mt"_s << 109;
    QTest::newRow("Db") << u"Db"_s << 0;
    QTest::newRow("Bh") << u"Bh"_s << 0;
    QTest::newRow("Uue") << u"Uue"_s << 0;
    QTest::newRow("Ds") << u"Ds"_s << 0;
    QTest::newRow("leading blank") << u" Na"_s << 0;
    QTest::newRow("trailing blank") << u"Na "_s << 0;
    QTest::newRow("name") << u"Sodium"_s << 0;
    QTest::newRow("number") << u"11"_s << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("embedded NUL") << (u"N"_s + QChar(0) + u"A"_s) << 0;
    QTest::newRow("trailing NUL") << (u"NA"_s + QChar(0)) << 0;
    QTest::newRow("tab") << u"\tNA"_s << 0;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << 0;
    QTest::newRow("emoji") << u"🧪"_s << 0;
    QTest::newRow("Arabic") << u"صوديوم"_s << 0;
    QTest::newRow("Hebrew") << u"נתרן"_s << 0;
    QTest::newRow("fullwidth NA") << u"ＮＡ"_s << 0;
}

void TestSearchTable::find()
{
    QFETCH(QString, answer);
    QFETCH(int, expected);

    const std::optional<int> found = findElement(searchKeyFor(answer));
    QCOMPARE(found.value_or(0), expected);
}

void TestSearchTable::keysAreCaseSensitive()
{
    // The table compares exactly; only the answer's conversion makes the search case-blind.
    QCOMPARE(findElement(u"NA"_s), std::optional<int>(11));
    QCOMPARE(findElement(u"na"_s), std::nullopt);
    QCOMPARE(findElement(u"Na"_s), std::nullopt);
    QCOMPARE(findElement(u"h"_s), std::nullopt);
}

void TestSearchTable::searchKey_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("key");

    QTest::newRow("lower") << u"na"_s << u"NA"_s;
    QTest::newRow("mixed") << u"nA"_s << u"NA"_s;
    QTest::newRow("blanks kept") << u" cl "_s << u" CL "_s;
    QTest::newRow("digits and punctuation") << u"u-235!"_s << u"U-235!"_s;
    QTest::newRow("NUL kept") << (u"n"_s + QChar(0) + u"a"_s) << (u"N"_s + QChar(0) + u"A"_s);
    QTest::newRow("empty") << QString() << QString();
}

void TestSearchTable::searchKey()
{
    QFETCH(QString, answer);
    QFETCH(QString, key);

    QCOMPARE(searchKeyFor(answer), key);
}

void TestSearchTable::everyKeyReachesItsOwnElement()
{
    QCOMPARE(static_cast<int>(kSearchTable.size()), 109);
    QSet<int> reached;
    for (int row = 0; row < 109; ++row) {
        const QString key = keyAt(row);
        const std::optional<int> found = findElement(key);
        QVERIFY2(found.has_value(), qPrintable(key));
        QCOMPARE(*found, kSearchTable.at(static_cast<std::size_t>(row)).atomicNumber);
        QCOMPARE(upperSymbolOf(*found), key);
        reached.insert(*found);
        // The lower-case symbol works just as well.
        QCOMPARE(findElement(searchKeyFor(key.toLower())), found);
    }
    QCOMPARE(reached.size(), 109);
    for (int n = 1; n <= 109; ++n) {
        QVERIFY2(reached.contains(n), qPrintable(QString::number(n)));
    }
}

void TestSearchTable::tableOrder_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("atomicNumber");

    QTest::newRow("group 1") << 0 << u"H"_s << 1;
    QTest::newRow("K between NA and RB") << 3 << u"K"_s << 19;
    QTest::newRow("end of group 1") << 6 << u"FR"_s << 87;
    QTest::newRow("group 2") << 7 << u"BE"_s << 4;
    QTest::newRow("group 3") << 13 << u"SC"_s << 21;
    QTest::newRow("group 4") << 17 << u"TI"_s << 22;
    QTest::newRow("group 5 ends with HA") << 24 << u"HA"_s << 105;
    QTest::newRow("group 7 ends with NS") << 32 << u"NS"_s << 107;
    QTest::newRow("group 9 ends with MT") << 40 << u"MT"_s << 109;
    QTest::newRow("group 10") << 41 << u"NI"_s << 28;
    QTest::newRow("group 12 last") << 49 << u"HG"_s << 80;
    QTest::newRow("group 13") << 50 << u"B"_s << 5;
    QTest::newRow("group 14") << 55 << u"C"_s << 6;
    QTest::newRow("group 17") << 70 << u"F"_s << 9;
    QTest::newRow("group 18") << 75 << u"HE"_s << 2;
    QTest::newRow("end of group 18") << 80 << u"RN"_s << 86;
    QTest::newRow("f-block") << 81 << u"CE"_s << 58;
}

void TestSearchTable::tableOrder()
{
    QFETCH(int, row);
    QFETCH(QString, key);
    QFETCH(int, atomicNumber);

    QCOMPARE(keyAt(row), key);
    QCOMPARE(kSearchTable.at(static_cast<std::size_t>(row)).atomicNumber, atomicNumber);
}

void TestSearchTable::fBlockOrder()
{
    const QStringList expected {u"CE"_s, u"TH"_s, u"PR"_s, u"PA"_s, u"ND"_s, u"U"_s,  u"PM"_s,
                                u"NP"_s, u"SM"_s, u"PU"_s, u"EU"_s, u"AM"_s, u"GD"_s, u"CM"_s,
                                u"TB"_s, u"BK"_s, u"DY"_s, u"CF"_s, u"HO"_s, u"ES"_s, u"ER"_s,
                                u"FM"_s, u"TM"_s, u"MD"_s, u"YB"_s, u"NO"_s, u"LU"_s, u"LR"_s};
    QStringList actual;
    for (int row = 81; row < 109; ++row) {
        actual.append(keyAt(row));
    }
    QCOMPARE(actual, expected);
}

void TestSearchTable::megabyteIsCheap()
{
    const QString answer(1024 * 1024, u'a');
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 10; ++i) {
        QVERIFY(!findElement(searchKeyFor(answer)).has_value());
    }
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
}

void TestSearchTable::randomAnswers()
{
    QSet<QString> upperSymbols;
    for (int n = 1; n <= 109; ++n) {
        upperSymbols.insert(upperSymbolOf(n));
    }

    QRandomGenerator random(20240611);
    QString answer;
    int found = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        const quint32 lengthPick = random.bounded(100u);
        const int length = lengthPick < 97 ? static_cast<int>(random.bounded(9u)) // 0 .. 8 mostly
                                           : static_cast<int>(random.bounded(9u, 300u));
        answer.resize(length);
        for (int c = 0; c < length; ++c) {
            answer[c] = QChar(randomUnit(random));
        }
        const QString key = searchKeyFor(answer);
        const std::optional<int> element = findElement(key);
        if (element) {
            ++found;
            if (*element < 1 || *element > 109 || upperSymbolOf(*element) != key) {
                QFAIL(qPrintable(u"key %1 found element %2"_s.arg(key).arg(*element)));
            }
        } else if (upperSymbols.contains(key)) {
            QFAIL(qPrintable(u"key %1 found nothing"_s.arg(key)));
        }
    }
    // Enough hits that the invariant was actually exercised.
    QVERIFY2(found > 10'000, qPrintable(QString::number(found)));
}

QTEST_GUILESS_MAIN(TestSearchTable)
#include "TestSearchTable.moc"
