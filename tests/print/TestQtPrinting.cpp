#include "ExpectedReports.h"
#include "PdfTools.h"
#include "app/ApplicationSetup.h"
#include "fakes/FakePlatform.h"
#include "platform/qt/QtPrinting.h"
#include "print/PrintChart.h"
#include "print/PrintElementInfo.h"
#include "support/TriggerAction.h"
#include "ui/main/MainWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <memory>
#include <sys/resource.h>

using corvanel::platform::MessageButtons;
using corvanel::platform::MessageIcon;
using corvanel::platform::PrintDialogOutcome;
using corvanel::platform::QtPrinting;
using corvanel::print::PrintChart;
using corvanel::print::PrintElementInfo;
using corvanel::test::FakePlatform;
using corvanel::test::PdfLine;
using corvanel::test::PdfText;
using corvanel::ui::MainWindow;

using corvanel::test::kHydrogenReport;

namespace {

// Positions read back from the PDF agree with the layout to well within this, in points.
constexpr qreal kTolerance = 0.3;

/** Where the printed lines were found: the lines per full page and the first line's top. */
struct Layout
{
    int linesPerPage = 0;
    qreal firstTop = 0;
};

} // namespace

class TestQtPrinting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void oneCopyOfHydrogen();
    void threeCopiesInOneRun();
    void fullPagesBreakByThemselves();
    void searchedElementPrintsLikeAClickedOne();
    void unknownPrintsAsUnknown();
    void cancelPrintsNothing();
    void copiesAreTakenFromThePrinter();
    void cancelIsItsOwnOutcome();
    void eachRunHandsItsDocumentOver();
    void printerThatCannotOpen_data();
    void printerThatCannotOpen();
    void failedWriteKeepsTheEarlierFile_data();
    void failedWriteKeepsTheEarlierFile();
    void chartAfterReportToFileAsksForAName_data();
    void chartAfterReportToFileAsksForAName();
    void linesNeedAnOpenDocument();
    void realPrintDialog_data();
    void realPrintDialog();

private:
    void click(const char* name)
    {
        QTest::mouseClick(m_window->findChild<QWidget*>(QString::fromUtf8(name)), Qt::LeftButton);
    }
    void printReport() { PrintElementInfo(m_fakes->dialogs, *m_printing).run(*m_window, m_window.get()); }
    PdfText readBack(const QString& path);
    /** The font's line spacing on the printer, in points. */
    qreal lineSpacing();
    QRectF paintRect() const { return m_printing->printer().pageLayout().paintRect(QPageLayout::Point); }
    /** Checks that every text of @p expected is printed, in order, at its own line position. */
    Layout verifyLayout(const QStringList& expected, const PdfText& pdf);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_pdf;
    std::unique_ptr<FakePlatform> m_fakes;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<QtPrinting> m_printing;
    // What the stand-in for the print dialog does and saw.
    bool m_confirm = true;
    int m_copiesChosen = 1;
    int m_dialogRuns = 0;
    int m_copiesShown = 0;
    QWidget* m_dialogOwner = nullptr;
};

void TestQtPrinting::initTestCase()
{
    corvanel::app::configureApplication();
    // The tests play the user in Qt's own dialogs, whatever a desktop would offer instead.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void TestQtPrinting::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_pdf = m_dir->filePath("report.pdf");
    m_confirm = true;
    m_copiesChosen = 1;
    m_dialogRuns = 0;
    m_copiesShown = 0;
    m_dialogOwner = nullptr;
    // Everything but the dialog's window is the real thing: the copies arrive in the printer as a
    // confirmed dialog leaves them there.
    m_printing = std::make_unique<QtPrinting>(
        [this](QPrinter& printer, QWidget* owner) {
            ++m_dialogRuns;
            m_dialogOwner = owner;
            m_copiesShown = printer.copyCount();
            if (m_confirm) {
                printer.setCopyCount(m_copiesChosen);
            }
            return m_confirm;
        },
        [](QWidget*, const QString& offered) { return offered; });
    QPrinter& printer = m_printing->printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));

    m_fakes = std::make_unique<FakePlatform>();
    m_window = std::make_unique<MainWindow>(m_fakes->platform);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestQtPrinting::cleanup()
{
    m_window.reset();
    m_fakes.reset();
    m_printing.reset();
    m_dir.reset();
}

