#include "app/ApplicationSetup.h"
#include "catalogue/ElementCatalogue.h"
#include "controls/PowerButton.h"
#include "fakes/FakePlatform.h"
#include "main_window/MainWindow.h"
#include "support/TriggerAction.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QTest>

#include <memory>

using corvanel::platform::MessageButtons;
using corvanel::platform::MessageIcon;
using corvanel::test::FakePlatform;
using corvanel::ui::MainWindow;
using corvanel::ui::PowerButton;

namespace {

// The value labels in the order of the record's fields.
const char* const kValueLabels[]
    = {"LblsAA", "LblsBB", "LblsCC", "LblsDD", "LblsEE", "LblsFF", "LblsGG", "LblsHH",       "LblsII",
       "LblsJJ", "LblsKK", "LblsLL", "LblsMM", "LblsNN", "LblsOO", "LblsPP", "LblElectRings"};

} // namespace

class TestSelection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void clickingEveryTileShowsItsRecord();
    void aNewSelectionLeavesNothingOfTheOld();
    void valuesShowAsStored();
    void swatchAndLabelsHaveNoActionOfTheirOwn();
    void tilesDescribeTheirElement();
    void searchSelects_data();
    void searchSelects();
    void searchNotFound_data();
    void searchNotFound();
    void searchCancelledChangesNothing();
    void searchFromTheKeyboard();

private:
    QStringList shownValues() const;
    QWidget* widget(const QString& name) const { return m_window->findChild<QWidget*>(name); }
    PowerButton* swatch() const { return m_window->findChild<PowerButton*>(QStringLiteral("LblKey")); }
    void click(const QString& name) { QTest::mouseClick(widget(name), Qt::LeftButton); }

    std::unique_ptr<FakePlatform> m_fakes;
    std::unique_ptr<MainWindow> m_window;
};

void TestSelection::initTestCase()
{
    corvanel::app::configureApplication();
}

void TestSelection::init()
{
    m_fakes = std::make_unique<FakePlatform>();
    m_window = std::make_unique<MainWindow>(m_fakes->platform);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestSelection::cleanup()
{
    m_window.reset();
    m_fakes.reset();
}

QStringList TestSelection::shownValues() const
{
    QStringList values;
    for (const char* name : kValueLabels) {
        values.append(m_window->findChild<QLabel*>(QString::fromUtf8(name))->text());
    }
    return values;
}

void TestSelection::clickingEveryTileShowsItsRecord()
{
    const QList<PowerButton*> tiles
        = m_window->centralWidget()->findChildren<PowerButton*>(QString(), Qt::FindDirectChildrenOnly);
    int clicked = 0;
    for (PowerButton* tile : tiles) {
        if (tile->objectName() == QStringLiteral("CmdKey")) {
            continue;
        }
        // The tile's record is the one whose symbol is the tile's caption.
        const corvanel::catalogue::ElementRecord* expected = nullptr;
        for (int n = 1; n <= corvanel::catalogue::kElementCount; ++n) {
            if (QString::fromUtf8(corvanel::catalogue::catalogueEntry(n).symbol) == tile->text()) {
                expected = &corvanel::catalogue::catalogueEntry(n);
            }
        }
        QVERIFY2(expected, qPrintable(tile->objectName()));

        QTest::mouseClick(tile, Qt::LeftButton);
        ++clicked;
        QStringList expectedValues;
        for (int field = 0; field < corvanel::catalogue::kFieldCount; ++field) {
            expectedValues.append(corvanel::catalogue::fieldText(*expected, field));
        }
        QCOMPARE(shownValues(), expectedValues);
        QCOMPARE(shownValues().at(1), tile->text());
        QCOMPARE(swatch()->text(), tile->text());
        QCOMPARE(swatch()->colour(), tile->colour());
        QCOMPARE(QApplication::focusWidget(), tile);
    }
    QCOMPARE(clicked, 109);
}

void TestSelection::aNewSelectionLeavesNothingOfTheOld()
{
    click(QStringLiteral("CmdH"));
    QCOMPARE(shownValues(),
             (QStringList {"Hydrogen", "H", "1", "1.00794", "-259.14", "-252.87", "1", "0", "Non-metal", "Hexagonal",
                           "0.08988", "Colorless", "1312", "78", "1-,1+", "14.298", "1"}));
    QCOMPARE(swatch()->colour(), QColor(128, 255, 255));
    click(QStringLiteral("CmdHe"));
    QCOMPARE(shownValues(),
             (QStringList {"Helium", "He", "2", "4.002602", "-272.0", "-268.6", "2", "2", "Noble Gas", "Hexagonal",
                           "0.1785", "Colorless", "2372", "122", "None", "5.1931", "2"}));
    QCOMPARE(swatch()->text(), QStringLiteral("He"));
    QCOMPARE(swatch()->colour(), QColor(90, 173, 173));
    // The same tile again gives the same result.
    click(QStringLiteral("CmdHe"));
    QCOMPARE(shownValues().first(), QStringLiteral("Helium"));
}

void TestSelection::valuesShowAsStored()
{
    click(QStringLiteral("CmdBr"));
    auto* shells = m_window->findChild<QLabel*>(QStringLiteral("LblElectRings"));
    QCOMPARE(shells->text(), QStringLiteral(" 2  8  18  7"));
    QCOMPARE(shells->textFormat(), Qt::PlainText);
    click(QStringLiteral("CmdSc"));
    QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("LblsPP"))->text(), QStringLiteral(".5677"));
    click(QStringLiteral("CmdZn"));
    QCOMPARE(swatch()->text(), QStringLiteral("Zn"));
    QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("LblsBB"))->text(), QStringLiteral("Zn"));

    // Every value of every element fits its label.
    for (int n = 1; n <= corvanel::catalogue::kElementCount; ++n) {
        m_window->selectElement(m_window->elementButton(n), corvanel::catalogue::catalogueEntry(n));
        for (const char* name : kValueLabels) {
            const QLabel* label = m_window->findChild<QLabel*>(QString::fromUtf8(name));
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(QStringLiteral("%1 in %2").arg(label->text(), label->objectName())));
        }
    }
}

