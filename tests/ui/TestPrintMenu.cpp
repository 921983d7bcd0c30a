#include "app/ApplicationSetup.h"
#include "controls/PowerButton.h"
#include "fakes/FakePlatform.h"
#include "main_window/MainWindow.h"
#include "main_window/ReportFields.h"
#include "support/TriggerAction.h"

#include <QAction>
#include <QLabel>
#include <QTest>

using corvanel::platform::MessageIcon;
using corvanel::test::FakePlatform;
using corvanel::ui::MainWindow;

/** The two print commands as the user reaches them: menu items and shortcuts on the main window. */
class TestPrintMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void printCommandsRefuseBeforeASelection_data();
    void printCommandsRefuseBeforeASelection();
    void printCommandsPrintTheSelection();
    void reportFieldsAreTheLabelsInReportOrder();
};

void TestPrintMenu::initTestCase()
{
    corvanel::app::configureApplication();
}

void TestPrintMenu::printCommandsRefuseBeforeASelection_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("Print Element Info") << "mnuPInfo";
    QTest::newRow("Print Chart") << "mnuPChart";
}

void TestPrintMenu::printCommandsRefuseBeforeASelection()
{
    QFETCH(QString, action);
    FakePlatform fakes;
    MainWindow window(fakes.platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    TRIGGER_ACTION(window, action);
    QCOMPARE(fakes.dialogs.messages.size(), 1);
    QCOMPARE(fakes.dialogs.messages[0].text, QStringLiteral("No element has been selected"));
    QCOMPARE(fakes.dialogs.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(fakes.dialogs.messages[0].icon, MessageIcon::Information);
    QVERIFY(fakes.printing.log.isEmpty());
}

void TestPrintMenu::printCommandsPrintTheSelection()
{
    FakePlatform fakes;
    MainWindow window(fakes.platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget* oxygen = window.findChild<QWidget*>(QStringLiteral("CmdO"));
    QTest::mouseClick(oxygen, Qt::LeftButton);

    QTest::keyClick(oxygen, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(fakes.printing.lines.size(), 23);
    QCOMPARE(fakes.printing.lines[4], QStringLiteral("Name: Oxygen"));
    QCOMPARE(fakes.printing.lines[20], QStringLiteral("# of electrons in each shell: 2  6"));

    QTest::keyClick(oxygen, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(fakes.printing.windowsPrinted.size(), 1);
    // The chart is the area below the menu bar.
    QCOMPARE(fakes.printing.windowsPrinted[0], window.centralWidget());
    QVERIFY(fakes.dialogs.messages.isEmpty());
}

void TestPrintMenu::reportFieldsAreTheLabelsInReportOrder()
{
    QStringList captions;
    QStringList values;
    for (const auto& source : corvanel::ui::design::kReportFieldSources) {
        captions << (source.captionLabel ? QString::fromUtf8(source.captionLabel)
                                         : QStringLiteral("fixed: ") + QString::fromUtf8(source.fixedCaption));
        values << QString::fromUtf8(source.valueLabel);
    }
    QCOMPARE(captions,
             (QStringList {"LblName", "LblSymbol", "LblAtNumber", "LblAtMass", "LblMeltingPoint", "LblBoilingPoint",
                           "LblClass", "LblColor", "LblNumProtonElectrons", "LblNumNeutrons", "LblCrySt", "LblDensity",
                           "LblFirstIon", "LblAtRad", "LblMajorOx", "LblSpecificHeat",
                           "fixed: # of electrons in each shell:"}));
    QCOMPARE(values,
             (QStringList {"LblsAA", "LblsBB", "LblsCC", "LblsDD", "LblsEE", "LblsFF", "LblsII", "LblsLL", "LblsGG",
                           "LblsHH", "LblsJJ", "LblsKK", "LblsMM", "LblsNN", "LblsOO", "LblsPP", "LblElectRings"}));

    // Every name is a label of the built window, so a renamed label cannot print blanks unnoticed.
    FakePlatform fakes;
    MainWindow window(fakes.platform);
    for (const QString& name : captions.mid(0, 16) + values) {
        QVERIFY2(window.findChild<QLabel*>(name), qPrintable(name));
    }
    QVERIFY(!window.hasSelection());
    QCOMPARE(window.reportFields()[0].value, QStringLiteral("?"));
    window.elementButton(11)->click();
    QVERIFY(window.hasSelection());
    const auto fields = window.reportFields();
    QCOMPARE(fields[6].caption, QStringLiteral("Classification:"));
    QCOMPARE(fields[6].value, window.findChild<QLabel*>(QStringLiteral("LblsII"))->text());
    QCOMPARE(fields[16].caption, QStringLiteral("# of electrons in each shell:"));
    QCOMPARE(fields[16].value, QStringLiteral("2  8  1"));
}

QTEST_MAIN(TestPrintMenu)
#include "TestPrintMenu.moc"
