#include "app/ApplicationSetup.h"
#include "controls/PowerButton.h"
#include "fakes/FakePlatform.h"
#include "main_window/MainWindow.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

#include <memory>

using corvanel::test::FakePlatform;
using corvanel::ui::MainWindow;

class TestKeyboardAndScreenReaders : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void arrowsWalkTheTable_data();
    void arrowsWalkTheTable();
    void arrowsWithModifiersDoNotMove();
    void spaceSelectsTheFocusedTile();
    void tilesAreAnnouncedWithTheirElement();
    void valuesAreAnnouncedWithTheirCaption_data();
    void valuesAreAnnouncedWithTheirCaption();
    void swatchSaysItIsTheSelection();
    void legendSwatchesAreNamedByClass();

private:
    QWidget* widget(const QString& name) const { return m_window->findChild<QWidget*>(name); }
    QAccessibleInterface* accessible(const QString& name) const
    {
        return QAccessible::queryAccessibleInterface(widget(name));
    }

    std::unique_ptr<FakePlatform> m_fakes;
    std::unique_ptr<MainWindow> m_window;
};

void TestKeyboardAndScreenReaders::initTestCase()
{
    corvanel::app::configureApplication();
}

void TestKeyboardAndScreenReaders::init()
{
    m_fakes = std::make_unique<FakePlatform>();
    m_window = std::make_unique<MainWindow>(m_fakes->platform);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestKeyboardAndScreenReaders::cleanup()
{
    m_window.reset();
    m_fakes.reset();
}

void TestKeyboardAndScreenReaders::arrowsWalkTheTable_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    QTest::newRow("H right, across the gap") << "CmdH" << int(Qt::Key_Right) << "CmdHe";
    QTest::newRow("H left, the edge") << "CmdH" << int(Qt::Key_Left) << "CmdH";
    QTest::newRow("H up, the edge") << "CmdH" << int(Qt::Key_Up) << "CmdH";
    QTest::newRow("H down") << "CmdH" << int(Qt::Key_Down) << "CmdLi";
    QTest::newRow("He left, across the gap") << "CmdHe" << int(Qt::Key_Left) << "CmdH";
    QTest::newRow("He down") << "CmdHe" << int(Qt::Key_Down) << "CmdNe";
    QTest::newRow("La down") << "CmdLa" << int(Qt::Key_Down) << "CmdAc";
    QTest::newRow("Ac down, into the lanthanide row") << "CmdAc" << int(Qt::Key_Down) << "CmdCe";
    QTest::newRow("Ce down") << "CmdCe" << int(Qt::Key_Down) << "CmdTh";
    QTest::newRow("Ce up, back into the table") << "CmdCe" << int(Qt::Key_Up) << "CmdAc";
    QTest::newRow("Lr down, the edge") << "CmdLr" << int(Qt::Key_Down) << "CmdLr";
    QTest::newRow("Lr right, the edge") << "CmdLr" << int(Qt::Key_Right) << "CmdLr";
    QTest::newRow("Ce left, nothing beside the row") << "CmdCe" << int(Qt::Key_Left) << "CmdCe";
    QTest::newRow("B up, the gap above") << "CmdB" << int(Qt::Key_Up) << "CmdB";
    QTest::newRow("Mt right, the end of row 7") << "CmdMt" << int(Qt::Key_Right) << "CmdMt";
    QTest::newRow("Zn right") << "CmdZn" << int(Qt::Key_Right) << "CmdGa";
    QTest::newRow("Sc left") << "CmdSc" << int(Qt::Key_Left) << "CmdCa";
    QTest::newRow("Y up, over the gap") << "CmdY" << int(Qt::Key_Up) << "CmdSc";
    QTest::newRow("Sc up, the panel above") << "CmdSc" << int(Qt::Key_Up) << "CmdSc";
    QTest::newRow("Fr down, the series rows lie further right") << "CmdFr" << int(Qt::Key_Down) << "CmdFr";
}

void TestKeyboardAndScreenReaders::arrowsWalkTheTable()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);
    widget(from)->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), widget(from));
    QTest::keyClick(widget(from), Qt::Key(key));
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
    // Moving the focus selects nothing.
    QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("LblsAA"))->text(), QStringLiteral("?"));
}

void TestKeyboardAndScreenReaders::arrowsWithModifiersDoNotMove()
{
    widget(QStringLiteral("CmdFe"))->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), widget(QStringLiteral("CmdFe")));
    QTest::keyClick(widget(QStringLiteral("CmdFe")), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(widget(QStringLiteral("CmdFe")), Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), widget(QStringLiteral("CmdFe")));
    QTest::keyClick(widget(QStringLiteral("CmdFe")), Qt::Key_Right, Qt::KeypadModifier);
    QCOMPARE(QApplication::focusWidget(), widget(QStringLiteral("CmdCo")));
}