void TestSelection::swatchAndLabelsHaveNoActionOfTheirOwn()
{
    click(QStringLiteral("CmdNa"));
    const QStringList before = shownValues();
    click(QStringLiteral("LblKey"));
    click(QStringLiteral("LblsAA"));
    click(QStringLiteral("LblName"));
    QCOMPARE(shownValues(), before);
    QCOMPARE(swatch()->text(), QStringLiteral("Na"));
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
}

void TestSelection::tilesDescribeTheirElement()
{
    QAccessibleInterface* sodium = QAccessible::queryAccessibleInterface(widget(QStringLiteral("CmdNa")));
    QVERIFY(sodium);
    QCOMPARE(sodium->text(QAccessible::Name), QStringLiteral("Na"));
    QCOMPARE(sodium->text(QAccessible::Description), QStringLiteral("Sodium"));
    QCOMPARE(widget(QStringLiteral("CmdNs"))->accessibleDescription(), QStringLiteral("Neilsborium"));
}

void TestSelection::searchSelects_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("tile");
    QTest::addColumn<QString>("name");
    QTest::newRow("na") << "na"
                        << "CmdNa"
                        << "Sodium";
    QTest::newRow("Na") << "Na"
                        << "CmdNa"
                        << "Sodium";
    QTest::newRow("nA") << "nA"
                        << "CmdNa"
                        << "Sodium";
    QTest::newRow("NA") << "NA"
                        << "CmdNa"
                        << "Sodium";
    QTest::newRow("Si") << "Si"
                        << "CmdSi"
                        << "Silicon";
    QTest::newRow("S") << "S"
                       << "CmdS"
                       << "Sulfur";
    QTest::newRow("Rn") << "Rn"
                        << "CmdRn"
                        << "Radon";
    QTest::newRow("Ra") << "Ra"
                        << "CmdRa"
                        << "Radium";
    QTest::newRow("Ha") << "Ha"
                        << "CmdHa"
                        << "Hahnium";
    QTest::newRow("Ns") << "Ns"
                        << "CmdNs"
                        << "Neilsborium";
    QTest::newRow("pt") << "pt"
                        << "CmdPt"
                        << "Platinium";
}

