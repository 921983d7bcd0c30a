#include "../update/LoopbackHttpServer.h"
#include "platform_qt/LazyServices.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using corvanel::platform::LazyConnectivity;
using corvanel::platform::LazyHttpClient;
using corvanel::platform::LazyPrinting;
using corvanel::test::LoopbackHttpServer;
using corvanel::test::LoopbackResponse;

/**
 * The services load the Qt services plugin on first use, from the program's plugin
 * folder; built with the plugin beside it, without, and with a plugin of another
 * version beside it. The first also runs from an installed tree, where the plugin
 * lies in the library folder.
 */
class TestLazyServices : public QObject
{
    Q_OBJECT

private slots:
    void theModuleIsLoadedOnFirstUse();
};

namespace {

/** Whether the plugin is loaded, from the tree the program lies in (its folder's parent). */
bool moduleLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QString tree = QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/..")).canonicalPath() + u'/';
    const QStringList lines = QString::fromLocal8Bit(maps.readAll()).split(u'\n');
    return std::any_of(lines.begin(), lines.end(), [&tree](const QString& line) {
        const QString path = line.section(u' ', -1);
        return path.endsWith(QStringLiteral("/libcorvanel-qt-services.so")) && path.startsWith(tree);
    });
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
#ifdef CORVANEL_STALE_PLUGIN
    // Refused on its id alone, before any of its code is loaded, and the log says why.
    QTest::ignoreMessage(
        QtWarningMsg,
        QRegularExpression(QStringLiteral("made for example.dranwick.corvanel.QtServices/1.1.0.0, not .*/1.2.0.1")));
#endif

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