void TestKeyboardAndScreenReaders::spaceSelectsTheFocusedTile()
{
    widget(QStringLiteral("CmdH"))->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), widget(QStringLiteral("CmdH")));
    QTest::keyClick(widget(QStringLiteral("CmdH")), Qt::Key_Down);
    QTest::keyClick(widget(QStringLiteral("CmdLi")), Qt::Key_Down);
    QTest::keyClick(widget(QStringLiteral("CmdNa")), Qt::Key_Space);
    QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("LblsAA"))->text(), QStringLiteral("Sodium"));
    QCOMPARE(QApplication::focusWidget(), widget(QStringLiteral("CmdNa")));
}

void TestKeyboardAndScreenReaders::tilesAreAnnouncedWithTheirElement()
{
    QAccessibleInterface* sodium = accessible(QStringLiteral("CmdNa"));
    QCOMPARE(sodium->role(), QAccessible::PushButton);
    QCOMPARE(sodium->text(QAccessible::Name), QStringLiteral("Na"));
    QCOMPARE(sodium->text(QAccessible::Description), QStringLiteral("Sodium"));
    QCOMPARE(accessible(QStringLiteral("CmdHa"))->text(QAccessible::Description), QStringLiteral("Hahnium"));
    QCOMPARE(accessible(QStringLiteral("CmdKey"))->text(QAccessible::Name), QStringLiteral("Key"));
    QCOMPARE(accessible(QStringLiteral("CmdKey"))->role(), QAccessible::PushButton);
}

void TestKeyboardAndScreenReaders::valuesAreAnnouncedWithTheirCaption_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("name") << "LblsAA"
                          << "Sodium"
                          << "Name:";
    QTest::newRow("symbol") << "LblsBB"
                            << "Na"
                            << "Symbol:";
    QTest::newRow("boiling point") << "LblsFF"
                                   << "552.9"
                                   << "Boiling Point (\u00b0C):";
    QTest::newRow("melting point") << "LblsEE"
                                   << "97.8"
                                   << "Melting Point (\u00b0C):";
    QTest::newRow("density") << "LblsKK"
                             << "0.971"
                             << "Density @ RT (g/cm\u00b3):";
    QTest::newRow("class") << "LblsII"
                           << "Alkali Metal"
                           << "Classification:";
    QTest::newRow("colour") << "LblsLL"
                            << "Silvery"
                            << "Color:";
    QTest::newRow("shells") << "LblElectRings"
                            << "2  8  1"
                            << "Electrons Per Shell";
}

void TestKeyboardAndScreenReaders::valuesAreAnnouncedWithTheirCaption()
{
    QFETCH(QString, label);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QTest::mouseClick(widget(QStringLiteral("CmdNa")), Qt::LeftButton);
    QAccessibleInterface* value = accessible(label);
    QVERIFY(value);
    QCOMPARE(value->role(), QAccessible::StaticText);
    QCOMPARE(value->text(QAccessible::Name), name);
    QCOMPARE(value->text(QAccessible::Description), description);
}

void TestKeyboardAndScreenReaders::swatchSaysItIsTheSelection()
{
    QCOMPARE(accessible(QStringLiteral("LblKey"))->text(QAccessible::Name), QStringLiteral("?"));
    QTest::mouseClick(widget(QStringLiteral("CmdRn")), Qt::LeftButton);
    QAccessibleInterface* swatch = accessible(QStringLiteral("LblKey"));
    QCOMPARE(swatch->text(QAccessible::Name), QStringLiteral("Rn"));
    QCOMPARE(swatch->text(QAccessible::Description), QStringLiteral("Selected element"));
}

void TestKeyboardAndScreenReaders::legendSwatchesAreNamedByClass()
{
    QTest::mouseClick(widget(QStringLiteral("CmdKey")), Qt::LeftButton);
    QWidget* legend = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        legend = window->objectName() == QStringLiteral("FrmKey") ? window : legend;
    }
    QVERIFY(legend);
    QAccessibleInterface* halogens
        = QAccessible::queryAccessibleInterface(legend->findChild<QWidget*>(QStringLiteral("LblHalogens")));
    QCOMPARE(halogens->text(QAccessible::Name), QStringLiteral("Halogens"));
    QAccessibleInterface* rareEarth
        = QAccessible::queryAccessibleInterface(legend->findChild<QWidget*>(QStringLiteral("LblRareEarthMetals")));
    QCOMPARE(rareEarth->text(QAccessible::Name), QStringLiteral("Rare Earth Metals"));
    legend->close();
}

QTEST_MAIN(TestKeyboardAndScreenReaders)
#include "TestKeyboardAndScreenReaders.moc"
