#include "app/ApplicationSetup.h"
#include "fakes/FakePlatform.h"
#include "support/TriggerAction.h"
#include "ui/main/MainWindow.h"

#include <QAction>
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
    QVERIFY(fakes.dialogs.messages.isEmpty());
}

QTEST_MAIN(TestPrintMenu)
#include "TestPrintMenu.moc"
