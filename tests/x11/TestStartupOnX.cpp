#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <unistd.h>

using namespace Qt::StringLiterals;

class TestStartupOnX : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mappedOnceAtTheCentre_data();
    void mappedOnceAtTheCentre();
};

namespace {

/** An Xvfb of its own for one test, on a display numbered from the process id; stopped when it goes. */
class VirtualScreen
{
public:
    explicit VirtualScreen(const QString& size)
    {
        m_display = 100 + static_cast<int>(getpid() % 800);
        while (QFile::exists(u"/tmp/.X%1-lock"_s.arg(m_display))
               || QFile::exists(u"/tmp/.X11-unix/X%1"_s.arg(m_display))) {
            ++m_display;
        }
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(u"Xvfb"_s,
                       {name(), u"-screen"_s, u"0"_s, size + u"x24"_s, u"-dpi"_s, u"96"_s, u"-nolisten"_s, u"tcp"_s,
                        u"-noreset"_s});
    }

    ~VirtualScreen()
    {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }

    Q_DISABLE_COPY_MOVE(VirtualScreen)

    QString name() const { return u":%1"_s.arg(m_display); }

    bool waitUntilReady()
    {
        for (int tries = 0; tries < 200 && m_server.state() != QProcess::NotRunning; ++tries) {
            if (QFile::exists(u"/tmp/.X11-unix/X%1"_s.arg(m_display))) {
                return true;
            }
            QThread::msleep(25);
        }
        return false;
    }

private:
    int m_display = 0;
    QProcess m_server;
};

} // namespace

void TestStartupOnX::initTestCase()
{
    if (QStandardPaths::findExecutable(u"Xvfb"_s).isEmpty()) {
        QSKIP("Xvfb is not installed: the start-up on X is not tested");
    }
}

void TestStartupOnX::mappedOnceAtTheCentre_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QSize>("screenSize");
    QTest::newRow("1024x768") << u"1024x768"_s << QSize(1024, 768);
    QTest::newRow("1280x1024") << u"1280x1024"_s << QSize(1280, 1024);
    QTest::newRow("801x601") << u"801x601"_s << QSize(801, 601);
}

void TestStartupOnX::mappedOnceAtTheCentre()
{
    QFETCH(QString, screen);
    QFETCH(QSize, screenSize);
    VirtualScreen server(screen);
    QVERIFY2(server.waitUntilReady(), "Xvfb did not start");

    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DISPLAY"_s, server.name());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    environment.remove(u"QT_SCALE_FACTOR"_s);
    // Under the sanitizers: libxkbcommon-x11 hands strndup() atom names that end at their
    // length, not at a terminator, which strict string checks report inside that library.
    QString sanitizer = environment.value(u"ASAN_OPTIONS"_s);
    if (!sanitizer.isEmpty()) {
        environment.insert(u"ASAN_OPTIONS"_s,
                           sanitizer.replace(u"strict_string_checks=1"_s, u"strict_string_checks=0"_s));
    }
    QProcess watcher;
    watcher.setProcessEnvironment(environment);
    watcher.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The watcher starts the program, follows its window from creation until drawing stops, and ends it.
    watcher.start(QStringLiteral(CORVANEL_STARTWATCH), {u"--settle"_s, u"0"_s, QStringLiteral(CORVANEL_PROGRAM)});
    QVERIFY(watcher.waitForFinished(30000));
    const QString report = QString::fromLatin1(watcher.readAllStandardOutput());
    QCOMPARE(watcher.exitCode(), 0);

    const QRegularExpressionMatch seen
        = QRegularExpression(u"x=(-?\\d+) y=(-?\\d+) w=(\\d+) h=(\\d+) moves=(\\d+)"_s).match(report);
    QVERIFY2(seen.hasMatch(), qPrintable(report));
    const QPoint mappedAt(seen.captured(1).toInt(), seen.captured(2).toInt());
    const QSize size(seen.captured(3).toInt(), seen.captured(4).toInt());
    // The main window's size: its design's client area and the menu bar.
    QCOMPARE(size.width(), 593);
    QVERIFY2(size.height() > 414 && size.height() < 450, qPrintable(report));
    // No window manager here, so the frame is the window itself.
    const QPoint centred((screenSize.width() - size.width()) / 2, (screenSize.height() - size.height()) / 2);
    QVERIFY2((mappedAt - centred).manhattanLength() <= 1, qPrintable(report));
    QVERIFY2(seen.captured(5) == u"0"_s, qPrintable(u"moved after mapping: "_s + report));
    // Printing and the network wait until first used.
    QVERIFY2(report.contains(u" print_net=0 "_s), qPrintable(report));
}

QTEST_GUILESS_MAIN(TestStartupOnX)
#include "TestStartupOnX.moc"
