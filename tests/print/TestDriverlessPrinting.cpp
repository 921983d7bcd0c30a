#include "DriverlessPrinter.h"
#include "app/ApplicationSetup.h"
#include "fakes/FakePlatform.h"
#include "platform/qt/QtPrinting.h"
#include "support/TriggerAction.h"
#include "ui/controls/PowerButton.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <memory>

using corvanel::platform::QtPrinting;
using corvanel::test::DriverlessPrinter;
using corvanel::test::FakePlatform;
using corvanel::ui::MainWindow;

/**
 * The print commands against a network printer that CUPS found through DNS-SD
 * and keeps no queue for (see DriverlessPrinter.h). One printer, window and
 * printer setting for the whole run, as in a user's session.
 */
class TestDriverlessPrinting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void reportPrintsOnTheFirstTry();
    void chartPrintsAfterTheTemporaryQueueIsGone();

private:
    /** Prints through @p action and checks that one more document reached the printer. */
    void printsOneDocument(const QString& action);

    DriverlessPrinter m_printer;
    std::unique_ptr<FakePlatform> m_fakes;
    std::unique_ptr<QtPrinting> m_printing;
    std::unique_ptr<corvanel::platform::Platform> m_platform;
    std::unique_ptr<MainWindow> m_window;
};

void TestDriverlessPrinting::initTestCase()
{
    corvanel::app::configureApplication();
    QElapsedTimer started;
    started.start();
    const QString error = m_printer.start();
    if (!error.isEmpty()) {
        QSKIP(qPrintable(QStringLiteral("no private network printer: ") + error));
    }
    qInfo("network printer, avahi and cupsd ready in %lld ms", static_cast<long long>(started.elapsed()));

    // The print dialog's stand-in picks the printer as Qt's dialog preselects it.
    m_printing = std::make_unique<QtPrinting>([](QPrinter& printer, QWidget*) {
        printer.setPrinterName(QString::fromLatin1(DriverlessPrinter::kName));
        return true;
    });
    m_fakes = std::make_unique<FakePlatform>();
    m_platform = std::make_unique<corvanel::platform::Platform>(corvanel::platform::Platform {
        m_fakes->dialogs, m_fakes->urls, m_fakes->connectivity, m_fakes->http, *m_printing});
    m_window = std::make_unique<MainWindow>(*m_platform);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->elementButton(11)->click();
}

void TestDriverlessPrinting::cleanupTestCase()
{
    m_window.reset();
    m_printing.reset();
    m_printer.stop();
}

void TestDriverlessPrinting::printsOneDocument(const QString& action)
{
    // Listed, but no queue yet: CUPS makes one only when a job asks.
    QVERIFY(DriverlessPrinter::isListed());
    QVERIFY(!DriverlessPrinter::hasQueue());
    const qsizetype before = m_printer.received().size();
    TRIGGER_ACTION(*m_window, action);
    QVERIFY2(m_fakes->dialogs.messages.isEmpty(), qPrintable(m_fakes->dialogs.messages.value(0).text));
    // Every job is done with (printed or not) before its document is looked at; the printer takes its
    // time, as a real one does.
    const auto jobs = m_printer.cups().jobs(QString::fromLatin1(DriverlessPrinter::kName), 90000);
    QVERIFY(!jobs.isEmpty());
    QVERIFY(jobs.last().completed);
    const QStringList received = m_printer.received();
    QCOMPARE(received.size(), before + 1);
    QFile document(received.last());
    QVERIFY(document.open(QIODevice::ReadOnly));
    QVERIFY(document.read(5) == "%PDF-");
}

void TestDriverlessPrinting::reportPrintsOnTheFirstTry()
{
    printsOneDocument(QStringLiteral("mnuPInfo"));
    if (QTest::currentTestFailed()) {
        return;
    }
    // What CUPS did for the first job, for whoever reads the test's output.
    const QString access = m_printer.cups().log(QStringLiteral("access_log"));
    qInfo("%s", qPrintable(access));
    QVERIFY(access.contains(QStringLiteral("CUPS-Create-Local-Printer successful-ok")));
}

void TestDriverlessPrinting::chartPrintsAfterTheTemporaryQueueIsGone()
{
    // CUPS removes a temporary queue about a minute after its last job.
    const QDeadlineTimer deadline(180000);
    QElapsedTimer waited;
    waited.start();
    while (DriverlessPrinter::hasQueue() && !deadline.hasExpired()) {
        QTest::qWait(1000);
    }
    qInfo("the temporary queue was gone after %lld s", static_cast<long long>(waited.elapsed() / 1000));
    printsOneDocument(QStringLiteral("mnuPChart"));
}

QTEST_MAIN(TestDriverlessPrinting)
#include "TestDriverlessPrinting.moc"
