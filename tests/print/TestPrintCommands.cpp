#include "ExpectedReports.h"
#include "app/ApplicationSetup.h"
#include "controls/PowerButton.h"
#include "fakes/FakePlatform.h"
#include "fakes/FakePrinting.h"
#include "main_window/MainWindow.h"
#include "print/PrintChart.h"
#include "print/PrintElementInfo.h"
#include "support/TriggerAction.h"

#include <QAction>
#include <QLabel>
#include <QTest>

#include <memory>

using corvanel::platform::MessageButtons;
using corvanel::platform::MessageIcon;
using corvanel::print::PrintChart;
using corvanel::print::PrintElementInfo;
using corvanel::test::FakePlatform;
using corvanel::test::FakePrinting;
using corvanel::ui::MainWindow;

using corvanel::test::kHydrogenReport;

namespace {

QStringList logged(const QStringList& lines)
{
    QStringList entries;
    for (const QString& line : lines) {
        entries << "line:" + line;
    }
    return entries;
}

} // namespace

class TestPrintCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void refusedBeforeAnySelection_data();
    void refusedBeforeAnySelection();
    void oneCopyIsTheReportOfTheShownElement();
    void copiesFollowEachOtherInOneDocument();
    void cancellingPrintsNothingAndSaysNothing();
    void printerFailureIsReported_data();
    void printerFailureIsReported();
    void searchedElementPrintsLikeAClickedOne();
    void reportIsReadFromTheLabels();
    void labelsAreReadAfreshForEveryCopy();
    void printingChangesNothingOnTheWindow();
    void chartPrintsTheClientAreaAtOnce();
    void chartPrinterFailureIsReported();
    void chartToAFileAsksForItsName_data();
    void chartToAFileAsksForItsName();

private:
    void click(const char* name)
    {
        QTest::mouseClick(m_window->findChild<QWidget*>(QString::fromUtf8(name)), Qt::LeftButton);
    }
    QLabel* label(const char* name) const { return m_window->findChild<QLabel*>(QString::fromUtf8(name)); }
    void printReport() { PrintElementInfo(m_fakes->dialogs, *m_printing).run(*m_window, m_window.get()); }
    void printChart() { PrintChart(m_fakes->dialogs, *m_printing).run(*m_window, m_window->centralWidget()); }
    void verifyFailureBox();

    std::unique_ptr<FakePlatform> m_fakes;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<FakePrinting> m_printing;
};

void TestPrintCommands::initTestCase()
{
    corvanel::app::configureApplication();
}

void TestPrintCommands::init()
{
    m_fakes = std::make_unique<FakePlatform>();
    m_window = std::make_unique<MainWindow>(m_fakes->platform);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_printing = std::make_unique<FakePrinting>();
}

void TestPrintCommands::cleanup()
{
    m_window.reset();
    m_fakes.reset();
}

