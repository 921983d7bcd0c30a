#include "fakes/FakeDialogs.h"
#include "fakes/FakeNetwork.h"
#include "update/CheckForUpdate.h"

#include <QTest>

using corvanel::platform::MessageButtons;
using corvanel::platform::MessageIcon;
using corvanel::test::FakeConnectivity;
using corvanel::test::FakeDialogs;
using corvanel::test::FakeHttpClient;
using corvanel::update::CheckForUpdate;

/** The check's decisions, with the network and the boxes replaced by fakes. */
class TestCheckForUpdate : public QObject
{
    Q_OBJECT

private slots:
    void notConnectedSaysSoAndFetchesNothing();
    void answersFromTheFetchedText_data();
    void answersFromTheFetchedText();
    void failedFetchIsSilent();
    void fetchesTheGivenUrlOncePerRun();
    void defaultUrlIsTheMakersVersionFile();
    void runningVersionIsMajorMinorRevision();
    void failuresNeverEscape();
};

void TestCheckForUpdate::notConnectedSaysSoAndFetchesNothing()
{
    FakeDialogs dialogs;
    FakeConnectivity connectivity(false);
    FakeHttpClient http;
    http.body = QStringLiteral("1.3.0");

    CheckForUpdate(dialogs, connectivity, http).run(nullptr);

    QCOMPARE(connectivity.calls, 1);
    QVERIFY(http.requested.isEmpty());
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, QStringLiteral("You are not connected to the Internet"));
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Connection Error"));
    QCOMPARE(dialogs.messages[0].icon, MessageIcon::None);
    QCOMPARE(dialogs.messages[0].buttons, MessageButtons::Ok);
}

void TestCheckForUpdate::answersFromTheFetchedText_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("expected"); // empty: no box at all

    const QString current = QStringLiteral("You are running the current version 1.2.1");
    QTest::newRow("same version") << QStringLiteral("1.2.1") << current;
    QTest::newRow("same with line feed") << QStringLiteral("1.2.1\n") << current;
    QTest::newRow("same after space") << QStringLiteral(" 1.2.1") << current;
    QTest::newRow("same with leading zero")
        << QStringLiteral("1.02.1") << QStringLiteral("You are running the current version 1.02.1");
    QTest::newRow("newer") << QStringLiteral("1.3.0") << QStringLiteral("An update is available to version 1.3.0");
    QTest::newRow("newer with CR LF") << QStringLiteral("1.3.0\r\n")
                                      << QStringLiteral("An update is available to version 1.3.0");
    QTest::newRow("two-digit minor") << QStringLiteral("1.10.0")
                                     << QStringLiteral("An update is available to version 1.10.0");
    QTest::newRow("major only") << QStringLiteral("2") << QStringLiteral("An update is available to version 2");
    QTest::newRow("older") << QStringLiteral("1.2.0") << QString();
    QTest::newRow("shorter older") << QStringLiteral("1.2") << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("markup") << QStringLiteral("<b>9.9.9</b>") << QString();
    QTest::newRow("error page") << QStringLiteral("<html><body>Not Found</body></html>") << QString();
    QTest::newRow("binary") << QString::fromLatin1("\x7f\x45LF\x02\x01", 6) << QString();
}

void TestCheckForUpdate::answersFromTheFetchedText()
{
    QFETCH(QString, body);
    QFETCH(QString, expected);

    FakeDialogs dialogs;
    FakeConnectivity connectivity;
    FakeHttpClient http;
    http.body = body;

    CheckForUpdate(dialogs, connectivity, http).run(nullptr);

    QCOMPARE(http.requested.size(), 1);
    if (expected.isEmpty()) {
        QVERIFY(dialogs.messages.isEmpty());
        return;
    }
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, expected);
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Corvanel"));
    QCOMPARE(dialogs.messages[0].icon, MessageIcon::None);
    QCOMPARE(dialogs.messages[0].buttons, MessageButtons::Ok);
}

void TestCheckForUpdate::failedFetchIsSilent()
{
    FakeDialogs dialogs;
    FakeConnectivity connectivity;
    FakeHttpClient http; // answers with a failure

    CheckForUpdate(dialogs, connectivity, http).run(nullptr);

    QCOMPARE(http.requested.size(), 1);
    QVERIFY(dialogs.messages.isEmpty());
}

void TestCheckForUpdate::fetchesTheGivenUrlOncePerRun()
{
    FakeDialogs dialogs;
    FakeConnectivity connectivity;
    FakeHttpClient http;
    const QUrl url(QStringLiteral("http://127.0.0.1:8/v.txt"));
    CheckForUpdate check(dialogs, connectivity, http, url);

    check.run(nullptr);
    check.run(nullptr);

    // Nothing is remembered between runs: each asks and fetches afresh.
    QCOMPARE(connectivity.calls, 2);
    QCOMPARE(http.requested, (QList<QUrl> {url, url}));
}

void TestCheckForUpdate::defaultUrlIsTheMakersVersionFile()
{
    FakeDialogs dialogs;
    FakeConnectivity connectivity;
    FakeHttpClient http; // a fake: nothing leaves the machine

    CheckForUpdate(dialogs, connectivity, http).run(nullptr);

    QCOMPARE(http.requested, QList<QUrl> {QUrl(QStringLiteral("http://www.dranwick.example/Corvanelversion.txt"))});
}

void TestCheckForUpdate::runningVersionIsMajorMinorRevision()
{
    // The file version is 1.2.0.1; the build number (0) is left out.
    QCOMPARE(CheckForUpdate::runningVersion(), QStringLiteral("1.2.1"));
}

void TestCheckForUpdate::failuresNeverEscape()
{
    FakeDialogs dialogs;
    FakeConnectivity connectivity;
    FakeHttpClient http;

    connectivity.throws = true;
    CheckForUpdate(dialogs, connectivity, http).run(nullptr);
    QVERIFY(http.requested.isEmpty());
    QVERIFY(dialogs.messages.isEmpty());

    connectivity.throws = false;
    http.throws = true;
    CheckForUpdate(dialogs, connectivity, http).run(nullptr);
    QCOMPARE(http.requested.size(), 1);
    QVERIFY(dialogs.messages.isEmpty());

    http.throws = false;
    http.body = QStringLiteral("1.3.0");
    dialogs.onMessage = [](const corvanel::platform::MessageSpec&) { throw std::runtime_error("No display"); };
    CheckForUpdate(dialogs, connectivity, http).run(nullptr);
    QCOMPARE(dialogs.messages.size(), 1);
}

QTEST_GUILESS_MAIN(TestCheckForUpdate)
#include "TestCheckForUpdate.moc"