void TestSelection::searchSelects()
{
    QFETCH(QString, answer);
    QFETCH(QString, tile);
    QFETCH(QString, name);
    m_fakes->dialogs.inputAnswers = {answer};
    TRIGGER_ACTION(*m_window, "mnuSearchElements");

    QCOMPARE(m_fakes->dialogs.inputs.size(), 1);
    QCOMPARE(m_fakes->dialogs.inputs[0].prompt, QStringLiteral("Enter Element Symbol"));
    QCOMPARE(m_fakes->dialogs.inputs[0].title, QStringLiteral("Element Search"));
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
    QCOMPARE(shownValues().first(), name);
    QCOMPARE(swatch()->text(), qobject_cast<PowerButton*>(widget(tile))->text());
    QCOMPARE(swatch()->colour(), qobject_cast<PowerButton*>(widget(tile))->colour());
    QCOMPARE(QApplication::focusWidget(), widget(tile));
}

void TestSelection::searchNotFound_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("Db") << "Db";
    QTest::newRow("Bh") << "Bh";
    QTest::newRow("Uue") << "Uue";
    QTest::newRow("leading blank") << " Na";
    QTest::newRow("trailing blank") << "Na ";
    QTest::newRow("name") << "Sodium";
    QTest::newRow("number") << "11";
    QTest::newRow("a megabyte") << QString(1 << 20, QLatin1Char('n'));
    QTest::newRow("NUL inside") << QStringLiteral("N") + QChar(0) + QStringLiteral("a");
    QTest::newRow("right to left") << QStringLiteral("\u05e0\u05ea\u05e8\u05df");
    QTest::newRow("emoji") << QStringLiteral("\U0001F9EA");
}

void TestSelection::searchNotFound()
{
    QFETCH(QString, answer);
    click(QStringLiteral("CmdK"));
    const QStringList before = shownValues();
    m_fakes->dialogs.inputAnswers = {answer};
    TRIGGER_ACTION(*m_window, "mnuSearchElements");

    QCOMPARE(m_fakes->dialogs.messages.size(), 1);
    QCOMPARE(m_fakes->dialogs.messages[0].text, QStringLiteral("Sorry, Could not find element!"));
    QCOMPARE(m_fakes->dialogs.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(m_fakes->dialogs.messages[0].icon, MessageIcon::Warning);
    QCOMPARE(m_fakes->dialogs.messages[0].buttons, MessageButtons::Ok);
    // The earlier selection stands.
    QCOMPARE(shownValues(), before);
    QCOMPARE(swatch()->text(), QStringLiteral("K"));
    QCOMPARE(QApplication::focusWidget(), widget(QStringLiteral("CmdK")));
}

void TestSelection::searchCancelledChangesNothing()
{
    // Before any selection: still nothing selected.
    m_fakes->dialogs.inputAnswers = {QString()};
    TRIGGER_ACTION(*m_window, "mnuSearchElements");
    QCOMPARE(swatch()->text(), QStringLiteral("?"));
    QCOMPARE(shownValues(), QStringList(17, QStringLiteral("?")));

    click(QStringLiteral("CmdAu"));
    widget(QStringLiteral("CmdAg"))->setFocus();
    const QStringList before = shownValues();
    m_fakes->dialogs.inputAnswers = {QString()};
    TRIGGER_ACTION(*m_window, "mnuSearchElements");
    QCOMPARE(m_fakes->dialogs.inputs.size(), 2);
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
    QCOMPARE(shownValues(), before);
    QCOMPARE(swatch()->text(), QStringLiteral("Au"));
    QCOMPARE(QApplication::focusWidget(), widget(QStringLiteral("CmdAg")));
}

void TestSelection::searchFromTheKeyboard()
{
    widget(QStringLiteral("CmdLr"))->setFocus();
    m_fakes->dialogs.inputAnswers = {QStringLiteral("fe")};
    QTest::keyClick(widget(QStringLiteral("CmdLr")), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(shownValues().first(), QStringLiteral("Iron"));
    QCOMPARE(QApplication::focusWidget(), widget(QStringLiteral("CmdFe")));
}

QTEST_MAIN(TestSelection)
#include "TestSelection.moc"
