#include "LoopbackHttpServer.h"
#include "qtservices/QtHttpClient.h"

#include <QElapsedTimer>
#include <QTest>

#include <memory>

using corvanel::platform::QtHttpClient;
using corvanel::test::LoopbackHttpServer;
using corvanel::test::LoopbackResponse;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(corvanel::test::LoopbackResponse)

namespace {

const QString kPath = QStringLiteral("/Corvanelversion.txt");
constexpr auto kShortTimeout = 1500ms;
// Generous, for a loaded machine and sanitizer builds.
constexpr qint64 kMarginMs = 1500;
const QString kNoBody = QStringLiteral("<no body>");

/** The fetched text, or a marker for a failure, so a mismatch prints readably. */
QString shown(const std::optional<QString>& body)
{
    return body.value_or(kNoBody);
}

} // namespace

/** The real HTTP client against a real server on 127.0.0.1. */
class TestQtHttpClient : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void returnsTheBodyOfAGet();
    void decodesUtf8AndDropsAByteOrderMark();
    void errorStatusIsAFailure_data();
    void errorStatusIsAFailure();
    void emptySuccessIsAnEmptyText();
    void followsFiveRedirectsButNoMore();
    void acceptsABodyOfExactlyTheLimit();
    void refusesABodyOverTheLimit_data();
    void refusesABodyOverTheLimit();
    void stopsReadingALongBodyEarly_data();
    void stopsReadingALongBodyEarly();
    void givesUpAtTheDeadline_data();
    void givesUpAtTheDeadline();
    void refusedConnectionIsAFailure();
    void defaultTimeoutIsOneMinute();

private:
    std::unique_ptr<LoopbackHttpServer> m_server;
};

void TestQtHttpClient::init()
{
    m_server = std::make_unique<LoopbackHttpServer>();
    QVERIFY(m_server->isListening());
}

void TestQtHttpClient::cleanup()
{
    m_server.reset();
}

void TestQtHttpClient::returnsTheBodyOfAGet()
{
    m_server->setResponse(kPath, LoopbackResponse::text("1.2.1"));

    QtHttpClient client;
    QCOMPARE(shown(client.get(m_server->url(kPath))), QStringLiteral("1.2.1"));
    QCOMPARE(m_server->requestedPaths(), QStringList {kPath});
    QCOMPARE(m_server->requestedMethods(), QList<QByteArray> {"GET"});
}

void TestQtHttpClient::decodesUtf8AndDropsAByteOrderMark()
{
    m_server->setResponse(QStringLiteral("/utf8"), LoopbackResponse::text("Gr\xc3\xbc\xc3\x9f\x65 \xe2\x82\xac"));
    m_server->setResponse(QStringLiteral("/bom"),
                          LoopbackResponse::text("\xef\xbb\xbf"
                                                 "1.3.0"));

    QtHttpClient client;
    QCOMPARE(shown(client.get(m_server->url(QStringLiteral("/utf8")))), QStringLiteral("Gr\u00fc\u00dfe \u20ac"));
    QCOMPARE(shown(client.get(m_server->url(QStringLiteral("/bom")))), QStringLiteral("1.3.0"));
}

void TestQtHttpClient::errorStatusIsAFailure_data()
{
    QTest::addColumn<int>("status");
    QTest::newRow("404") << 404;
    QTest::newRow("403") << 403;
    QTest::newRow("500") << 500;
    QTest::newRow("503") << 503;
    QTest::newRow("304 without cache") << 304;
}

void TestQtHttpClient::errorStatusIsAFailure()
{
    QFETCH(int, status);
    // An error page with a perfectly good version in it is still an error page.
    m_server->setResponse(kPath, LoopbackResponse::text("1.3.0", status));

    QtHttpClient client;
    QCOMPARE(shown(client.get(m_server->url(kPath))), kNoBody);
    QCOMPARE(m_server->requestedPaths().size(), 1);
}

void TestQtHttpClient::emptySuccessIsAnEmptyText()
{
    m_server->setResponse(kPath, LoopbackResponse::text(QByteArray()));

    QtHttpClient client;
    const std::optional<QString> body = client.get(m_server->url(kPath));
    QVERIFY(body.has_value());
    QVERIFY(body->isEmpty());
}

