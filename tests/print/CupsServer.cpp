#include "CupsServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <cups/cups.h>

#include <csignal>
#include <sys/prctl.h>

namespace corvanel::test {

namespace {

bool writeFile(const QString& path, const QByteArray& content, QFile::Permissions permissions = {})
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size()) {
        return false;
    }
    return !permissions || file.setPermissions(permissions);
}

// Keeps the job's document, as the queue received it, in the folder its device URI names.
const QByteArray kBackend = R"(#!/bin/sh
if [ $# -eq 0 ]; then
    echo 'direct pdf-folder "Unknown" "PDF folder"'
    exit 0
fi
folder="${DEVICE_URI#pdf-folder:}"
cat "${6:-/dev/stdin}" > "$folder/job-$1.part" && mv "$folder/job-$1.part" "$folder/job-$1.pdf"
)";

} // namespace

QString CupsServer::writeConfiguration()
{
    const QDir root(m_dir->path());
    for (const char* folder : {"conf", "spool/tmp", "cache", "state", "log", "out", "bin/backend"}) {
        if (!root.mkpath(QString::fromLatin1(folder))) {
            return QStringLiteral("cannot make the server's folders");
        }
    }
    const QByteArray path = m_dir->path().toLocal8Bit();
    const QByteArray browsing = m_busAddress.isEmpty() ? QByteArray("Browsing No\nBrowseLocalProtocols none\n")
                                                       : QByteArray("Browsing On\nBrowseLocalProtocols dnssd\n");
    const QByteArray cupsd = "Listen " + path + "/cups.sock\nLogLevel info\n" + browsing
        + "WebInterface No\n"
          "DefaultPolicy open\n"
          "<Policy open>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n"
          "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n";
    QByteArray files = "User lp\nGroup lp\nSystemGroup root\n";
    if (!m_busAddress.isEmpty()) {
        files += "SetEnv DBUS_SYSTEM_BUS_ADDRESS " + m_busAddress + '\n';
    }
    for (const auto& [directive, folder] :
         {std::pair {"ServerRoot", "conf"}, std::pair {"ServerBin", "bin"}, std::pair {"RequestRoot", "spool"},
          std::pair {"TempDir", "spool/tmp"}, std::pair {"CacheDir", "cache"}, std::pair {"StateDir", "state"},
          std::pair {"AccessLog", "log/access_log"}, std::pair {"ErrorLog", "log/error_log"},
          std::pair {"PageLog", "log/page_log"}, std::pair {"Printcap", "printcap"}}) {
        files += QByteArray(directive) + ' ' + path + '/' + folder + '\n';
    }
    // The filters come from the system; the backends are the fixture's own.
    for (const char* part : {"filter", "daemon", "cgi-bin", "monitor", "notifier", "driver"}) {
        const QString system = QStringLiteral("/usr/lib/cups/") + QString::fromLatin1(part);
        if (QFileInfo::exists(system)) {
            QFile::link(system, root.filePath(QStringLiteral("bin/") + QString::fromLatin1(part)));
        }
    }
    // Network printers are reached through the system's IPP backends.
    const QStringList backends = m_busAddress.isEmpty() ? QStringList() : QStringList {"ipp", "ipps"};
    for (const QString& backend : backends) {
        QFile::link(QStringLiteral("/usr/lib/cups/backend/") + backend, root.filePath("bin/backend/" + backend));
    }
    // Owner-only, so cupsd runs it as root and it can write into this private folder.
    if (!writeFile(root.filePath("conf/cupsd.conf"), cupsd) || !writeFile(root.filePath("conf/cups-files.conf"), files)
        || !writeFile(root.filePath("bin/backend/pdf-folder"), kBackend,
                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        return QStringLiteral("cannot write the server's configuration");
    }
    return QString();
}

QString CupsServer::start()
{
    if (isRunning()) {
        return QString();
    }
    const QString cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin")});
    if (cupsd.isEmpty()) {
        return QStringLiteral("cupsd is not installed (Debian package cups-daemon)");
    }
    if (!m_dir) {
        m_dir = std::make_unique<QTemporaryDir>();
        if (!m_dir->isValid()) {
            return QStringLiteral("no temporary folder");
        }
        if (const QString error = writeConfiguration(); !error.isEmpty()) {
            return error;
        }
        // The filters a network printer's queue runs, as user lp, read the job from in here.
        if (!m_busAddress.isEmpty()) {
            QFile::setPermissions(m_dir->path(), QFile::permissions(m_dir->path()) | QFile::ExeOther);
        }
    }
    const QString socket = m_dir->filePath(QStringLiteral("cups.sock"));
    // This process and every tool it starts reach this server only; client settings come from here too.
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    qputenv("CUPS_SERVERROOT", m_dir->filePath(QStringLiteral("conf")).toLocal8Bit());
    cupsSetServer(nullptr);

    m_cupsd = std::make_unique<QProcess>();
    m_cupsd->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Should the test program die, its server goes with it.
    m_cupsd->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    const QStringList arguments {QStringLiteral("-f"), QStringLiteral("-c"), m_dir->filePath("conf/cupsd.conf"),
                                 QStringLiteral("-s"), m_dir->filePath("conf/cups-files.conf")};
    if (m_enter.isEmpty()) {
        m_cupsd->start(cupsd, arguments);
    } else {
        m_cupsd->start(m_enter.first(), m_enter.mid(1) + QStringList {QStringLiteral("--"), cupsd} + arguments);
    }
    if (!m_cupsd->waitForStarted(10000)) {
        const QString error = QStringLiteral("cupsd could not be started: ") + m_cupsd->errorString();
        m_cupsd.reset();
        return error;
    }
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        if (m_cupsd->state() != QProcess::Running) {
            QFile log(m_dir->filePath(QStringLiteral("log/error_log")));
            log.open(QIODevice::ReadOnly);
            const QString error
                = QStringLiteral("cupsd ended at once: ") + QString::fromLocal8Bit(log.readAll().right(600));
            m_cupsd.reset();
            return error;
        }
        if (QFileInfo::exists(socket)) {
            http_t* http = httpConnect2(socket.toLocal8Bit().constData(), 0, nullptr, AF_LOCAL, HTTP_ENCRYPTION_NEVER,
                                        1, 1000, nullptr);
            if (http) {
                httpClose(http);
                return QString();
            }
        }
        m_cupsd->waitForFinished(50);
    }
    stop();
    return QStringLiteral("cupsd did not answer on its socket");
}

