#include "controls/PowerButton.h"
#include "windows/KeyWindow.h"

#include <QHash>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using corvanel::ui::KeyWindow;
using corvanel::ui::PowerButton;

/**
 * The legend against the colours the element buttons carry: every button's
 * colour appears in the legend exactly once, and every legend colour is on at
 * least one button.
 */
class TestKeyLegend : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyButtonColourIsInTheLegendOnce_data();
    void everyButtonColourIsInTheLegendOnce();
    void everyLegendColourIsOnSomeButton();
    void legendNamesTheClassOfEachColour();

private:
    struct ButtonClass
    {
        QString className;
        QColor colour;
        QStringList symbols;
    };

    QList<ButtonClass> m_buttonClasses;
};

void TestKeyLegend::initTestCase()
{
    // The element buttons of the main window, grouped by the class colour each carries.
    const QStringList transition {u"Sc"_s, u"Ti"_s, u"V"_s,  u"Cr"_s, u"Mn"_s, u"Fe"_s, u"Co"_s, u"Ni"_s,
                                  u"Cu"_s, u"Zn"_s, u"Y"_s,  u"Zr"_s, u"Nb"_s, u"Mo"_s, u"Tc"_s, u"Ru"_s,
                                  u"Rh"_s, u"Pd"_s, u"Ag"_s, u"Cd"_s, u"La"_s, u"Hf"_s, u"Ta"_s, u"W"_s,
                                  u"Re"_s, u"Os"_s, u"Ir"_s, u"Pt"_s, u"Au"_s, u"Hg"_s, u"Ac"_s, u"Rf"_s,
                                  u"Ha"_s, u"Sg"_s, u"Ns"_s, u"Hs"_s, u"Mt"_s};
    const QStringList rareEarth {u"Ce"_s, u"Pr"_s, u"Nd"_s, u"Pm"_s, u"Sm"_s, u"Eu"_s, u"Gd"_s,
                                 u"Tb"_s, u"Dy"_s, u"Ho"_s, u"Er"_s, u"Tm"_s, u"Yb"_s, u"Lu"_s,
                                 u"Th"_s, u"Pa"_s, u"U"_s,  u"Np"_s, u"Pu"_s, u"Am"_s, u"Cm"_s,
                                 u"Bk"_s, u"Cf"_s, u"Es"_s, u"Fm"_s, u"Md"_s, u"No"_s, u"Lr"_s};
    m_buttonClasses = {
        {u"Alkali Metals"_s, QColor(128, 255, 128), {u"Li"_s, u"Na"_s, u"K"_s, u"Rb"_s, u"Cs"_s, u"Fr"_s}},
        {u"Alkali Earth Metals"_s, QColor(255, 255, 128), {u"Be"_s, u"Mg"_s, u"Ca"_s, u"Sr"_s, u"Ba"_s, u"Ra"_s}},
        {u"Transition Metals"_s, QColor(255, 128, 128), transition},
        {u"Rare Earth Metals"_s, QColor(255, 157, 111), rareEarth},
        {u"Other Metals"_s, QColor(128, 0, 255), {u"Al"_s, u"Ga"_s, u"In"_s, u"Sn"_s, u"Tl"_s, u"Pb"_s, u"Bi"_s}},
        {u"Metalloids"_s, QColor(255, 128, 255), {u"B"_s, u"Si"_s, u"Ge"_s, u"As"_s, u"Sb"_s, u"Te"_s, u"Po"_s}},
        {u"Non-Metals"_s, QColor(128, 255, 255), {u"H"_s, u"C"_s, u"N"_s, u"O"_s, u"P"_s, u"S"_s, u"Se"_s}},
        {u"Halogens"_s, QColor(0, 128, 64), {u"F"_s, u"Cl"_s, u"Br"_s, u"I"_s, u"At"_s}},
        {u"Noble Gases"_s, QColor(90, 173, 173), {u"He"_s, u"Ne"_s, u"Ar"_s, u"Kr"_s, u"Xe"_s, u"Rn"_s}},
    };

    // The data itself must be whole, or the checks below prove little.
    QSet<QString> symbols;
    for (const ButtonClass& c : std::as_const(m_buttonClasses)) {
        for (const QString& s : c.symbols) {
            symbols.insert(s);
        }
    }
    QCOMPARE(symbols.size(), 109);
}

void TestKeyLegend::everyButtonColourIsInTheLegendOnce_data()
{
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QColor>("colour");
    for (const ButtonClass& c : std::as_const(m_buttonClasses)) {
        for (const QString& s : c.symbols) {
            QTest::newRow(qPrintable(u"Cmd"_s + s)) << s << c.colour;
        }
    }
}

void TestKeyLegend::everyButtonColourIsInTheLegendOnce()
{
    QFETCH(QColor, colour);
    KeyWindow key;
    int found = 0;
    for (const PowerButton* swatch : key.findChildren<PowerButton*>()) {
        if (swatch->colour() == colour) {
            ++found;
        }
    }
    QCOMPARE(found, 1);
}

void TestKeyLegend::everyLegendColourIsOnSomeButton()
{
    KeyWindow key;
    const QList<PowerButton*> swatches = key.findChildren<PowerButton*>();
    QCOMPARE(swatches.size(), 9);
    for (const PowerButton* swatch : swatches) {
        int buttons = 0;
        for (const ButtonClass& c : std::as_const(m_buttonClasses)) {
            if (c.colour == swatch->colour()) {
                buttons += int(c.symbols.size());
            }
        }
        QVERIFY2(buttons > 0, qPrintable(swatch->objectName()));
    }
}

void TestKeyLegend::legendNamesTheClassOfEachColour()
{
    KeyWindow key;
    for (const ButtonClass& c : std::as_const(m_buttonClasses)) {
        const PowerButton* match = nullptr;
        for (const PowerButton* swatch : key.findChildren<PowerButton*>()) {
            if (swatch->colour() == c.colour) {
                match = swatch;
            }
        }
        QVERIFY2(match, qPrintable(c.className));
        QCOMPARE(match->accessibleName(), c.className);
    }
}

QTEST_MAIN(TestKeyLegend)
#include "TestKeyLegend.moc"