PdfText TestQtPrinting::readBack(const QString& path)
{
    QString error;
    const std::optional<PdfText> text = corvanel::test::readPdfText(path, &error);
    if (!text) {
        QTest::qFail(qPrintable(error), __FILE__, __LINE__);
        return {};
    }
    return *text;
}

qreal TestQtPrinting::lineSpacing()
{
    QPrinter& printer = m_printing->printer();
    return QFontMetricsF(QGuiApplication::font(), &printer).lineSpacing() * 72.0 / printer.resolution();
}

Layout TestQtPrinting::verifyLayout(const QStringList& expected, const PdfText& pdf)
{
    Layout layout;
    // The texts: exactly the non-empty lines, in order. Poppler gives words, so runs of spaces are lost.
    QStringList visible;
    QList<int> positions;
    for (int i = 0; i < expected.size(); ++i) {
        if (!expected[i].isEmpty()) {
            visible << expected[i].simplified();
            positions << i;
        }
    }
    const QList<PdfLine> lines = pdf.lines();
    QStringList printed;
    for (const PdfLine& line : lines) {
        printed << line.text;
    }
    [&] { QCOMPARE(printed, visible); }();
    if (QTest::currentTestFailed()) {
        return layout;
    }

    // The positions: line n of a page sits n - 1 line spacings below the first; the lines per page
    // are whatever number makes every printed text land on its own slot.
    const qreal spacing = lineSpacing();
    const int pages = static_cast<int>(pdf.pageSizes.size());
    for (int perPage = 1; perPage <= expected.size() && layout.linesPerPage == 0; ++perPage) {
        const qreal firstTop = lines[0].top - (positions[0] % perPage) * spacing;
        bool fits = (expected.size() + perPage - 1) / perPage == pages;
        for (int k = 0; k < lines.size() && fits; ++k) {
            fits = lines[k].page == positions[k] / perPage + 1
                && qAbs(lines[k].top - (firstTop + (positions[k] % perPage) * spacing)) < kTolerance;
        }
        if (fits) {
            layout = {perPage, firstTop};
        }
    }
    [&] {
        QVERIFY2(layout.linesPerPage > 0, "the printed lines are not at consecutive line positions");
        // The first line (empty or not) starts at the top of the printable area.
        QVERIFY2(qAbs(layout.firstTop - paintRect().top()) < spacing / 2,
                 qPrintable(QStringLiteral("first line at %1 pt, printable area from %2 pt")
                                .arg(layout.firstTop)
                                .arg(paintRect().top())));
        if (pages > 1) {
            // A page ends only when the next line would pass its bottom.
            const qreal height = lines[0].bottom - lines[0].top;
            const qreal lastBottom = layout.firstTop + (layout.linesPerPage - 1) * spacing + height;
            QVERIFY(lastBottom <= paintRect().bottom() + kTolerance);
            QVERIFY(lastBottom + spacing > paintRect().bottom() - kTolerance);
        }
    }();
    return layout;
}

void TestQtPrinting::oneCopyOfHydrogen()
{
    click("CmdH");
    printReport();
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
    QCOMPARE(m_dialogRuns, 1);
    QCOMPARE(m_dialogOwner, m_window.get());

    const PdfText pdf = readBack(m_pdf);
    QCOMPARE(pdf.pageSizes.size(), 1);
    const QList<PdfLine> lines = pdf.lines();
    QCOMPARE(lines.size(), 19);
    QCOMPARE(lines[0].text, QStringLiteral("-------------------Corvanel v1.1.8 - by Dranwick-------------------"));
    QCOMPARE(lines[1].text, QStringLiteral("Name: Hydrogen"));
    QCOMPARE(lines[5].text, QStringLiteral("Melting Point (°C): -259.14"));
    QCOMPARE(lines[12].text, QStringLiteral("Density @ RT (g/cm³): 0.08988"));
    QCOMPARE(lines[17].text, QStringLiteral("# of electrons in each shell: 1"));
    QCOMPARE(lines[18].text, QStringLiteral("----------Get Your Copy at http://www.dranwick.example----------"));

    const qreal spacing = lineSpacing();
    QVERIFY(spacing > 5);
    // Empty lines 1, 2, 4 and 22 hold their place: the header is the third line, the name the fifth.
    QCOMPARE(qRound((lines[1].top - lines[0].top) / spacing * 10), 20);
    QCOMPARE(qRound((lines[18].top - lines[17].top) / spacing * 10), 20);
    const Layout layout = verifyLayout(kHydrogenReport, pdf);
    QVERIFY(layout.linesPerPage > 0);
    // Lines start at the left edge of the printable area.
    for (const corvanel::test::PdfWord& word : pdf.words) {
        if (word.text == QStringLiteral("Name:")) {
            QVERIFY(qAbs(word.box.left() - paintRect().left()) < 1.5);
        }
    }
}

