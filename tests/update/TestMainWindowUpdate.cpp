#include "LoopbackHttpServer.h"
#include "app/ApplicationSetup.h"
#include "fakes/FakePlatform.h"
#include "main_window/MainWindow.h"
#include "qtservices/QtHttpClient.h"
#include "support/TriggerAction.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <memory>

using corvanel::platform::MessageIcon;
using corvanel::test::FakePlatform;
using corvanel::test::LoopbackHttpServer;
using corvanel::test::LoopbackResponse;
using corvanel::ui::MainWindow;

namespace {

/**
 * The real client, with every request for the maker's version file sent to the
 * loopback server instead, so the window's own check runs end to end offline.
 */
class LoopbackRedirect : public corvanel::platform::HttpClient
{
public:
    explicit LoopbackRedirect(LoopbackHttpServer& server)
        : m_server(server)
        , m_client(std::chrono::milliseconds(3000))
    {
    }

    std::optional<QString> get(const QUrl& url) override
    {
        asked.append(url);
        return m_client.get(m_server.url(url.path()));
    }

    QList<QUrl> asked;

private:
    LoopbackHttpServer& m_server;
    corvanel::platform::QtHttpClient m_client;
};

/** Counts the paint events its watched widget receives. */
class PaintCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

} // namespace

class TestMainWindowUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void checkFromTheHelpMenu();
    void windowPaintsButTakesNoInputDuringTheWait();
};

void TestMainWindowUpdate::initTestCase()
{
    corvanel::app::configureApplication();
}

void TestMainWindowUpdate::checkFromTheHelpMenu()
{
    LoopbackHttpServer server;
    QVERIFY(server.isListening());
    server.setResponse(QStringLiteral("/Corvanelversion.txt"), LoopbackResponse::text("1.3.0\r\n"));
    FakePlatform fakes;
    LoopbackRedirect http(server);
    corvanel::platform::Platform platform {fakes.dialogs, fakes.urls, fakes.connectivity, http, fakes.printing};
    MainWindow window(platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QTest::keyClick(window.findChild<QWidget*>(QStringLiteral("CmdO")), Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(http.asked, QList<QUrl> {QUrl(QStringLiteral("http://www.dranwick.example/Corvanelversion.txt"))});
    QCOMPARE(server.requestedPaths(), QStringList {QStringLiteral("/Corvanelversion.txt")});
    QCOMPARE(fakes.dialogs.messages.size(), 1);
    QCOMPARE(fakes.dialogs.messages[0].text, QStringLiteral("An update is available to version 1.3.0"));
    QCOMPARE(fakes.dialogs.messages[0].title, QStringLiteral("Corvanel"));
    QCOMPARE(fakes.dialogs.messages[0].icon, MessageIcon::None);

    // Offline: the connection box, and nothing is asked of the network.
    fakes.connectivity.connected = false;
    TRIGGER_ACTION(window, "MnuCheckUpdate");
    QCOMPARE(http.asked.size(), 1);
    QCOMPARE(fakes.dialogs.messages.size(), 2);
    QCOMPARE(fakes.dialogs.messages[1].text, QStringLiteral("You are not connected to the Internet"));
    QCOMPARE(fakes.dialogs.messages[1].title, QStringLiteral("Connection Error"));
}

void TestMainWindowUpdate::windowPaintsButTakesNoInputDuringTheWait()
{
    LoopbackHttpServer server;
    LoopbackResponse slow = LoopbackResponse::text("1.2.1");
    slow.delayMs = 1200;
    server.setResponse(QStringLiteral("/Corvanelversion.txt"), slow);
    FakePlatform fakes;
    LoopbackRedirect http(server);
    corvanel::platform::Platform platform {fakes.dialogs, fakes.urls, fakes.connectivity, http, fakes.printing};
    MainWindow window(platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QWidget* sodium = window.findChild<QWidget*>(QStringLiteral("CmdNa"));
    QLabel* name = window.findChild<QLabel*>(QStringLiteral("LblsAA"));
    PaintCounter paints;
    name->installEventFilter(&paints);
    QString nameDuringWait;
    int paintsDuringWait = -1;
    QTimer::singleShot(300, &window, [&] {
        // A real click through the window system, and a repaint request.
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, sodium->mapTo(&window, sodium->rect().center()));
        // A screen reader's press reaches a control directly, past the held window-system input.
        for (const char* control : {"CmdFe", "CmdKey"}) {
            QAccessibleInterface* accessible
                = QAccessible::queryAccessibleInterface(window.findChild<QWidget*>(QString::fromLatin1(control)));
            accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        paints.count = 0;
        name->update();
    });
    QTimer::singleShot(700, &window, [&] {
        nameDuringWait = name->text();
        paintsDuringWait = paints.count;
    });

    TRIGGER_ACTION(window, "MnuCheckUpdate");
    QVERIFY(paintsDuringWait > 0);
    QCOMPARE(nameDuringWait, QStringLiteral("?"));
    // Nothing pressed during the wait acts afterwards either: no iron, no Key window.
    QTest::qWait(300);
    QVERIFY(name->text() != QStringLiteral("Iron"));
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(windows.begin(), windows.end(),
                         [](const QWidget* w) { return w->objectName() == QStringLiteral("FrmKey"); }));
    QCOMPARE(fakes.dialogs.messages.size(), 1);
    QCOMPARE(fakes.dialogs.messages[0].text, QStringLiteral("You are running the current version 1.2.1"));
}

QTEST_MAIN(TestMainWindowUpdate)
#include "TestMainWindowUpdate.moc"
