#include "app/ApplicationSetup.h"
#include "fakes/FakeDialogs.h"
#include "print/PrintChart.h"
#include "print/ReportSource.h"
#include "qtservices/QtPrinting.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using corvanel::platform::QtPrinting;
namespace print = corvanel::print;

namespace {

constexpr mode_t kUmask = 027;

struct stat statOf(const QString& path)
{
    struct stat info = {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info;
}

/** A selection, so that the chart prints. */
class Selected : public print::ReportSource
{
public:
    bool hasSelection() const override { return true; }
    std::array<print::ReportFieldText, print::kReportFieldCount> reportFields() const override { return {}; }
};

} // namespace

/** Printing to files as the user's shell would write them, and the save dialog's names. */
class TestPrintToFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        corvanel::app::configureApplication();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        ::umask(kUmask);
    }

    void fileRules_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<QString>("owner"); // who has the file and who prints: "self", "root" or "nobody"
        QTest::addColumn<QString>("expected"); // "replaced", "in place" or "refused"
        const auto row = [](const char* tag, bool exists, int file, int folder, const char* owner, const char* result) {
            QTest::newRow(tag) << exists << file << folder << QString::fromLatin1(owner) << QString::fromLatin1(result);
        };
        row("new file", false, 0666 & ~kUmask, 0755, "self", "replaced");
        row("own file keeps its mode", true, 0604, 0755, "self", "replaced");
        row("own private file", true, 0600, 0755, "self", "replaced");
        row("own file keeps its group", true, 0660, 0755, "root", "replaced");
        row("writable file, read-only folder", true, 0644, 0555, "nobody", "in place");
        row("read-only file", true, 0444, 0755, "nobody", "refused");
        row("read-only file, read-only folder", true, 0444, 0555, "nobody", "refused");
        row("someone else's file, shared folder", true, 0664, 02775, "root", "in place");
    }

    void fileRules()
    {
        QFETCH(bool, exists);
        QFETCH(int, fileMode);
        QFETCH(int, folderMode);
        QFETCH(QString, owner);
        QFETCH(QString, expected);
        const bool inPlace = expected == QStringLiteral("in place");
        // Root may write anything: the rules for others are tried as nobody.
        if (owner == QStringLiteral("nobody") && ::geteuid() == 0) {
            runAsNobody();
            return;
        }
        if (owner == QStringLiteral("root") && ::geteuid() != 0) {
            QSKIP("needs root to give the file another owner or group");
        }
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString target = dir.filePath(QStringLiteral("out.pdf"));
        if (exists) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("earlier") == 7);
            QCOMPARE(::chmod(QFile::encodeName(target).constData(), fileMode), 0);
        }
        if (owner == QStringLiteral("root")) {
            QCOMPARE(::chown(QFile::encodeName(target).constData(), inPlace ? 65534 : 0, 100), 0);
        }
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), folderMode), 0);
        // Writable again when the row ends, failed or not, so that the folder can be removed.
        const auto restore = qScopeGuard([&dir] { ::chmod(QFile::encodeName(dir.path()).constData(), 0755); });
        const struct stat before = statOf(target);

        QtPrinting printing;
        printing.printer().setOutputFormat(QPrinter::PdfFormat);
        printing.printer().setOutputFileName(target);
        const bool opened = printing.beginDocument();
        QCOMPARE(opened, expected != QStringLiteral("refused"));
        if (opened) {
            // What is written beside the target meanwhile is for the user's eyes alone.
            const QStringList parts = QDir(dir.path()).entryList({".*.part"}, QDir::Files | QDir::Hidden);
            QCOMPARE(parts.size(), qsizetype(expected == QStringLiteral("replaced") ? 1 : 0));
            for (const QString& part : parts) {
                QCOMPARE(statOf(dir.filePath(part)).st_mode & 0777, 0600u);
            }
            QVERIFY(printing.printLine(QStringLiteral("Name: Sodium")));
            QVERIFY(printing.endDocument());
            const struct stat after = statOf(target);
            QCOMPARE(after.st_mode & 07777, static_cast<mode_t>(fileMode));
            QCOMPARE(after.st_gid, exists ? before.st_gid : ::getegid());
            QCOMPARE(after.st_ino == before.st_ino, inPlace);
            QCOMPARE(after.st_uid, exists ? before.st_uid : ::geteuid());
        }
        QFile result(target);
        QCOMPARE(result.open(QIODevice::ReadOnly), exists || opened);
        QCOMPARE(result.read(5), QByteArray(opened ? "%PDF-" : exists ? "earli" : ""));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), qsizetype(exists || opened ? 1 : 0));
    }

    void chartWithoutPrinterOffersAPdf_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written"); // empty: nothing
        QTest::addColumn<bool>("toldPdfOnly");
        const auto row = [](const char* name, const char* typed, const char* written, bool told) {
            QTest::newRow(name) << QString::fromLatin1(typed) << QString::fromLatin1(written) << told;
        };
        row("a name without a suffix", "chart", "chart.pdf", false);
        row("a PostScript name", "chart.ps", "chart.pdf", true);
        row("a PDF name", "Chart.PDF", "Chart.PDF", false);
        row("cancelled", "", "", false);
    }

    void chartWithoutPrinterOffersAPdf()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(bool, toldPdfOnly);
        QTemporaryDir dir;
        // No printer and no earlier file: nowhere to print to.
        QtPrinting printing([](QPrinter&, QWidget*) { return true; });
        printing.printer().setOutputFormat(QPrinter::PdfFormat);
        QWidget chart;
        chart.resize(200, 100);
        chart.show();

        QStringList offered;
        bool told = false;
        QTimer user;
        connect(&user, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                told = box->text().contains(QStringLiteral("PDF"));
                box->accept();
            } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                offered << QFileInfo(dialog->selectedFiles().value(0)).fileName();
                // Typed the first time, unless cancelled; taken as offered after that.
                if (offered.size() == 1 && !typed.isEmpty()) {
                    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(dir.filePath(typed));
                }
                QMetaObject::invokeMethod(dialog, typed.isEmpty() ? "reject" : "accept", Qt::QueuedConnection);
            }
        });
        user.start(10);
        corvanel::test::FakeDialogs dialogs;
        print::PrintChart(dialogs, printing).run(Selected(), &chart);
        user.stop();

        QCOMPARE(offered.value(0), QStringLiteral("Corvanel.pdf"));
        QCOMPARE(told, toldPdfOnly);
        QCOMPARE(offered.size(), toldPdfOnly ? 2 : 1);
        QCOMPARE(offered.value(1), toldPdfOnly ? written : QString());
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), written.isEmpty() ? QStringList() : QStringList {written});
    }

private:
    /** Runs this row again in a child process as user nobody; whether it passed there. */
    void runAsNobody()
    {
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody) {
            QSKIP("no user nobody to try what an ordinary user may do");
        }
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.setChildProcessModifier([uid = nobody->pw_uid, gid = nobody->pw_gid] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) {
                ::_exit(77);
            }
        });
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), QDir::tempPath());
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("fileRules:") + QString::fromUtf8(QTest::currentDataTag())});
        if (!child.waitForStarted() || !child.waitForFinished(60000) || child.exitCode() == 77) {
            QSKIP(qPrintable(QStringLiteral("cannot run this test as nobody: ") + child.errorString()));
        }
        QCOMPARE(child.exitCode(), 0);
    }
};

QTEST_MAIN(TestPrintToFile)
#include "TestPrintToFile.moc"