void TestQtHttpClient::followsFiveRedirectsButNoMore()
{
    // /r6 -> /r5 -> ... -> /r1 -> /end
    m_server->setResponse(QStringLiteral("/end"), LoopbackResponse::text("1.3.0"));
    for (int hop = 1; hop <= 6; ++hop) {
        const QByteArray next = hop == 1 ? QByteArray("/end") : "/r" + QByteArray::number(hop - 1);
        m_server->setResponse(QStringLiteral("/r%1").arg(hop), LoopbackResponse::redirect(next));
    }

    QtHttpClient client;
    QCOMPARE(shown(client.get(m_server->url(QStringLiteral("/r5")))), QStringLiteral("1.3.0"));
    // Qt now and then sends a redirected GET twice over two connections; only the hops matter here.
    QStringList hops = m_server->requestedPaths();
    hops.removeDuplicates();
    QCOMPARE(hops,
             QStringList({QStringLiteral("/r5"), QStringLiteral("/r4"), QStringLiteral("/r3"), QStringLiteral("/r2"),
                          QStringLiteral("/r1"), QStringLiteral("/end")}));

    const qsizetype before = m_server->requestedPaths().size();
    QCOMPARE(shown(client.get(m_server->url(QStringLiteral("/r6")))), kNoBody);
    hops = m_server->requestedPaths().mid(before);
    hops.removeDuplicates();
    QCOMPARE(hops,
             QStringList({QStringLiteral("/r6"), QStringLiteral("/r5"), QStringLiteral("/r4"), QStringLiteral("/r3"),
                          QStringLiteral("/r2"), QStringLiteral("/r1")}));
}

void TestQtHttpClient::acceptsABodyOfExactlyTheLimit()
{
    m_server->setResponse(kPath, LoopbackResponse::text(QByteArray(64 * 1024, 'x')));

    QtHttpClient client;
    const std::optional<QString> body = client.get(m_server->url(kPath));
    QVERIFY(body.has_value());
    QCOMPARE(body->size(), 64 * 1024);
}

void TestQtHttpClient::refusesABodyOverTheLimit_data()
{
    QTest::addColumn<bool>("sendContentLength");
    QTest::newRow("announced") << true;
    QTest::newRow("unannounced") << false;
}

void TestQtHttpClient::refusesABodyOverTheLimit()
{
    QFETCH(bool, sendContentLength);
    LoopbackResponse response = LoopbackResponse::text(QByteArray(64 * 1024 + 1, 'x'));
    response.sendContentLength = sendContentLength;
    m_server->setResponse(kPath, response);

    QtHttpClient client;
    QCOMPARE(shown(client.get(m_server->url(kPath))), kNoBody);
}

void TestQtHttpClient::stopsReadingALongBodyEarly_data()
{
    QTest::addColumn<bool>("sendContentLength");
    QTest::newRow("announced") << true;
    QTest::newRow("unannounced") << false;
}

void TestQtHttpClient::stopsReadingALongBodyEarly()
{
    QFETCH(bool, sendContentLength);
    // 5 MiB in 80 pieces of 64 KiB, each sent when the previous one has left.
    LoopbackResponse response = LoopbackResponse::text(QByteArray(64 * 1024, '1'));
    response.bodyRepeats = 80;
    response.sendContentLength = sendContentLength;
    m_server->setResponse(kPath, response);

    QtHttpClient client;
    QCOMPARE(shown(client.get(m_server->url(kPath))), kNoBody);
    QTRY_VERIFY(m_server->clientLeftEarly());
    QVERIFY(!m_server->bodyCompleted());
    qInfo("server handed over %lld of 5242880 body bytes", static_cast<long long>(m_server->bodyBytesSent()));
    QVERIFY(m_server->bodyBytesSent() < 5 * 1024 * 1024);
}

void TestQtHttpClient::givesUpAtTheDeadline_data()
{
    QTest::addColumn<LoopbackResponse>("response");
    QTest::newRow("never answers") << LoopbackResponse::silent();
    // A byte every half second never leaves the connection idle for long: only the deadline ends it.
    QTest::newRow("one byte every half second") << LoopbackResponse::trickle();
}

void TestQtHttpClient::givesUpAtTheDeadline()
{
    QFETCH(LoopbackResponse, response);
    m_server->setResponse(kPath, response);

    QtHttpClient client(kShortTimeout);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(shown(client.get(m_server->url(kPath))), kNoBody);
    const qint64 took = clock.elapsed();
    qInfo("gave up after %lld ms", static_cast<long long>(took));
    QVERIFY(took >= 1400);
    QVERIFY(took < 1500 + kMarginMs);
    QCOMPARE(m_server->requestedPaths().size(), 1);
}

void TestQtHttpClient::refusedConnectionIsAFailure()
{
    const QUrl url(QStringLiteral("http://127.0.0.1:%1/Corvanelversion.txt").arg(LoopbackHttpServer::closedPort()));

    QtHttpClient client(kShortTimeout);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(shown(client.get(url)), kNoBody);
    QVERIFY(clock.elapsed() < 1000);
}

void TestQtHttpClient::defaultTimeoutIsOneMinute()
{
    QCOMPARE(QtHttpClient().timeout(), 60000ms);
}

QTEST_GUILESS_MAIN(TestQtHttpClient)
#include "TestQtHttpClient.moc"
