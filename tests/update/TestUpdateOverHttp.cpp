#include "LoopbackHttpServer.h"
#include "controls/PowerButton.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeNetwork.h"
#include "qtservices/QtHttpClient.h"
#include "update/CheckForUpdate.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

using corvanel::platform::MessageButtons;
using corvanel::platform::MessageIcon;
using corvanel::platform::QtHttpClient;
using corvanel::test::FakeConnectivity;
using corvanel::test::FakeDialogs;
using corvanel::test::LoopbackHttpServer;
using corvanel::test::LoopbackResponse;
using corvanel::update::CheckForUpdate;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(corvanel::test::LoopbackResponse)

namespace {

const QString kPath = QStringLiteral("/Corvanelversion.txt");
constexpr auto kShortTimeout = 1500ms;
constexpr qint64 kMarginMs = 1500;

/** A widget that counts how often it is painted. */
class PaintCounter : public QWidget
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

} // namespace

/** The whole update check: real HTTP client, real server on 127.0.0.1, boxes recorded by a fake. */
class TestUpdateOverHttp : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void answersWhatTheServerPublishes_data();
    void answersWhatTheServerPublishes();
    void hugeBodyIsSilentAndNotReadToTheEnd();
    void slowServersAreSilentWithinTheTimeout_data();
    void slowServersAreSilentWithinTheTimeout();
    void refusedConnectionIsSilent();
    void notConnectedSendsNoRequest();
    void windowPaintsButTakesNoClickDuringTheWait();

private:
    std::unique_ptr<LoopbackHttpServer> m_server;
};

void TestUpdateOverHttp::init()
{
    m_server = std::make_unique<LoopbackHttpServer>();
    QVERIFY(m_server->isListening());
}

void TestUpdateOverHttp::cleanup()
{
    m_server.reset();
}

void TestUpdateOverHttp::answersWhatTheServerPublishes_data()
{
    QTest::addColumn<LoopbackResponse>("response");
    QTest::addColumn<QString>("expected"); // empty: no box at all

    const QString current = QStringLiteral("You are running the current version 1.2.1");
    QTest::newRow("1.2.1") << LoopbackResponse::text("1.2.1") << current;
    QTest::newRow("1.2.1 and line feed") << LoopbackResponse::text("1.2.1\n") << current;
    QTest::newRow("space and 1.2.1") << LoopbackResponse::text(" 1.2.1") << current;
    QTest::newRow("1.3.0") << LoopbackResponse::text("1.3.0")
                           << QStringLiteral("An update is available to version 1.3.0");
    QTest::newRow("1.2.0") << LoopbackResponse::text("1.2.0") << QString();
    QTest::newRow("1.10.0") << LoopbackResponse::text("1.10.0")
                            << QStringLiteral("An update is available to version 1.10.0");
    QTest::newRow("1.2") << LoopbackResponse::text("1.2") << QString();
    QTest::newRow("2") << LoopbackResponse::text("2") << QStringLiteral("An update is available to version 2");
    QTest::newRow("404 with 1.3.0") << LoopbackResponse::text("1.3.0", 404) << QString();
    QTest::newRow("markup") << LoopbackResponse::text("<b>9.9.9</b>") << QString();
    QTest::newRow("empty") << LoopbackResponse::text(QByteArray()) << QString();
    QTest::newRow("binary") << LoopbackResponse::text(QByteArray("\x00\xff\xfe"
                                                                 "1.3.0",
                                                                 8))
                            << QString();
}

void TestUpdateOverHttp::answersWhatTheServerPublishes()
{
    QFETCH(LoopbackResponse, response);
    QFETCH(QString, expected);
    m_server->setResponse(kPath, response);

    FakeDialogs dialogs;
    FakeConnectivity connectivity;
    QtHttpClient http;
    CheckForUpdate(dialogs, connectivity, http, m_server->url(kPath)).run(nullptr);

    QCOMPARE(m_server->requestedPaths(), QStringList {kPath});
    if (expected.isEmpty()) {
        QCOMPARE(dialogs.messages.size(), 0);
        return;
    }
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, expected);
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Corvanel"));
    QCOMPARE(dialogs.messages[0].icon, MessageIcon::None);
    QCOMPARE(dialogs.messages[0].buttons, MessageButtons::Ok);
}

void TestUpdateOverHttp::hugeBodyIsSilentAndNotReadToTheEnd()
{
    // 5 MiB of "1": a version-looking text far too large to be one.
    LoopbackResponse response = LoopbackResponse::text(QByteArray(64 * 1024, '1'));
    response.bodyRepeats = 80;
    response.sendContentLength = false;
    m_server->setResponse(kPath, response);

    FakeDialogs dialogs;
    FakeConnectivity connectivity;
    QtHttpClient http;
    CheckForUpdate(dialogs, connectivity, http, m_server->url(kPath)).run(nullptr);

    QCOMPARE(dialogs.messages.size(), 0);
    QTRY_VERIFY(m_server->clientLeftEarly());
    QVERIFY(!m_server->bodyCompleted());
}

