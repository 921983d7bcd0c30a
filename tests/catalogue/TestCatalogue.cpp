#include "catalogue/ElementCatalogue.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <stdexcept>

using namespace Qt::StringLiterals;
using corvanel::catalogue::catalogueEntry;
using corvanel::catalogue::ElementRecord;
using corvanel::catalogue::fieldText;

namespace {

// Field positions, written out here rather than taken from the code under test.
constexpr int kName = 0;
constexpr int kSymbol = 1;
constexpr int kAtNumber = 2;
constexpr int kNumProtonElectrons = 6;
constexpr int kClass = 8;
constexpr int kCrySt = 9;
constexpr int kColor = 11;
constexpr int kMajorOx = 14;
constexpr int kElectRings = 16;

// How many entries carry each value of one field.
using ValueCounts = QMap<QString, int>;

QString text(int atomicNumber, int field)
{
    return fieldText(catalogueEntry(atomicNumber), field);
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void countsMatch();
    void everyAtomicNumberOnce();
    void outsideTheTableThrows();
    void namesAndSymbolsUnique();
    void noFieldEmptyOrPlaceholder();
    void unitsOnlyInCaptions();
    void vocabulary_data();
    void vocabulary();
    void spotValues_data();
    void spotValues();
    void fieldsInDisplayOrder();
    void fieldIndexOutOfRangeThrows();
    void storedSpellings_data();
    void storedSpellings();
    void classRanges();
    void noOxidationStatesOnlyForNobleGases();
    void shellsSeparatedByTwoBlanks();
};

void TestCatalogue::countsMatch()
{
    QCOMPARE(corvanel::catalogue::kElementCount, 109);
    QCOMPARE(corvanel::catalogue::kFieldCount, 17);
}

void TestCatalogue::everyAtomicNumberOnce()
{
    QSet<QString> seen;
    for (int n = 1; n <= 109; ++n) {
        const QString atNumber = text(n, kAtNumber);
        QCOMPARE(atNumber, QString::number(n));
        QCOMPARE(text(n, kNumProtonElectrons), atNumber);
        seen.insert(atNumber);
    }
    QCOMPARE(seen.size(), 109);
}

void TestCatalogue::outsideTheTableThrows()
{
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, catalogueEntry(0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, catalogueEntry(110));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, catalogueEntry(-1));
    QCOMPARE(text(109, kName), u"Meitnerium"_s);
}

void TestCatalogue::namesAndSymbolsUnique()
{
    QSet<QString> names;
    QSet<QString> symbols;
    const QRegularExpression symbolForm(u"^[A-Z][a-z]?$"_s);
    for (int n = 1; n <= 109; ++n) {
        names.insert(text(n, kName));
        const QString symbol = text(n, kSymbol);
        QVERIFY2(symbolForm.match(symbol).hasMatch(), qPrintable(symbol));
        symbols.insert(symbol);
    }
    QCOMPARE(names.size(), 109);
    QCOMPARE(symbols.size(), 109);
}

void TestCatalogue::noFieldEmptyOrPlaceholder()
{
    for (int n = 1; n <= 109; ++n) {
        for (int f = 0; f < 17; ++f) {
            const QString value = text(n, f);
            const QString where = u"element %1 field %2"_s.arg(n).arg(f);
            QVERIFY2(!value.isEmpty(), qPrintable(where));
            // "?" is what the window shows before any selection, so no record may hold it.
            QVERIFY2(!value.contains(u'?'), qPrintable(where));
        }
    }
}

void TestCatalogue::unitsOnlyInCaptions()
{
    for (int n = 1; n <= 109; ++n) {
        for (int f = 0; f < 17; ++f) {
            const QString value = text(n, f);
            QVERIFY2(!value.contains(u"°"_s), qPrintable(value));
            QVERIFY2(!value.contains(u"³"_s), qPrintable(value));
            QVERIFY2(!value.contains(u"kJ"_s), qPrintable(value));
        }
    }
}