void TestQtPrinting::threeCopiesInOneRun()
{
    click("CmdH");
    m_copiesChosen = 3;
    // A page too short for all three copies: the one break in the output is where the page is full.
    m_printing->printer().setPageSize(QPageSize(QPageSize::A5));
    printReport();
    QVERIFY(m_fakes->dialogs.messages.isEmpty());

    const QStringList expected = kHydrogenReport + kHydrogenReport + kHydrogenReport;
    QCOMPARE(expected.size(), 69);
    const PdfText pdf = readBack(m_pdf);
    const Layout layout = verifyLayout(expected, pdf);
    QVERIFY(layout.linesPerPage > 0);
    // The second copy begins on the line after the first copy's footer.
    const QList<PdfLine> lines = pdf.lines();
    QCOMPARE(lines[19].text, QStringLiteral("-------------------Corvanel v1.1.8 - by Dranwick-------------------"));
    if (lines[19].page == lines[18].page) {
        QCOMPARE(qRound((lines[19].top - lines[18].top) / lineSpacing() * 10), 30);
    }
    QCOMPARE(pdf.pageSizes.size(), 2);
    QVERIFY(layout.linesPerPage < 69);
}

void TestQtPrinting::fullPagesBreakByThemselves()
{
    // Straight through the printer, many lines with gaps: the page breaks come from full pages only.
    QStringList expected;
    for (int i = 1; i <= 150; ++i) {
        expected << (i % 7 == 0 ? QString() : QStringLiteral("Line %1").arg(i));
    }
    QVERIFY(m_printing->beginDocument());
    for (const QString& line : expected) {
        QVERIFY(m_printing->printLine(line));
    }
    QVERIFY(m_printing->endDocument());

    const PdfText pdf = readBack(m_pdf);
    QVERIFY2(pdf.pageSizes.size() >= 2, "150 lines fit on one page: the test needs a page break");
    const Layout layout = verifyLayout(expected, pdf);
    QCOMPARE(pdf.pageSizes.size(), (150 + layout.linesPerPage - 1) / layout.linesPerPage);
}

void TestQtPrinting::searchedElementPrintsLikeAClickedOne()
{
    click("CmdCl");
    printReport();
    const PdfText clicked = readBack(m_pdf);

    click("CmdAr");
    const QString searchedPdf = m_dir->filePath("searched.pdf");
    m_printing->printer().setOutputFileName(searchedPdf);
    m_fakes->dialogs.inputAnswers = {QStringLiteral("cl")};
    TRIGGER_ACTION(*m_window, "mnuSearchElements");
    printReport();
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
    const PdfText searched = readBack(searchedPdf);

    QCOMPARE(searched.words.size(), clicked.words.size());
    for (int i = 0; i < clicked.words.size(); ++i) {
        QCOMPARE(searched.words[i].text, clicked.words[i].text);
        QCOMPARE(searched.words[i].box, clicked.words[i].box);
    }
    QCOMPARE(searched.lines()[1].text, QStringLiteral("Name: Chlorine"));
}

