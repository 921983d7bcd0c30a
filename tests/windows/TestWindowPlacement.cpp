#include "app/ApplicationSetup.h"
#include "controls/PowerButton.h"
#include "fakes/FakePlatform.h"
#include "main_window/MainWindow.h"
#include "ui_common/WindowPlacement.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using corvanel::test::FakePlatform;
using corvanel::ui::MainWindow;

/** Runs on two side-by-side screens whose windows have frames, as on a desktop with two monitors. */
class TestWindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void framesAreCentredOnTheMainWindowsScreen_data();
    void framesAreCentredOnTheMainWindowsScreen();
};

void TestWindowPlacement::initTestCase()
{
    corvanel::app::configureApplication();
    QCOMPARE(QGuiApplication::screens().size(), 2);
}

void TestWindowPlacement::framesAreCentredOnTheMainWindowsScreen_data()
{
    QTest::addColumn<int>("screenIndex");
    QTest::newRow("primary screen") << 0;
    QTest::newRow("second screen") << 1;
}

void TestWindowPlacement::framesAreCentredOnTheMainWindowsScreen()
{
    QFETCH(int, screenIndex);
    QScreen* screen = QGuiApplication::screens().at(screenIndex);
    const QPoint centre = screen->availableGeometry().center();

    FakePlatform fakes;
    MainWindow window(fakes.platform);
    corvanel::ui::centreOnScreen(window, screen);
    const QPoint placed = window.pos();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.pos(), placed);
    QCOMPARE(window.screen(), screen);
    QVERIFY(window.frameGeometry() != window.geometry());
    QVERIFY((window.frameGeometry().center() - centre).manhattanLength() <= 1);

    window.findChild<corvanel::ui::PowerButton*>(u"CmdKey"_s)->click();
    QPointer<QWidget> key;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == u"FrmKey"_s && widget->isVisible()) {
            key = widget;
        }
    }
    QVERIFY(key);
    QVERIFY(QTest::qWaitForWindowExposed(key));
    QCOMPARE(key->screen(), screen);
    const QPoint offset = key->frameGeometry().center() - centre;
    QVERIFY2(offset.manhattanLength() <= 1, qPrintable(u"off centre by %1,%2"_s.arg(offset.x()).arg(offset.y())));
    key->close();
    delete key.data();
}

int main(int argc, char* argv[])
{
    // Two offscreen screens side by side, the second one larger; windows get frames.
    QTemporaryDir folder;
    const QString config = folder.filePath(u"screens.json"_s);
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(R"({"windowFrameMargins": true, "screens": [
            {"name": "left", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpiX": 96, "logicalDpiY": 96, "dpr": 1},
            {"name": "right", "x": 1024, "y": 0, "width": 1600, "height": 1000, "logicalDpiX": 96, "logicalDpiY": 96, "dpr": 1}
        ]})")
            < 0) {
        return 1;
    }
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    QApplication app(argc, argv);
    TestWindowPlacement test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestWindowPlacement.moc"
