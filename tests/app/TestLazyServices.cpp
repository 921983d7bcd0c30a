#include "../update/LoopbackHttpServer.h"
#include "platform_qt/LazyServices.h"

#include <QFile>
#include <QTest>

using corvanel::platform::LazyConnectivity;
using corvanel::platform::LazyHttpClient;
using corvanel::platform::LazyPrinting;
using corvanel::test::LoopbackHttpServer;
using corvanel::test::LoopbackResponse;

/**
 * The services load the Qt services module on first use, from beside the program;
 * built twice, once with the module beside it and once without.
 */
class TestLazyServices : public QObject
{
    Q_OBJECT

private slots:
    void theModuleIsLoadedOnFirstUse();
};

namespace {

bool moduleLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libcorvanel-qt-services.so");
}

} // namespace

void TestLazyServices::theModuleIsLoadedOnFirstUse()
{
    const bool beside = CORVANEL_MODULE_BESIDE;
    LoopbackHttpServer server;
    QVERIFY(server.isListening());
    server.setResponse(QStringLiteral("/Corvanelversion.txt"), LoopbackResponse::text("1.2.1"));

    LazyPrinting printing;
    LazyHttpClient http;
    LazyConnectivity connectivity;
    QVERIFY(!moduleLoaded());

    const std::optional<QString> body = http.get(server.url(QStringLiteral("/Corvanelversion.txt")));
    QCOMPARE(moduleLoaded(), beside);
    QCOMPARE(body, beside ? std::optional<QString>(QStringLiteral("1.2.1")) : std::nullopt);
    QCOMPARE(server.requestedPaths().size(), beside ? 1 : 0);
    if (!beside) {
        // Without the module the services fail as a missing network and printer do.
        QVERIFY(!connectivity.isConnected());
        QVERIFY(!printing.beginDocument());
        QVERIFY(!printing.printLine(QStringLiteral("Hydrogen")));
        QVERIFY(!printing.endDocument());
        QCOMPARE(printing.copies(), 1);
        // The dialog is passed, so the command reports the printer it cannot open.
        QCOMPARE(printing.showPrinter(nullptr), corvanel::platform::PrintDialogOutcome::Confirmed);
        QCOMPARE(printing.outputFile(), QString());
        QVERIFY(!printing.chooseOutputFile(nullptr));
    }
}

QTEST_MAIN(TestLazyServices)
#include "TestLazyServices.moc"