void TestQtPrinting::unknownPrintsAsUnknown()
{
    click("CmdPm");
    printReport();
    QStringList expected = kHydrogenReport;
    expected.replace(4, "Name: Promethium");
    expected.replace(5, "Symbol: Pm");
    expected.replace(6, "Atomic Number: 61");
    expected.replace(7, "Atomic Mass: 145");
    expected.replace(8, "Melting Point (°C): Unknown");
    expected.replace(9, "Boiling Point (°C): Unknown");
    expected.replace(10, "Classification: Rare Earth");
    expected.replace(11, "Color: Unknown");
    expected.replace(12, "# of Protons/Electrons: 61");
    expected.replace(13, "# of Neutrons: 84");
    expected.replace(14, "Crystal Structure: Hexagonal");
    expected.replace(15, "Density @ RT (g/cm³): 6.475");
    expected.replace(16, "1st Ion. Energy (kJ/mol): 536");
    expected.replace(17, "At. Radius: 183.4");
    expected.replace(18, "Major Oxidation States: 3+");
    expected.replace(19, "Specific Heat (J/g * °C): Unknown");
    expected.replace(20, "# of electrons in each shell: 2  8  18  23  8  2");
    verifyLayout(expected, readBack(m_pdf));
}

void TestQtPrinting::cancelPrintsNothing()
{
    click("CmdH");
    m_confirm = false;
    printReport();
    QCOMPARE(m_dialogRuns, 1);
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
    QVERIFY(!QFile::exists(m_pdf));
}

void TestQtPrinting::copiesAreTakenFromThePrinter()
{
    click("CmdH");
    m_copiesChosen = 2;
    printReport();
    // The printer is left making one copy: the two were written by the program.
    QCOMPARE(m_printing->copies(), 2);
    QCOMPARE(m_printing->printer().copyCount(), 1);
    QCOMPARE(readBack(m_pdf).lines().size(), 38);

    // The next dialog starts from one copy again.
    m_printing->printer().setOutputFileName(m_dir->filePath("again.pdf"));
    m_copiesChosen = 1;
    printReport();
    QCOMPARE(m_copiesShown, 1);
    QCOMPARE(readBack(m_dir->filePath("again.pdf")).lines().size(), 19);
}

void TestQtPrinting::cancelIsItsOwnOutcome()
{
    m_confirm = false;
    QCOMPARE(m_printing->showPrinter(m_window.get()), PrintDialogOutcome::Cancelled);
    QCOMPARE(m_printing->copies(), 1);
    QCOMPARE(m_dialogRuns, 1);

    m_confirm = true;
    m_copiesChosen = 4;
    QCOMPARE(m_printing->showPrinter(m_window.get()), PrintDialogOutcome::Confirmed);
    QCOMPARE(m_printing->copies(), 4);
    // The printer itself makes one copy of whatever it is sent.
    QCOMPARE(m_printing->printer().copyCount(), 1);
}

void TestQtPrinting::eachRunHandsItsDocumentOver()
{
    click("CmdH");
    printReport();
    // Complete as soon as the command has ended: nothing is held back for a later run.
    const PdfText first = readBack(m_pdf);
    QCOMPARE(first.lines().size(), 19);
    QFile file(m_pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().trimmed().endsWith("%%EOF"));

    const QString second = m_dir->filePath("second.pdf");
    m_printing->printer().setOutputFileName(second);
    click("CmdHe");
    printReport();
    QCOMPARE(readBack(second).lines()[1].text, QStringLiteral("Name: Helium"));
    QCOMPARE(readBack(m_pdf).lines().size(), 19);
}

void TestQtPrinting::printerThatCannotOpen_data()
{
    QTest::addColumn<bool>("chart");
    QTest::addColumn<QString>("target");
    QTest::newRow("element info, no such folder") << false << "no such folder/report.pdf";
    QTest::newRow("chart, no such folder") << true << "no such folder/report.pdf";
    // A printer with nowhere to send the job, as when none is installed. (The chart offers a PDF file
    // then: TestPrintToFile.)
    QTest::newRow("element info, nowhere") << false << "";
    // As root permissions stop nothing; these do.
    QTest::newRow("element info, a file where the folder should be") << false << "blocker/report.pdf";
    QTest::newRow("chart, a file where the folder should be") << true << "blocker/report.pdf";
    QTest::newRow("element info, a device, not a file") << false << "/dev/full";
    QTest::newRow("chart, a device, not a file") << true << "/dev/full";
}

