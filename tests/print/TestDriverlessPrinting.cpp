#include "DriverlessPrinter.h"
#include "PrintWindow.h"
#include "app/ApplicationSetup.h"
#include "qtservices/QtPrinting.h"
#include "support/TriggerAction.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <memory>

using corvanel::platform::QtPrinting;
using corvanel::test::DriverlessPrinter;

/**
 * The print commands against a network printer that CUPS found through DNS-SD and keeps no queue for (see
 * DriverlessPrinter.h). One printer, window and printer setting for the whole run, as in a user's session.
 */
class TestDriverlessPrinting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
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
        m_window = std::make_unique<corvanel::test::PrintWindow>(*m_printing);
        QVERIFY(m_window->showWithSodium());
    }

    void reportPrintsOnTheFirstTry()
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

    void chartPrintsAfterTheTemporaryQueueIsGone()
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

private:
    /** Prints through @p action and checks that one more document reached the printer. */
    void printsOneDocument(const QString& action)
    {
        // Listed, but no queue yet: CUPS makes one only when a job asks.
        QVERIFY(DriverlessPrinter::isListed());
        QVERIFY(!DriverlessPrinter::hasQueue());
        const qsizetype before = m_printer.received().size();
        TRIGGER_ACTION(m_window->window, action);
        const auto& messages = m_window->fakes.dialogs.messages;
        QVERIFY2(messages.isEmpty(), qPrintable(messages.value(0).text));
        // Every job done with, printed or not, before the document is looked at: the printer takes its time.
        const auto jobs = m_printer.cups().jobs(QString::fromLatin1(DriverlessPrinter::kName), 90000);
        QVERIFY(!jobs.isEmpty());
        QVERIFY(jobs.last().completed);
        const QStringList received = m_printer.received();
        QCOMPARE(received.size(), before + 1);
        QFile document(received.last());
        QVERIFY(document.open(QIODevice::ReadOnly));
        QVERIFY(document.read(5) == "%PDF-");
    }

    // Destroyed in reverse: the window first, the printer (and its servers) last.
    DriverlessPrinter m_printer;
    std::unique_ptr<QtPrinting> m_printing;
    std::unique_ptr<corvanel::test::PrintWindow> m_window;
};

QTEST_MAIN(TestDriverlessPrinting)
#include "TestDriverlessPrinting.moc"
