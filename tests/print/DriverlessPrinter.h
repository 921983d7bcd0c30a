#pragma once

#include "CupsServer.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace corvanel::test {

/**
 * A network printer as a desktop finds one: CUPS's reference IPP Everywhere
 * printer (ippeveprinter), advertised over DNS-SD by an avahi-daemon of its
 * own, and a private cupsd that browses DNS-SD and has no queue for it.
 *
 * They run in a network namespace of their own, whose only interface is its
 * loopback, so nothing is advertised to or reachable from the machine's
 * network, and a mount namespace with a private /run, where avahi-daemon keeps
 * its fixed-path pid file and socket. They talk over a D-Bus system bus of
 * their own, on a socket in the fixture's folder; this process reaches that
 * bus through DBUS_SYSTEM_BUS_ADDRESS and cupsd through CUPS_SERVER. Every
 * process is ended by its id, the namespaces go with the last of them. The
 * namespaces need root.
 */
class DriverlessPrinter
{
public:
    /** The printer's DNS-SD name, which is also the name CUPS lists it under. */
    static constexpr const char* kName = "CorvanelDriverless";

    DriverlessPrinter() = default;
    ~DriverlessPrinter() { stop(); }
    DriverlessPrinter(const DriverlessPrinter&) = delete;
    DriverlessPrinter& operator=(const DriverlessPrinter&) = delete;

    /** Starts it all and waits until CUPS lists the printer; empty on success, else why it could not. */
    QString start();
    /** Ends every process it started, by its id, the last started first. */
    void stop();

    CupsServer& cups() { return m_cups; }
    /** The documents the printer has received so far, oldest first. */
    QStringList received() const;
    /** Whether CUPS has a queue for the printer now (it makes a temporary one when a job asks). */
    static bool hasQueue();
    /** Whether CUPS lists the printer, queue or not. */
    static bool isListed();

private:
    /** Starts @p command (inside the namespaces when @p inside); empty on success, else why not. */
    QString launch(const QStringList& command, bool inside);
    /** Waits until @p process has written @p text; false when it ended or took too long. */
    static bool waitForOutput(QProcess& process, const QByteArray& text);
    QString writeConfiguration();
    /** Starts the namespaces' first process; empty on success, else why not. */
    QString startNamespaces();
    /** Starts the bus, avahi-daemon and the printer in the namespaces; empty on success, else why not. */
    QString startServices();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::vector<std::unique_ptr<QProcess>> m_processes;
    QStringList m_enter;
    CupsServer m_cups;
};

} // namespace corvanel::test