void TestCatalogue::vocabulary_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<ValueCounts>("expected");

    QTest::newRow("Class") << kClass
                           << ValueCounts {{u"Transition"_s, 35}, {u"Rare Earth"_s, 29},  {u"Other Metals"_s, 7},
                                           {u"Metalloid"_s, 7},   {u"Alkali Metal"_s, 6}, {u"Alkaline Earth"_s, 6},
                                           {u"Non-Metal"_s, 6},   {u"Noble Gas"_s, 6},    {u"Halogen"_s, 5},
                                           {u"Non-metal"_s, 1},   {u"Unknown"_s, 1}};
    QTest::newRow("CrySt") << kCrySt
                           << ValueCounts {{u"Cubic"_s, 42},      {u"Hexagonal"_s, 33}, {u"Orthorhombic"_s, 8},
                                           {u"Rhombohedra"_s, 6}, {u"Monoclinic"_s, 3}, {u"Tetragonal"_s, 2},
                                           {u"Unknown"_s, 15}};
    QTest::newRow("Color") << kColor << ValueCounts {{u"Unknown"_s, 25}, {u"Silvery"_s, 17},     {u"Silverish"_s, 14},
                                                     {u"Silver"_s, 10},  {u"Colorless"_s, 9},    {u"White"_s, 8},
                                                     {u"Gray"_s, 7},     {u"Grayish"_s, 4},      {u"Bluish"_s, 4},
                                                     {u"Yellow"_s, 2},   {u"Brownish"_s, 1},     {u"Red"_s, 1},
                                                     {u"Black"_s, 1},    {u"Green"_s, 1},        {u"Red/Orange"_s, 1},
                                                     {u"Greenish"_s, 1}, {u"White/Silver"_s, 1}, {u"Blackish"_s, 1},
                                                     {u"Yellowish"_s, 1}};
}

void TestCatalogue::vocabulary()
{
    QFETCH(int, field);
    QFETCH(ValueCounts, expected);

    ValueCounts actual;
    for (int n = 1; n <= 109; ++n) {
        ++actual[text(n, field)];
    }
    QCOMPARE(actual.keys(), expected.keys());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QVERIFY2(
            actual.value(it.key()) == it.value(),
            qPrintable(u"%1: %2 entries, expected %3"_s.arg(it.key()).arg(actual.value(it.key())).arg(it.value())));
    }
}