void CupsServer::stop()
{
    if (!m_cupsd) {
        return;
    }
    if (m_cupsd->state() != QProcess::NotRunning) {
        m_cupsd->terminate();
        if (!m_cupsd->waitForFinished(10000)) {
            m_cupsd->kill();
            m_cupsd->waitForFinished(5000);
        }
    }
    m_cupsd.reset();
}

void CupsServer::browseDnsSd(const QByteArray& busAddress, const QStringList& enter)
{
    m_busAddress = busAddress;
    m_enter = enter;
}

QString CupsServer::log(const QString& name) const
{
    QFile file(m_dir ? m_dir->filePath(QStringLiteral("log/") + name) : QString());
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

QString CupsServer::admin(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStandardPaths::findExecutable(tool, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")}),
                  arguments);
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return tool + QStringLiteral(" failed: ") + process.errorString() + QLatin1Char(' ')
            + QString::fromLocal8Bit(process.readAll());
    }
    return QString();
}

QString CupsServer::addQueue(const QString& name)
{
    return admin(QStringLiteral("lpadmin"),
                 {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                  QStringLiteral("pdf-folder:") + m_dir->filePath(QStringLiteral("out"))});
}

QStringList CupsServer::documents() const
{
    QStringList files = QDir(m_dir->filePath(QStringLiteral("out"))).entryList({QStringLiteral("job-*.pdf")});
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        return a.mid(4).split(QLatin1Char('.')).first().toInt() < b.mid(4).split(QLatin1Char('.')).first().toInt();
    });
    for (QString& file : files) {
        file = m_dir->filePath(QStringLiteral("out/") + file);
    }
    return files;
}

QList<CupsServer::Job> CupsServer::jobs(const QString& queue, int timeout)
{
    QList<Job> result;
    const QDeadlineTimer deadline(timeout);
    do {
        result.clear();
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
        bool pending = false;
        for (int i = 0; i < count; ++i) {
            pending = pending || jobs[i].state < IPP_JSTATE_STOPPED;
            const QString pdf = m_dir->filePath(QStringLiteral("out/job-%1.pdf").arg(jobs[i].id));
            result.append({jobs[i].id, QString::fromUtf8(jobs[i].title), jobs[i].state == IPP_JSTATE_COMPLETED,
                           QFileInfo::exists(pdf) ? pdf : QString()});
        }
        cupsFreeJobs(count, jobs);
        std::sort(result.begin(), result.end(), [](const Job& a, const Job& b) { return a.id < b.id; });
        if (!pending) {
            return result;
        }
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return result;
}

} // namespace corvanel::test