void TestUpdateOverHttp::slowServersAreSilentWithinTheTimeout_data()
{
    QTest::addColumn<LoopbackResponse>("response");
    QTest::newRow("never answers") << LoopbackResponse::silent();
    QTest::newRow("one byte every half second") << LoopbackResponse::trickle();
}

void TestUpdateOverHttp::slowServersAreSilentWithinTheTimeout()
{
    QFETCH(LoopbackResponse, response);
    m_server->setResponse(kPath, response);

    FakeDialogs dialogs;
    FakeConnectivity connectivity;
    QtHttpClient http(kShortTimeout);
    QElapsedTimer clock;
    clock.start();
    CheckForUpdate(dialogs, connectivity, http, m_server->url(kPath)).run(nullptr);
    const qint64 took = clock.elapsed();

    QCOMPARE(dialogs.messages.size(), 0);
    QCOMPARE(m_server->requestedPaths().size(), 1);
    QVERIFY2(took < 1500 + kMarginMs, qPrintable(QStringLiteral("took %1 ms").arg(took)));
}

void TestUpdateOverHttp::refusedConnectionIsSilent()
{
    FakeDialogs dialogs;
    FakeConnectivity connectivity;
    QtHttpClient http(kShortTimeout);
    const QUrl url(QStringLiteral("http://127.0.0.1:%1/Corvanelversion.txt").arg(LoopbackHttpServer::closedPort()));

    CheckForUpdate(dialogs, connectivity, http, url).run(nullptr);

    QCOMPARE(dialogs.messages.size(), 0);
}

void TestUpdateOverHttp::notConnectedSendsNoRequest()
{
    m_server->setResponse(kPath, LoopbackResponse::text("1.3.0"));

    FakeDialogs dialogs;
    FakeConnectivity connectivity(false);
    QtHttpClient http;
    CheckForUpdate(dialogs, connectivity, http, m_server->url(kPath)).run(nullptr);

    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, QStringLiteral("You are not connected to the Internet"));
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Connection Error"));
    QCOMPARE(dialogs.messages[0].icon, MessageIcon::None);
    QCOMPARE(dialogs.messages[0].buttons, MessageButtons::Ok);
    // Give a stray connection time to show up.
    QTest::qWait(200);
    QCOMPARE(m_server->connectionCount(), 0);
}

void TestUpdateOverHttp::windowPaintsButTakesNoClickDuringTheWait()
{
    LoopbackResponse response = LoopbackResponse::text("1.3.0");
    response.delayMs = 1200;
    m_server->setResponse(kPath, response);

    PaintCounter window;
    auto* button = new corvanel::ui::PowerButton(&window);
    button->setObjectName(QStringLiteral("CmdNa"));
    button->setText(QStringLiteral("Na"));
    button->setGeometry(10, 10, 40, 40);
    window.resize(200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    bool checking = false;
    int clicksDuringCheck = 0;
    int clicksAfterCheck = 0;
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [&] { ++(checking ? clicksDuringCheck : clicksAfterCheck); });

    QTimer repaint;
    QObject::connect(&repaint, &QTimer::timeout, &window, [&window] { window.update(); });
    repaint.start(50);

    int paintsAtStart = 0;
    QTimer::singleShot(100, button, [&] {
        paintsAtStart = window.paints;
        // A click as a tool would synthesise it, posted while the fetch is waiting.
        const QPointF at(20, 20);
        const QPointF global = button->mapToGlobal(at);
        QCoreApplication::postEvent(
            button,
            new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(
            button,
            new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    });

    FakeDialogs dialogs;
    FakeConnectivity connectivity;
    QtHttpClient http;
    int paintsAtAnswer = 0;
    dialogs.onMessage = [&](const corvanel::platform::MessageSpec&) { paintsAtAnswer = window.paints; };

    checking = true;
    CheckForUpdate(dialogs, connectivity, http, m_server->url(kPath)).run(&window);
    checking = false;

    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, QStringLiteral("An update is available to version 1.3.0"));
    // About 20 repaints were asked for during the wait; some must have happened.
    qInfo("painted %d times during the wait", paintsAtAnswer - paintsAtStart);
    QVERIFY(paintsAtAnswer - paintsAtStart >= 5);
    QCOMPARE(clicksDuringCheck, 0);
    // The click was held back, not lost.
    QTRY_COMPARE(clicksAfterCheck, 1);
}

QTEST_MAIN(TestUpdateOverHttp)
#include "TestUpdateOverHttp.moc"
