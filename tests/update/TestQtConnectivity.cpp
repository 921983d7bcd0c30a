#include "qtservices/QtConnectivity.h"

#include <QTest>

#include <optional>

using corvanel::platform::QtConnectivity;
using Reachability = QNetworkInformation::Reachability;

Q_DECLARE_METATYPE(std::optional<bool>)

/** The connection test. Its answer depends on the machine, so only its reading of a verdict is pinned down. */
class TestQtConnectivity : public QObject
{
    Q_OBJECT

private slots:
    void readsTheMonitorsVerdict_data();
    void readsTheMonitorsVerdict();
    void answersOnThisMachine();
};

void TestQtConnectivity::readsTheMonitorsVerdict_data()
{
    QTest::addColumn<Reachability>("reachability");
    QTest::addColumn<std::optional<bool>>("connected");

    QTest::newRow("online") << Reachability::Online << std::optional<bool>(true);
    QTest::newRow("site") << Reachability::Site << std::optional<bool>(true);
    QTest::newRow("local") << Reachability::Local << std::optional<bool>(false);
    QTest::newRow("disconnected") << Reachability::Disconnected << std::optional<bool>(false);
    QTest::newRow("unknown: ask the interfaces") << Reachability::Unknown << std::optional<bool>();
}

void TestQtConnectivity::readsTheMonitorsVerdict()
{
    QFETCH(Reachability, reachability);
    QFETCH(std::optional<bool>, connected);
    QCOMPARE(QtConnectivity::fromReachability(reachability), connected);
}

void TestQtConnectivity::answersOnThisMachine()
{
    QtConnectivity connectivity;
    const bool first = connectivity.isConnected();
    const bool second = connectivity.isConnected();
    const bool interfaces = QtConnectivity::hasUsableInterface();
    const QNetworkInformation* monitor = QNetworkInformation::instance();
    qInfo("connected: %d then %d; monitor: %s (%d); usable interface: %d", first, second,
          monitor ? qPrintable(monitor->backendName()) : "none", monitor ? int(monitor->reachability()) : -1,
          interfaces);
    // Without a monitor's verdict the answer is the interfaces' answer.
    if (!monitor || monitor->reachability() == Reachability::Unknown) {
        QCOMPARE(second, interfaces);
    }
}

QTEST_GUILESS_MAIN(TestQtConnectivity)
#include "TestQtConnectivity.moc"