void TestPrintCommands::verifyFailureBox()
{
    QCOMPARE(m_fakes->dialogs.messages.size(), 1);
    QCOMPARE(m_fakes->dialogs.messages[0].text, QStringLiteral("The document could not be printed."));
    QCOMPARE(m_fakes->dialogs.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(m_fakes->dialogs.messages[0].icon, MessageIcon::Warning);
    QCOMPARE(m_fakes->dialogs.messages[0].buttons, MessageButtons::Ok);
}

void TestPrintCommands::refusedBeforeAnySelection_data()
{
    QTest::addColumn<bool>("chart");
    QTest::newRow("element info") << false;
    QTest::newRow("chart") << true;
}

void TestPrintCommands::refusedBeforeAnySelection()
{
    QFETCH(bool, chart);
    // Searching for nothing leaves the window without a selection.
    m_fakes->dialogs.inputAnswers = {QString()};
    TRIGGER_ACTION(*m_window, "mnuSearchElements");
    chart ? printChart() : printReport();

    QCOMPARE(m_fakes->dialogs.messages.size(), 1);
    QCOMPARE(m_fakes->dialogs.messages[0].text, QStringLiteral("No element has been selected"));
    QCOMPARE(m_fakes->dialogs.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(m_fakes->dialogs.messages[0].icon, MessageIcon::Information);
    QCOMPARE(m_fakes->dialogs.messages[0].buttons, MessageButtons::Ok);
    // No dialog, no document, no window image.
    QVERIFY(m_printing->log.isEmpty());
}

void TestPrintCommands::oneCopyIsTheReportOfTheShownElement()
{
    click("CmdH");
    printReport();

    QCOMPARE(m_printing->lines, kHydrogenReport);
    QCOMPARE(m_printing->log, (QStringList {"dialog", "begin"} + logged(kHydrogenReport) + QStringList {"end"}));
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
}

void TestPrintCommands::copiesFollowEachOtherInOneDocument()
{
    click("CmdH");
    m_printing->copiesAnswer = 3;
    printReport();

    const QStringList threeCopies = kHydrogenReport + kHydrogenReport + kHydrogenReport;
    QCOMPARE(m_printing->lines.size(), 69);
    QCOMPARE(m_printing->lines, threeCopies);
    QCOMPARE(m_printing->log, (QStringList {"dialog", "begin"} + logged(threeCopies) + QStringList {"end"}));
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
}

void TestPrintCommands::cancellingPrintsNothingAndSaysNothing()
{
    click("CmdO");
    m_printing->userCancels = true;
    printReport();

    QCOMPARE(m_printing->log, QStringList {"dialog"});
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
}

void TestPrintCommands::printerFailureIsReported_data()
{
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("failsToOpen");
    QTest::addColumn<int>("failAfterLines");
    QTest::addColumn<bool>("failsToEnd");
    QTest::addColumn<int>("linesWritten");
    QTest::addColumn<QStringList>("logTail");
    QTest::newRow("cannot open") << 1 << true << -1 << false << 0 << QStringList {"dialog", "begin"};
    QTest::newRow("fails after a few lines") << 1 << false << 5 << false << 5 << QStringList {"failed line", "end"};
    QTest::newRow("fails in the second copy") << 3 << false << 30 << false << 30 << QStringList {"failed line", "end"};
    QTest::newRow("fails on the first line")
        << 2 << false << 0 << false << 0 << QStringList {"dialog", "begin", "failed line", "end"};
    QTest::newRow("fails to hand the document over")
        << 2 << false << -1 << true << 46 << QStringList {"line:" + kHydrogenReport.last(), "end"};
}

void TestPrintCommands::printerFailureIsReported()
{
    QFETCH(int, copies);
    QFETCH(bool, failsToOpen);
    QFETCH(int, failAfterLines);
    QFETCH(bool, failsToEnd);
    QFETCH(int, linesWritten);
    QFETCH(QStringList, logTail);
    click("CmdH");
    m_printing->copiesAnswer = copies;
    m_printing->failsToOpen = failsToOpen;
    m_printing->failAfterLines = failAfterLines;
    m_printing->failsToEnd = failsToEnd;
    // The failure box comes once everything written has been handed over.
    m_fakes->dialogs.onMessage = [this](const corvanel::platform::MessageSpec&) { m_printing->log << "box"; };
    printReport();

    verifyFailureBox();
    QCOMPARE(m_printing->lines, (kHydrogenReport + kHydrogenReport + kHydrogenReport).mid(0, linesWritten));
    QCOMPARE(m_printing->log.count("failed line"), failAfterLines >= 0 ? 1 : 0);
    QCOMPARE(m_printing->log.takeLast(), QStringLiteral("box"));
    QCOMPARE(m_printing->log.mid(m_printing->log.size() - logTail.size()), logTail);
}

void TestPrintCommands::searchedElementPrintsLikeAClickedOne()
{
    click("CmdNa");
    printReport();
    const QStringList clicked = m_printing->lines;
    QCOMPARE(clicked[4], QStringLiteral("Name: Sodium"));

    // Another element first, so the search really changes the window.
    click("CmdCl");
    m_printing = std::make_unique<FakePrinting>();
    m_fakes->dialogs.inputAnswers = {QStringLiteral("na")};
    TRIGGER_ACTION(*m_window, "mnuSearchElements");
    printReport();
    QCOMPARE(m_printing->lines, clicked);
    QCOMPARE(m_printing->lines[20], QStringLiteral("# of electrons in each shell: 2  8  1"));
}

void TestPrintCommands::reportIsReadFromTheLabels()
{
    click("CmdPm");
    printReport();
    QCOMPARE(m_printing->lines.mid(4, 17),
             (QStringList {"Name: Promethium", "Symbol: Pm", "Atomic Number: 61", "Atomic Mass: 145",
                           "Melting Point (°C): Unknown", "Boiling Point (°C): Unknown", "Classification: Rare Earth",
                           "Color: Unknown", "# of Protons/Electrons: 61", "# of Neutrons: 84",
                           "Crystal Structure: Hexagonal", "Density @ RT (g/cm³): 6.475",
                           "1st Ion. Energy (kJ/mol): 536", "At. Radius: 183.4", "Major Oxidation States: 3+",
                           "Specific Heat (J/g * °C): Unknown", "# of electrons in each shell: 2  8  18  23  8  2"}));

    // What the labels show is what is printed, whatever the element's record says.
    label("LblsAA")->setText(QStringLiteral("Shown Name"));
    label("LblElectRings")->setText(QStringLiteral(" 7  7"));
    // The shells' caption is the report's own, not the frame's or a label's.
    m_window->findChild<QWidget*>(QStringLiteral("FrmElect"))->setProperty("title", QStringLiteral("Changed"));
    m_printing = std::make_unique<FakePrinting>();
    printReport();
    QCOMPARE(m_printing->lines[4], QStringLiteral("Name: Shown Name"));
    QCOMPARE(m_printing->lines[20], QStringLiteral("# of electrons in each shell:  7  7"));
}

void TestPrintCommands::labelsAreReadAfreshForEveryCopy()
{
    click("CmdHe");
    m_printing->copiesAnswer = 2;
    m_printing->onLine = [this](const QString&) {
        if (m_printing->lines.size() == 23) {
            label("LblsAA")->setText(QStringLiteral("Changed"));
        }
    };
    printReport();
    QCOMPARE(m_printing->lines.size(), 46);
    QCOMPARE(m_printing->lines[4], QStringLiteral("Name: Helium"));
    QCOMPARE(m_printing->lines[23 + 4], QStringLiteral("Name: Changed"));
}

void TestPrintCommands::printingChangesNothingOnTheWindow()
{
    click("CmdFe");
    auto* swatch = m_window->findChild<corvanel::ui::PowerButton*>(QStringLiteral("LblKey"));
    const QColor colour = swatch->colour();
    m_printing->copiesAnswer = 2;
    printReport();
    printChart();
    QCOMPARE(swatch->text(), QStringLiteral("Fe"));
    QCOMPARE(swatch->colour(), colour);
    QCOMPARE(label("LblsAA")->text(), QStringLiteral("Iron"));
    QCOMPARE(QApplication::focusWidget(), m_window->findChild<QWidget*>(QStringLiteral("CmdFe")));
}

void TestPrintCommands::chartPrintsTheClientAreaAtOnce()
{
    click("CmdCu");
    printChart();
    // No dialog, no text document: one window image, of the area below the menu bar.
    QCOMPARE(m_printing->log, QStringList {"window:ClientArea"});
    QCOMPARE(m_printing->windowsPrinted, QList<QWidget*> {m_window->centralWidget()});
    QVERIFY(m_fakes->dialogs.messages.isEmpty());

    m_fakes->dialogs.inputAnswers = {QStringLiteral("ag")};
    TRIGGER_ACTION(*m_window, "mnuSearchElements");
    printChart();
    QCOMPARE(m_printing->log, (QStringList {"window:ClientArea", "window:ClientArea"}));
}

void TestPrintCommands::chartPrinterFailureIsReported()
{
    click("CmdCu");
    m_printing->windowFails = true;
    printChart();
    verifyFailureBox();
    QCOMPARE(m_printing->log, QStringList {"window:ClientArea"});
}

void TestPrintCommands::chartToAFileAsksForItsName_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("log");
    QTest::newRow("print queue: no dialog") << ""
                                            << "" << QStringList {"window:ClientArea"};
    QTest::newRow("file, another name") << "/tmp/report.pdf"
                                        << "/tmp/chart.pdf"
                                        << QStringList {"save dialog:/tmp/report.pdf", "window:ClientArea"};
    QTest::newRow("file, cancelled") << "/tmp/report.pdf"
                                     << "" << QStringList {"save dialog:/tmp/report.pdf"};
}

void TestPrintCommands::chartToAFileAsksForItsName()
{
    QFETCH(QString, file);
    QFETCH(QString, answer);
    QFETCH(QStringList, log);
    click("CmdCu");
    m_printing->file = file;
    m_printing->fileAnswer = answer;
    printChart();
    QCOMPARE(m_printing->log, log);
    QCOMPARE(m_printing->file, answer.isEmpty() ? file : answer);
    // Cancel is silent, like cancelling the print dialog.
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
}

QTEST_MAIN(TestPrintCommands)
#include "TestPrintCommands.moc"
