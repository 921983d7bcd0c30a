#include "DriverlessPrinter.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <cups/cups.h>

#include <csignal>
#include <sys/prctl.h>

namespace corvanel::test {

namespace {

// Everyone on this bus may do anything: only the fixture's own processes can reach its socket.
const QByteArray kBusConfig = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=@SOCKET@</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

const QByteArray kAvahiConfig = "[server]\nuse-ipv4=yes\nuse-ipv6=no\nallow-interfaces=lo\nenable-dbus=yes\n"
                                "[wide-area]\nenable-wide-area=no\n"
                                "[publish]\npublish-hinfo=no\npublish-workstation=no\n";

// The namespaces' first process: brings their loopback up, gives them a /run of their own, then waits.
const QString kHolder
    = QStringLiteral("ip link set lo up && mount -t tmpfs corvanel-fixture /run && echo ready && exec sleep infinity");

struct Tool
{
    const char* program;
    const char* package;
};

const Tool kTools[]
    = {{"unshare", "util-linux"}, {"nsenter", "util-linux"},        {"ip", "iproute2"},
       {"dbus-daemon", "dbus"},   {"avahi-daemon", "avahi-daemon"}, {"ippeveprinter", "cups-ipp-utils"}};

QString findTool(const char* program)
{
    return QStandardPaths::findExecutable(
        QString::fromLatin1(program),
        {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"), QStringLiteral("/sbin"), QStringLiteral("/bin")});
}

} // namespace

QString DriverlessPrinter::writeConfiguration()
{
    const QDir root(m_dir->path());
    QByteArray bus = kBusConfig;
    bus.replace("@SOCKET@", root.filePath(QStringLiteral("bus.sock")).toLocal8Bit());
    QFile busFile(root.filePath(QStringLiteral("bus.conf")));
    QFile avahiFile(root.filePath(QStringLiteral("avahi.conf")));
    if (!root.mkpath(QStringLiteral("spool")) || !root.mkpath(QStringLiteral("keys"))
        || !busFile.open(QIODevice::WriteOnly) || busFile.write(bus) != bus.size()
        || !avahiFile.open(QIODevice::WriteOnly) || avahiFile.write(kAvahiConfig) != kAvahiConfig.size()) {
        return QStringLiteral("cannot write the fixture's configuration");
    }
    // The print queue's backend runs as user lp and asks avahi, over this folder's bus socket.
    QFile::setPermissions(root.path(), QFile::permissions(root.path()) | QFile::ExeOther);
    return QString();
}

QString DriverlessPrinter::launch(const QStringList& command, bool inside)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::MergedChannels);
    // Should the test program die, what it started goes with it.
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    // nsenter replaces itself with the program (no fork), so the process id is the program's.
    const QStringList full = inside ? m_enter + QStringList {QStringLiteral("--")} + command : command;
    process->start(full.first(), full.mid(1));
    if (!process->waitForStarted(10000)) {
        return full.first() + QStringLiteral(" could not be started: ") + process->errorString();
    }
    m_processes.push_back(std::move(process));
    return QString();
}

bool DriverlessPrinter::waitForOutput(QProcess& process, const QByteArray& text)
{
    QByteArray output;
    const QDeadlineTimer deadline(15000);
    while (!output.contains(text) && !deadline.hasExpired() && process.state() == QProcess::Running) {
        process.waitForReadyRead(100);
        output += process.readAll();
    }
    if (!output.contains(text)) {
        qWarning("%s", output.right(600).constData());
    }
    return output.contains(text);
}

QString DriverlessPrinter::startNamespaces()
{
    QString error = launch({findTool("unshare"), QStringLiteral("--net"), QStringLiteral("--mount"),
                            QStringLiteral("--propagation"), QStringLiteral("private"), QStringLiteral("--"),
                            QStringLiteral("sh"), QStringLiteral("-c"), kHolder},
                           false);
    if (error.isEmpty() && !waitForOutput(*m_processes.back(), "ready")) {
        error = QStringLiteral("no private network and mount namespace (needs root)");
    }
    if (error.isEmpty()) {
        m_enter = QStringList {findTool("nsenter"), QStringLiteral("--target"),
                               QString::number(m_processes.back()->processId()), QStringLiteral("--net"),
                               QStringLiteral("--mount")};
    }
    return error;
}

QString DriverlessPrinter::startServices()
{
    QString error
        = launch({findTool("dbus-daemon"), QStringLiteral("--config-file=") + m_dir->filePath("bus.conf"),
                  QStringLiteral("--nofork"), QStringLiteral("--nopidfile"), QStringLiteral("--print-address")},
                 true);
    if (error.isEmpty() && !waitForOutput(*m_processes.back(), "unix:")) {
        error = QStringLiteral("dbus-daemon did not start");
    }
    if (error.isEmpty()) {
        error = launch({findTool("avahi-daemon"), QStringLiteral("--no-drop-root"), QStringLiteral("--no-chroot"),
                        QStringLiteral("--no-rlimits"), QStringLiteral("-f"), m_dir->filePath("avahi.conf")},
                       true);
    }
    if (error.isEmpty() && !waitForOutput(*m_processes.back(), "Server startup complete")) {
        error = QStringLiteral("avahi-daemon did not start");
    }
    if (error.isEmpty()) {
        // It takes PDF as many network printers do, so CUPS needs no more than its pdftopdf filter.
        error = launch({findTool("ippeveprinter"), QStringLiteral("-d"), m_dir->filePath("spool"), QStringLiteral("-k"),
                        QStringLiteral("-K"), m_dir->filePath("keys"), QStringLiteral("-p"), QStringLiteral("8631"),
                        QStringLiteral("-f"), QStringLiteral("application/pdf,image/pwg-raster,image/urf"),
                        QStringLiteral("-M"), QStringLiteral("Corvanel"), QStringLiteral("-m"),
                        QStringLiteral("Test Printer"), QString::fromLatin1(kName)},
                       true);
    }
    return error;
}

QString DriverlessPrinter::start()
{
    for (const Tool& tool : kTools) {
        if (findTool(tool.program).isEmpty()) {
            return QStringLiteral("%1 is not installed (Debian package %2)")
                .arg(QString::fromLatin1(tool.program), QString::fromLatin1(tool.package));
        }
    }
    m_dir = std::make_unique<QTemporaryDir>();
    if (!m_dir->isValid()) {
        return QStringLiteral("no temporary folder");
    }
    QString error = writeConfiguration();
    const QByteArray busAddress = "unix:path=" + m_dir->filePath(QStringLiteral("bus.sock")).toLocal8Bit();
    // Every process started from here on, and libcups in this one, browses through this bus only.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", busAddress);
    if (error.isEmpty()) {
        error = startNamespaces();
    }
    if (error.isEmpty()) {
        error = startServices();
    }
    if (error.isEmpty()) {
        m_cups.browseDnsSd(busAddress, m_enter);
        error = m_cups.start();
    }
    const QDeadlineTimer deadline(20000);
    while (error.isEmpty() && !isListed()) {
        if (deadline.hasExpired()) {
            error = QStringLiteral("CUPS did not find the printer through DNS-SD");
        }
        QThread::msleep(100);
    }
    if (!error.isEmpty()) {
        stop();
    }
    return error;
}

void DriverlessPrinter::stop()
{
    m_cups.stop();
    while (!m_processes.empty()) {
        QProcess& process = *m_processes.back();
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            if (!process.waitForFinished(10000)) {
                process.kill();
                process.waitForFinished(5000);
            }
        }
        m_processes.pop_back();
    }
}

QStringList DriverlessPrinter::received() const
{
    const QDir spool(m_dir->filePath(QStringLiteral("spool")));
    // ippeveprinter names each file after its job's number.
    QStringList files = spool.entryList(QDir::Files, QDir::Name);
    for (QString& file : files) {
        file = spool.filePath(file);
    }
    return files;
}

bool DriverlessPrinter::isListed()
{
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, kName, nullptr);
    cupsFreeDests(dest ? 1 : 0, dest);
    return dest != nullptr;
}

bool DriverlessPrinter::hasQueue()
{
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, kName, nullptr);
    // A discovered printer without a queue says nothing about jobs; its queue does.
    const bool queue = dest && cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    cupsFreeDests(dest ? 1 : 0, dest);
    return queue;
}

} // namespace corvanel::test
