#include "app/ApplicationSetup.h"
#include "app/Startup.h"
#include "app/Translations.h"
#include "errors/ErrorReport.h"
#include "fakes/FakePlatform.h"
#include "main_window/MainWindow.h"
#include "support/TriggerAction.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

using corvanel::app::startCorvanel;
using corvanel::errors::RunTimeError;
using corvanel::platform::MessageResult;
using corvanel::test::FakePlatform;
using corvanel::ui::MainWindow;

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void startShowsTheMainWindowCentred();
    void failedLoad_data();
    void failedLoad();
    void closingTheMainWindowClosesTheOthersAndEndsTheProgram_data();
    void closingTheMainWindowClosesTheOthersAndEndsTheProgram();
};

namespace {

/** Visible windows of the program other than tool tips and menus. */
QList<QWidget*> openWindows()
{
    QList<QWidget*> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && !(widget->windowType() == Qt::Popup || widget->windowType() == Qt::ToolTip)) {
            open.append(widget);
        }
    }
    return open;
}

} // namespace

void TestStartup::initTestCase()
{
    corvanel::app::configureApplication();
}

void TestStartup::cleanup()
{
    // Deleting a window deletes its menus too, so watch every one.
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        windows.append(widget);
    }
    for (const QPointer<QWidget>& widget : windows) {
        delete widget.data();
    }
}

void TestStartup::startShowsTheMainWindowCentred()
{
    FakePlatform fakes;
    QCOMPARE(corvanel::app::installTranslations({QStringLiteral("en-GB")}), QString());
    QPointer<MainWindow> window = startCorvanel(fakes.platform);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    // An English start at scale 1 reads nothing set apart for later, so none of it is mapped.
    QVERIFY(!QFileInfo::exists(QStringLiteral(":/i18n")));
    QVERIFY(window->devicePixelRatio() != 1 || !QFileInfo::exists(QStringLiteral(":/art/author")));
    // Its pictures are all PNGs, read as such: no image-format plugin (nor Qt SVG) was loaded.
    QFile maps(QStringLiteral("/proc/self/maps"));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    QVERIFY(!maps.readAll().contains("/imageformats/"));
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(fakes.dialogs.messages.isEmpty());
    const QPoint centre = window->screen()->availableGeometry().center();
    QVERIFY(qAbs(window->frameGeometry().center().x() - centre.x()) <= 1);
    QVERIFY(qAbs(window->frameGeometry().center().y() - centre.y()) <= 1);
    QCOMPARE(openWindows().size(), 1);
}

void TestStartup::failedLoad_data()
{
    QTest::addColumn<QList<MessageResult>>("answers");
    QTest::addColumn<bool>("windowShown");
    QTest::addColumn<int>("loads");
    QTest::newRow("abort") << QList {MessageResult::Abort} << false << 1;
    QTest::newRow("retry then it loads") << QList {MessageResult::Retry} << true << 2;
    QTest::newRow("ignore") << QList {MessageResult::Ignore} << false << 1;
}

void TestStartup::failedLoad()
{
    QFETCH(QList<MessageResult>, answers);
    QFETCH(bool, windowShown);
    QFETCH(int, loads);
    FakePlatform fakes;
    fakes.dialogs.answers = answers;
    int attempts = 0;
    MainWindow* window = startCorvanel(fakes.platform, [&](corvanel::platform::Platform& platform) {
        if (++attempts == 1) {
            throw RunTimeError(7, QStringLiteral("Out of memory"));
        }
        return new MainWindow(platform);
    });
    QCOMPARE(attempts, loads);
    QCOMPARE(window != nullptr, windowShown);
    QCOMPARE(openWindows().size(), windowShown ? 1 : 0);
    QCOMPARE(fakes.dialogs.messages.size(), 1);
    QCOMPARE(fakes.dialogs.messages[0].text,
             QStringLiteral("Error 7: Out of memory\r\nin Main\r\nThe error occured at line: 1"));
}

void TestStartup::closingTheMainWindowClosesTheOthersAndEndsTheProgram_data()
{
    QTest::addColumn<bool>("byExitCommand");
    QTest::newRow("close box") << false;
    QTest::newRow("File > Exit") << true;
}

void TestStartup::closingTheMainWindowClosesTheOthersAndEndsTheProgram()
{
    QFETCH(bool, byExitCommand);
    FakePlatform fakes;
    QPointer<MainWindow> window = startCorvanel(fakes.platform);
    QVERIFY(window);
    auto* other = new QWidget;
    other->setObjectName(QStringLiteral("FrmKey"));
    other->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<QWidget> otherWatch = other;
    other->show();
    QCOMPARE(openWindows().size(), 2);

    QTimer::singleShot(0, window, [&] {
        if (byExitCommand) {
            TRIGGER_ACTION(*window, "mnuExit");
        } else {
            window->close();
        }
    });
    // A safety net: the event loop must end by itself, well before this fires.
    QTimer safety;
    bool timedOut = false;
    connect(&safety, &QTimer::timeout, qApp, [&] {
        timedOut = true;
        QApplication::exit(1);
    });
    safety.start(5000);
    QElapsedTimer clock;
    clock.start();
    const int code = QApplication::exec();
    QVERIFY(!timedOut);
    QCOMPARE(code, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window);
    QVERIFY(!otherWatch);
    QCOMPARE(openWindows().size(), 0);
}

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