void TestQtPrinting::printerThatCannotOpen()
{
    QFETCH(bool, chart);
    QFETCH(QString, target);
    const QString unreachable = target.isEmpty() ? QString() : QDir(m_dir->path()).filePath(target);
    QFile blocker(m_dir->filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    m_printing->printer().setOutputFileName(unreachable);
    // An empty name would turn to the system's printer; the job must stay in this test.
    m_printing->printer().setOutputFormat(QPrinter::PdfFormat);
    click("CmdH");
    if (chart) {
        PrintChart(m_fakes->dialogs, *m_printing).run(*m_window, m_window->centralWidget());
    } else {
        printReport();
    }
    QCOMPARE(m_fakes->dialogs.messages.size(), 1);
    QCOMPARE(m_fakes->dialogs.messages[0].text, QStringLiteral("The document could not be printed."));
    QCOMPARE(m_fakes->dialogs.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(m_fakes->dialogs.messages[0].icon, MessageIcon::Warning);
    QCOMPARE(m_fakes->dialogs.messages[0].buttons, MessageButtons::Ok);
    QVERIFY(unreachable.isEmpty() || unreachable.startsWith("/dev/") || !QFile::exists(unreachable));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList {"blocker"});
    QCOMPARE(QDir("/dev").entryList({".full.*"}, QDir::Files | QDir::Hidden | QDir::System), QStringList());

    // The printer is usable again once it can be reached.
    m_fakes->dialogs.messages.clear();
    m_printing->printer().setOutputFileName(m_pdf);
    printReport();
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
    QCOMPARE(readBack(m_pdf).lines().size(), 19);
}

void TestQtPrinting::failedWriteKeepsTheEarlierFile_data()
{
    QTest::addColumn<bool>("chart");
    QTest::newRow("element info") << false;
    QTest::newRow("chart") << true;
}

void TestQtPrinting::failedWriteKeepsTheEarlierFile()
{
    QFETCH(bool, chart);
    click("CmdH");
    printReport();
    QFile earlier(m_pdf);
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    const QByteArray earlierBytes = earlier.readAll();
    earlier.close();

    // Writes fail past 4 KiB, as on a full disk: the system's own error, not one of ours.
    rlimit saved {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    if (chart) {
        PrintChart(m_fakes->dialogs, *m_printing).run(*m_window, m_window->centralWidget());
    } else {
        printReport();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(m_fakes->dialogs.messages.size(), 1);
    QCOMPARE(m_fakes->dialogs.messages[0].text, QStringLiteral("The document could not be printed."));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QVERIFY(earlier.readAll() == earlierBytes);
    // No half-written document is left beside it.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList {"report.pdf"});
}

void TestQtPrinting::chartAfterReportToFileAsksForAName_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("Cancel") << "";
    QTest::newRow("another name") << "chart.pdf";
    QTest::newRow("the same name, replacing declined") << "report.pdf";
}

void TestQtPrinting::chartAfterReportToFileAsksForAName()
{
    QFETCH(QString, answer);
    // The real save dialog; only the print dialog is played.
    QtPrinting printing([](QPrinter&, QWidget*) { return true; });
    printing.printer().setOutputFormat(QPrinter::PdfFormat);
    printing.printer().setOutputFileName(m_pdf);
    click("CmdH");
    PrintElementInfo(m_fakes->dialogs, printing).run(*m_window, m_window.get());
    QCOMPARE(readBack(m_pdf).lines()[1].text, QStringLiteral("Name: Hydrogen"));
    const auto printChart = [&] { PrintChart(m_fakes->dialogs, printing).run(*m_window, m_window->centralWidget()); };

    QString offered;
    bool askedToReplace = false;
    QTimer user;
    user.setInterval(10);
    connect(&user, &QTimer::timeout, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            askedToReplace = true;
            box->button(QMessageBox::No)->click();
            return;
        }
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) {
            return;
        }
        if (!offered.isEmpty()) {
            // Back in the dialog after declining: give up.
            dialog->reject();
            return;
        }
        offered = dialog->selectedFiles().value(0);
        if (answer.isEmpty()) {
            dialog->reject();
            return;
        }
        // Typed and confirmed as a user does; queued, so that a box the dialog asks with does not open
        // inside this timer's call.
        QTimer::singleShot(0, dialog, [dialog, answer] {
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->clear();
            QTest::keyClicks(name, answer);
            // The dialog's Save, as the completer may hold Return for itself.
            // Only the typed name counts, not what the folder view highlighted while it was typed.
            for (auto* view : dialog->findChildren<QAbstractItemView*>()) {
                view->clearSelection();
            }
            QMetaObject::invokeMethod(dialog, "accept");
        });
    });
    user.start();
    printChart();
    user.stop();

    QCOMPARE(offered, m_pdf);
    QCOMPARE(askedToReplace, answer == QStringLiteral("report.pdf"));
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
    // The report's file holds the report whatever was answered.
    const PdfText report = readBack(m_pdf);
    QCOMPARE(report.lines().size(), 19);
    QCOMPARE(report.lines()[1].text, QStringLiteral("Name: Hydrogen"));
    const QStringList files = QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden);
    if (answer == QStringLiteral("chart.pdf")) {
        QCOMPARE(files, (QStringList {"chart.pdf", "report.pdf"}));
        QCOMPARE(readBack(m_dir->filePath(answer)).pageSizes.size(), 1);
        QCOMPARE(printing.outputFile(), m_dir->filePath(answer));
    } else {
        QCOMPARE(files, QStringList {"report.pdf"});
        QCOMPARE(printing.outputFile(), m_pdf);
    }
}

