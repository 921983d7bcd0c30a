#include "CupsServer.h"
#include "ExpectedReports.h"
#include "PdfTools.h"
#include "PrintWindow.h"
#include "app/ApplicationSetup.h"
#include "qtservices/QtPrinting.h"
#include "support/TriggerAction.h"

#include <QPageSize>
#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <memory>

using corvanel::platform::MessageIcon;
using corvanel::platform::QtPrinting;
using corvanel::test::CupsServer;
using corvanel::test::kSodiumReport;

namespace {

const QString kQueue = QStringLiteral("CorvanelTest");

/** What the poppler tool @p tool writes for @p arguments; fails the test when it cannot run. */
QString popplerText(const char* tool, const QStringList& arguments)
{
    QString error;
    const std::optional<QByteArray> text = corvanel::test::runPoppler(
        QString::fromLatin1(tool), QStringList {QStringLiteral("-enc"), QStringLiteral("UTF-8")} + arguments, &error);
    if (!text) {
        QTest::qFail(qPrintable(error), __FILE__, __LINE__);
    }
    return text ? QString::fromUtf8(*text) : QString();
}

} // namespace

/** The print commands against a real print server: a private cupsd with one PDF queue. */
class TestCupsPrinting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reportGoesThroughTheQueue_data();
    void reportGoesThroughTheQueue();
    void chartIsOnePage();
    void refusedJobsAreReported_data();
    void refusedJobsAreReported();

private:
    /** The one document printed since @p before, once its job has ended. */
    QString newDocument(const QStringList& before);
    void verifyFailureBox();

    CupsServer m_server;
    std::unique_ptr<QtPrinting> m_printing;
    std::unique_ptr<corvanel::test::PrintWindow> m_window;
    // What the stand-in for the print dialog chooses, and what happens once it is confirmed.
    int m_copies = 1;
    QPageSize m_paper {QPageSize::A4};
    std::function<void()> m_afterDialog;
};

void TestCupsPrinting::initTestCase()
{
    corvanel::app::configureApplication();
    const QString error = m_server.start();
    if (!error.isEmpty()) {
        QSKIP(qPrintable(QStringLiteral("no private print server: ") + error));
    }
}

void TestCupsPrinting::init()
{
    // A test that stopped the server or deleted the queue leaves them to be made again.
    QCOMPARE(m_server.start(), QString());
    QCOMPARE(m_server.addQueue(kQueue), QString());
    m_copies = 1;
    m_paper = QPageSize(QPageSize::A4);
    m_afterDialog = nullptr;
    m_printing = std::make_unique<QtPrinting>([this](QPrinter& printer, QWidget*) {
        printer.setPrinterName(kQueue);
        printer.setPageSize(m_paper);
        printer.setCopyCount(m_copies);
        if (m_afterDialog) {
            m_afterDialog();
        }
        return true;
    });
    m_printing->printer().setPrinterName(kQueue);
    QCOMPARE(m_printing->printer().outputFormat(), QPrinter::NativeFormat);
    QCOMPARE(m_printing->outputFile(), QString());
    m_window = std::make_unique<corvanel::test::PrintWindow>(*m_printing);
    QVERIFY(m_window->showWithSodium());
}

void TestCupsPrinting::cleanup()
{
    m_window.reset();
    m_printing.reset();
}

QString TestCupsPrinting::newDocument(const QStringList& before)
{
    const QList<CupsServer::Job> jobs = m_server.jobs(kQueue);
    const QStringList documents = m_server.documents();
    if (documents.size() != before.size() + 1 || jobs.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("expected one new job, have %1 documents").arg(documents.size())),
                     __FILE__, __LINE__);
        return QString();
    }
    // Every job reaching the server carries the program's name.
    [&] {
        QVERIFY(jobs.last().completed);
        QCOMPARE(jobs.last().name, QStringLiteral("Corvanel"));
        QCOMPARE(jobs.last().pdf, documents.last());
    }();
    return documents.last();
}

void TestCupsPrinting::verifyFailureBox()
{
    const auto& messages = m_window->fakes.dialogs.messages;
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].text, QStringLiteral("The document could not be printed."));
    QCOMPARE(messages[0].title, QStringLiteral("Error"));
    QCOMPARE(messages[0].icon, MessageIcon::Warning);
}

void TestCupsPrinting::reportGoesThroughTheQueue_data()
{
    QTest::addColumn<int>("copies");
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::newRow("one copy on A4") << 1 << QPageSize::A4;
    QTest::newRow("three copies on A5") << 3 << QPageSize::A5;
}

