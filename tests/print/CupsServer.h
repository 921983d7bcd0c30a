#pragma once

#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace corvanel::test {

/**
 * A private CUPS server for the tests: its own cupsd with every folder under a
 * temporary directory, reached only through a unix socket (no TCP port), so
 * no system print server is used or touched. The test process and every tool
 * started from it find the server through CUPS_SERVER.
 *
 * The queues are raw queues whose backend, one of the fixture's own, keeps
 * each job's document as job-<id>.pdf in the fixture's folder: cups-pdf, the
 * usual PDF printer, takes its output folder only from the system's
 * /etc/cups, which a test must not change.
 */
class CupsServer
{
public:
    /** One job the server has finished with. */
    struct Job
    {
        int id = 0;
        QString name;
        bool completed = false; ///< printed, as opposed to cancelled or aborted
        QString pdf; ///< the document the queue received; empty if it received none
    };

    CupsServer() = default;
    ~CupsServer() { stop(); }
    CupsServer(const CupsServer&) = delete;
    CupsServer& operator=(const CupsServer&) = delete;

    /**
     * Starts cupsd (again, with the same folders, after stop()) and waits until
     * it answers; empty on success, else why it could not start.
     */
    QString start();
    /** Ends cupsd by its process id and waits for it. */
    void stop();
    bool isRunning() const { return m_cupsd && m_cupsd->state() == QProcess::Running; }

    /**
     * Before the first start(): the server browses DNS-SD for network printers,
     * through the D-Bus system bus at @p busAddress, runs inside @p enter (a
     * command and its arguments to prefix, e.g. nsenter into a namespace), and
     * reaches printers over IPP.
     */
    void browseDnsSd(const QByteArray& busAddress, const QStringList& enter);
    /** The text of the server's log @p name ("access_log", "error_log"). */
    QString log(const QString& name) const;

    /** Runs a CUPS tool (lpadmin, cupsreject, cupsaccept) against this server; empty on success, else its error. */
    QString admin(const QString& tool, const QStringList& arguments);
    /** Adds (or re-creates) the queue @p name, accepting jobs; empty on success. */
    QString addQueue(const QString& name);

    /** The documents the queues have received so far, oldest first. */
    QStringList documents() const;

    /** Every job of @p queue, oldest first, once none is waiting or printing any more (at most @p timeout ms). */
    QList<Job> jobs(const QString& queue, int timeout = 20000);

private:
    QString writeConfiguration();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QProcess> m_cupsd;
    QByteArray m_busAddress;
    QStringList m_enter;
};

} // namespace corvanel::test