void TestQtPrinting::linesNeedAnOpenDocument()
{
    QVERIFY(!m_printing->printLine(QStringLiteral("stray")));
    QVERIFY(m_printing->endDocument());
    QVERIFY(!QFile::exists(m_pdf));
}

void TestQtPrinting::realPrintDialog_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<bool>("fileExists");
    QTest::newRow("confirmed with two copies") << true << false;
    QTest::newRow("cancelled") << false << false;
    QTest::newRow("existing file, replacing declined") << true << true;
}

void TestQtPrinting::realPrintDialog()
{
    QFETCH(bool, confirm);
    QFETCH(bool, fileExists);
    if (fileExists) {
        QFile earlier(m_pdf);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
    }
    QtPrinting printing;
    printing.printer().setOutputFormat(QPrinter::PdfFormat);
    printing.printer().setOutputFileName(m_pdf);

    // The user's part, played once the modal dialog is up.
    bool answered = false;
    bool offersPageRange = true;
    bool askedToReplace = false;
    QTimer user;
    user.setInterval(10);
    connect(&user, &QTimer::timeout, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            askedToReplace = true;
            box->button(QMessageBox::No)->click();
            return;
        }
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        if (!dialog) {
            return;
        }
        if (answered) {
            // Still open after the replacement was declined.
            dialog->reject();
            return;
        }
        offersPageRange = dialog->testOption(QAbstractPrintDialog::PrintPageRange);
        auto* copies = dialog->findChild<QSpinBox*>(QStringLiteral("copies"));
        if (copies) {
            copies->setValue(2);
        }
        answered = copies != nullptr;
        // Confirmed as a user does, with the dialog's Print button, which runs the dialog's own checks.
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        QPushButton* print = buttons ? buttons->button(QDialogButtonBox::Ok) : nullptr;
        if (!confirm || !print) {
            answered = answered && print;
            dialog->reject();
            return;
        }
        // Queued: a box the dialog asks with must not open inside this timer's call.
        QMetaObject::invokeMethod(print, &QPushButton::click, Qt::QueuedConnection);
    });
    user.start();
    const PrintDialogOutcome outcome = printing.showPrinter(m_window.get());
    user.stop();
    QVERIFY(answered);
    QVERIFY(!offersPageRange);
    // Qt's dialog asks before an existing file is named as the output.
    QCOMPARE(askedToReplace, fileExists);
    if (confirm && !fileExists) {
        QCOMPARE(outcome, PrintDialogOutcome::Confirmed);
        QCOMPARE(printing.copies(), 2);
    } else {
        QCOMPARE(outcome, PrintDialogOutcome::Cancelled);
        QCOMPARE(printing.copies(), 1);
    }
    QCOMPARE(printing.printer().copyCount(), 1);
    if (fileExists) {
        QFile earlier(m_pdf);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier"));
    } else {
        QVERIFY(!QFile::exists(m_pdf));
    }
}

QTEST_MAIN(TestQtPrinting)
#include "TestQtPrinting.moc"