void TestCupsPrinting::reportGoesThroughTheQueue()
{
    QFETCH(int, copies);
    QFETCH(QPageSize::PageSizeId, paper);
    m_copies = copies;
    m_paper = QPageSize(paper);
    const QStringList before = m_server.documents();
    TRIGGER_ACTION(m_window->window, "mnuPInfo");
    QVERIFY(m_window->fakes.dialogs.messages.isEmpty());
    const QString pdf = newDocument(before);
    QVERIFY(!pdf.isEmpty());

    QString error;
    const std::optional<corvanel::test::PdfText> text = corvanel::test::readPdfText(pdf, &error);
    QVERIFY2(text, qPrintable(error));
    // The paper chosen in the dialog is the paper printed on.
    const QSizeF points = QPageSize(paper).size(QPageSize::Point);
    QVERIFY(qAbs(text->pageSizes[0].width() - points.width()) < 1);
    QVERIFY(qAbs(text->pageSizes[0].height() - points.height()) < 1);
    // One job holding the copies one after another: the report's non-empty lines, in order.
    QStringList expected;
    QList<int> positions;
    for (int copy = 0; copy < copies; ++copy) {
        for (int i = 0; i < kSodiumReport.size(); ++i) {
            if (!kSodiumReport[i].isEmpty()) {
                expected << kSodiumReport[i].simplified();
                positions << copy * kSodiumReport.size() + i;
            }
        }
    }
    const QList<corvanel::test::PdfLine> lines = text->lines();
    QStringList printed;
    for (const corvanel::test::PdfLine& line : lines) {
        printed << line.text;
    }
    QCOMPARE(printed, expected);
    // Exactly the report's 23 lines: on the first page every text sits on its own line slot, the empty
    // lines keeping theirs (the header is the third line, the name the fifth).
    const qreal spacing = (lines[1].top - lines[0].top) / 2;
    for (int k = 0; k < lines.size() && lines[k].page == 1; ++k) {
        QCOMPARE(qRound((lines[k].top - lines[0].top) / spacing) + positions[0], positions[k]);
    }

    // Text reads back as typed, as a person copying or searching it would get it.
    const QString plain = popplerText("pdftotext", {pdf, QStringLiteral("-")});
    QCOMPARE(plain.count(QStringLiteral("Classification: Alkali Metal")), copies);
    QCOMPARE(plain.count(QStringLiteral("Specific Heat (J/g * °C): 1.228")), copies);
    const QString info = popplerText("pdfinfo", {pdf});
    QVERIFY2(
        info.contains(QRegularExpression(QStringLiteral("^Title: +Corvanel$"), QRegularExpression::MultilineOption)),
        qPrintable(info));
}

void TestCupsPrinting::chartIsOnePage()
{
    const QStringList before = m_server.documents();
    TRIGGER_ACTION(m_window->window, "mnuPChart");
    QVERIFY(m_window->fakes.dialogs.messages.isEmpty());
    const QString pdf = newDocument(before);
    QVERIFY(!pdf.isEmpty());
    QString error;
    const std::optional<corvanel::test::PdfText> text = corvanel::test::readPdfText(pdf, &error);
    QVERIFY2(text, qPrintable(error));
    QCOMPARE(text->pageSizes.size(), 1);
}

void TestCupsPrinting::refusedJobsAreReported_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("fault");
    for (const char* command : {"mnuPInfo", "mnuPChart"}) {
        for (const char* fault : {"queue rejects jobs", "queue deleted after the dialog", "spooler gone"}) {
            QTest::addRow("%s, %s", command, fault) << command << fault;
        }
    }
    // Between the check before drawing and the hand-over, only the server's answer tells.
    QTest::newRow("queue rejects while the document is written") << ""
                                                                 << "queue rejects jobs";
}

void TestCupsPrinting::refusedJobsAreReported()
{
    QFETCH(QString, command);
    QFETCH(QString, fault);
    const auto breakIt = [&] {
        if (fault == QStringLiteral("queue rejects jobs")) {
            QCOMPARE(m_server.admin(QStringLiteral("cupsreject"), {kQueue}), QString());
        } else if (fault == QStringLiteral("queue deleted after the dialog")) {
            QCOMPARE(m_server.admin(QStringLiteral("lpadmin"), {QStringLiteral("-x"), kQueue}), QString());
        } else {
            m_server.stop();
        }
    };
    const QStringList before = m_server.documents();
    if (command.isEmpty()) {
        QVERIFY(m_printing->beginDocument());
        QVERIFY(m_printing->printLine(QStringLiteral("Name: Sodium")));
        breakIt();
        QVERIFY(!m_printing->endDocument());
    } else {
        // The report's dialog is confirmed before the fault; the chart has no dialog.
        m_afterDialog = breakIt;
        if (command == QStringLiteral("mnuPChart")) {
            m_afterDialog = nullptr;
            breakIt();
        }
        TRIGGER_ACTION(m_window->window, command);
        verifyFailureBox();
    }

    // Nothing printed, and the program carries on: once the queue takes jobs again, they print.
    QCOMPARE(m_server.start(), QString());
    if (fault == QStringLiteral("queue rejects jobs")) {
        QCOMPARE(m_server.admin(QStringLiteral("cupsaccept"), {kQueue}), QString());
    } else {
        QCOMPARE(m_server.addQueue(kQueue), QString());
    }
    QCOMPARE(m_server.documents(), before);
    m_window->fakes.dialogs.messages.clear();
    m_afterDialog = nullptr;
    TRIGGER_ACTION(m_window->window, command.isEmpty() ? QStringLiteral("mnuPInfo") : command);
    QVERIFY(m_window->fakes.dialogs.messages.isEmpty());
    QVERIFY(!newDocument(before).isEmpty());
}

QTEST_MAIN(TestCupsPrinting)
#include "TestCupsPrinting.moc"