void TestCatalogue::spotValues_data()
{
    QTest::addColumn<int>("atomicNumber");
    QTest::addColumn<QStringList>("expected");

    // clang-format off
    QTest::newRow("Hydrogen") << 1 << QStringList{
        u"Hydrogen"_s, u"H"_s, u"1"_s, u"1.00794"_s, u"-259.14"_s, u"-252.87"_s, u"1"_s, u"0"_s, u"Non-metal"_s,
        u"Hexagonal"_s, u"0.08988"_s, u"Colorless"_s, u"1312"_s, u"78"_s, u"1-,1+"_s, u"14.298"_s, u"1"_s};
    QTest::newRow("Bromine") << 35 << QStringList{
        u"Bromine"_s, u"Br"_s, u"35"_s, u"79.904"_s, u"-7.2"_s, u"58.78"_s, u"35"_s, u"45"_s, u"Halogen"_s,
        u"Orthorhombic"_s, u"3.119"_s, u"Red"_s, u"1139.9"_s, u"119"_s, u"1-,1+,3+,5+"_s, u"0.47362"_s, u" 2  8  18  7"_s};
    QTest::newRow("Hassium") << 108 << QStringList{
        u"Hassium"_s, u"Hs"_s, u"108"_s, u"265"_s, u"Unknown"_s, u"Unknown"_s, u"108"_s, u"157"_s, u"Transition"_s,
        u"Unknown"_s, u"Unknown"_s, u"Unknown"_s, u"Unknown"_s, u"Unknown"_s, u"Unknown"_s, u"Unknown"_s, u"Unknown"_s};
    QTest::newRow("Meitnerium") << 109 << QStringList{
        u"Meitnerium"_s, u"Mt"_s, u"109"_s, u"265"_s, u"Unknown"_s, u"Unknown"_s, u"109"_s, u"157"_s, u"Transition"_s,
        u"Unknown"_s, u"Unknown"_s, u"Unknown"_s, u"Unknown"_s, u"Unknown"_s, u"Unknown"_s, u"Unknown"_s, u"Unknown"_s};
    QTest::newRow("Nobelium") << 102 << QStringList{
        u"Nobelium"_s, u"No"_s, u"102"_s, u"259"_s, u"Unknown"_s, u"Unknown"_s, u"102"_s, u"157"_s, u"Unknown"_s,
        u"Unknown"_s, u"Unknown"_s, u"Unknown"_s, u"642"_s, u"Unknown"_s, u"2+,3+"_s, u"Unknown"_s,
        u"2  8  18  32  32  8  2"_s};
    QTest::newRow("Arsenic") << 33 << QStringList{
        u"Arsenic"_s, u"As"_s, u"33"_s, u"74.9216"_s, u"817.0"_s, u"613.0"_s, u"33"_s, u"42"_s, u"Metalloid"_s,
        u"Rhombohedra"_s, u"5.72"_s, u"Gray"_s, u"947"_s, u"121"_s, u"3+,5+"_s, u"0.3289"_s, u"2  8  18  5"_s};
    QTest::newRow("Scandium") << 21 << QStringList{
        u"Scandium"_s, u"Sc"_s, u"21"_s, u"44.95591"_s, u"1539.0"_s, u"2832.0"_s, u"21"_s, u"24"_s, u"Transition"_s,
        u"Hexagonal"_s, u"2.989"_s, u"Silvery"_s, u"631"_s, u"162"_s, u"3+"_s, u".5677"_s, u"2  8  9  2"_s};
    QTest::newRow("Hahnium") << 105 << QStringList{
        u"Hahnium"_s, u"Ha"_s, u"105"_s, u"262"_s, u"Unknown"_s, u"Unknown"_s, u"105"_s, u"157"_s, u"Transition"_s,
        u"Unknown"_s, u"Unknown"_s, u"Unknown"_s, u"Unknown"_s, u"Unknown"_s, u"Unknown"_s, u"Unknown"_s,
        u"2  8  18  32  32  12  2"_s};
    QTest::newRow("Neilsborium") << 107 << QStringList{
        u"Neilsborium"_s, u"Ns"_s, u"107"_s, u"262"_s, u"Unknown"_s, u"Unknown"_s, u"107"_s, u"155"_s, u"Transition"_s,
        u"Unknown"_s, u"Unknown"_s, u"Unknown"_s, u"Unknown"_s, u"Unknown"_s, u"Unknown"_s, u"Unknown"_s,
        u"2  8  18  32  32  13  2"_s};
    // clang-format on
}

void TestCatalogue::spotValues()
{
    QFETCH(int, atomicNumber);
    QFETCH(QStringList, expected);

    QCOMPARE(expected.size(), 17);
    for (int f = 0; f < 17; ++f) {
        QCOMPARE(text(atomicNumber, f), expected.at(f));
    }
}

void TestCatalogue::fieldsInDisplayOrder()
{
    // Each field's index must reach its own member; a swapped pair would show in the wrong label.
    const ElementRecord& sodium = catalogueEntry(11);
    const QList<const char*> members {sodium.name,
                                      sodium.symbol,
                                      sodium.atNumber,
                                      sodium.atMass,
                                      sodium.meltingPoint,
                                      sodium.boilingPoint,
                                      sodium.numProtonElectrons,
                                      sodium.numNeutrons,
                                      sodium.elementClass,
                                      sodium.crySt,
                                      sodium.density,
                                      sodium.color,
                                      sodium.firstIon,
                                      sodium.atRad,
                                      sodium.majorOx,
                                      sodium.specificHeat,
                                      sodium.electRings};
    QCOMPARE(members.size(), 17);
    for (int f = 0; f < 17; ++f) {
        QCOMPARE(corvanel::catalogue::field(sodium, f), members.at(f));
    }
    QCOMPARE(QString::fromUtf8(sodium.meltingPoint), u"97.8"_s);
    QCOMPARE(QString::fromUtf8(sodium.boilingPoint), u"552.9"_s);
    QCOMPARE(QString::fromUtf8(sodium.numNeutrons), u"12"_s);
    QCOMPARE(QString::fromUtf8(sodium.density), u"0.971"_s);
    QCOMPARE(QString::fromUtf8(sodium.firstIon), u"495.9"_s);
    QCOMPARE(QString::fromUtf8(sodium.atRad), u"186"_s);
    QCOMPARE(QString::fromUtf8(sodium.specificHeat), u"1.228"_s);
}

void TestCatalogue::fieldIndexOutOfRangeThrows()
{
    const ElementRecord& hydrogen = catalogueEntry(1);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, corvanel::catalogue::field(hydrogen, 17));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, corvanel::catalogue::field(hydrogen, -1));
}

void TestCatalogue::storedSpellings_data()
{
    QTest::addColumn<int>("atomicNumber");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("symbol");

    QTest::newRow("9") << 9 << u"Flourine"_s << u"F"_s;
    QTest::newRow("13") << 13 << u"Aluminium"_s << u"Al"_s;
    QTest::newRow("16") << 16 << u"Sulfur"_s << u"S"_s;
    QTest::newRow("55") << 55 << u"Cesium"_s << u"Cs"_s;
    QTest::newRow("78") << 78 << u"Platinium"_s << u"Pt"_s;
    QTest::newRow("84") << 84 << u"Pollonium"_s << u"Po"_s;
    QTest::newRow("89") << 89 << u"Actinum"_s << u"Ac"_s;
    QTest::newRow("104") << 104 << u"Rutherfordium"_s << u"Rf"_s;
    QTest::newRow("106") << 106 << u"Seaborgium"_s << u"Sg"_s;
}

void TestCatalogue::storedSpellings()
{
    QFETCH(int, atomicNumber);
    QFETCH(QString, name);
    QFETCH(QString, symbol);

    QCOMPARE(text(atomicNumber, kName), name);
    QCOMPARE(text(atomicNumber, kSymbol), symbol);
}

void TestCatalogue::classRanges()
{
    for (int n = 1; n <= 109; ++n) {
        const bool rareEarth = (n >= 57 && n <= 71) || (n >= 89 && n <= 103 && n != 102);
        if (rareEarth) {
            QCOMPARE(text(n, kClass), u"Rare Earth"_s);
        } else {
            QVERIFY2(text(n, kClass) != u"Rare Earth"_s, qPrintable(QString::number(n)));
        }
    }
    for (int n = 104; n <= 109; ++n) {
        QCOMPARE(text(n, kClass), u"Transition"_s);
        QCOMPARE(text(n, kMajorOx), u"Unknown"_s);
    }
    QCOMPARE(text(69, kMajorOx), u"Unknown"_s);
}

void TestCatalogue::noOxidationStatesOnlyForNobleGases()
{
    QList<int> none;
    for (int n = 1; n <= 109; ++n) {
        if (text(n, kMajorOx) == u"None"_s) {
            none.append(n);
        }
    }
    QCOMPARE(none, (QList<int> {2, 10, 18, 36, 54, 86}));
    QCOMPARE(text(6, kMajorOx), u"-4,+2,+4"_s);
    QCOMPARE(text(7, kMajorOx), u"(1,2,3)+-,4+,5+"_s);
    QCOMPARE(text(93, kMajorOx), u"(2,3,4,5,6)+"_s);
}

void TestCatalogue::shellsSeparatedByTwoBlanks()
{
    const QRegularExpression shells(u"^ ?[0-9]+(  [0-9]+)*$"_s);
    for (int n = 1; n <= 107; ++n) {
        const QString value = text(n, kElectRings);
        QVERIFY2(shells.match(value).hasMatch(), qPrintable(u"%1: '%2'"_s.arg(n).arg(value)));
        // Only bromine's value carries the leading blank.
        QCOMPARE(value.startsWith(u' '), n == 35);
    }
    QCOMPARE(text(1, kElectRings), u"1"_s);
    QCOMPARE(text(2, kElectRings), u"2"_s);
    QCOMPARE(text(92, kElectRings), u"2  8  18  32  21  9  2"_s);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "TestCatalogue.moc"
