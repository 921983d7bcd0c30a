#include "qtservices/QtConnectivity.h"

#include <QHostAddress>
#include <QNetworkAddressEntry>
#include <QNetworkInterface>

namespace corvanel::platform {

namespace {

/** The process-wide monitor, loaded on first use; null where no backend fits this machine. */
QNetworkInformation* reachabilityMonitor()
{
    using Feature = QNetworkInformation::Feature;
    QNetworkInformation* info = QNetworkInformation::instance();
    if (!info) {
        // The default backend on Linux is NetworkManager; without it the GLib monitor still knows the routes.
        if (QNetworkInformation::loadDefaultBackend()
            || QNetworkInformation::loadBackendByFeatures(Feature::Reachability)) {
            info = QNetworkInformation::instance();
        }
    }
    return info && info->supports(Feature::Reachability) ? info : nullptr;
}

} // namespace

bool QtConnectivity::isConnected()
{
    if (QNetworkInformation* monitor = reachabilityMonitor()) {
        if (const std::optional<bool> verdict = fromReachability(monitor->reachability())) {
            return *verdict;
        }
    }
    return hasUsableInterface();
}

std::optional<bool> QtConnectivity::fromReachability(QNetworkInformation::Reachability reachability)
{
    using Reachability = QNetworkInformation::Reachability;
    switch (reachability) {
    case Reachability::Online:
    case Reachability::Site:
        return true;
    case Reachability::Disconnected:
    case Reachability::Local:
        // Local: a network, but no route beyond it.
        return false;
    case Reachability::Unknown:
        break;
    }
    return std::nullopt;
}

bool QtConnectivity::hasUsableInterface()
{
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& networkInterface : interfaces) {
        const QNetworkInterface::InterfaceFlags flags = networkInterface.flags();
        if (flags.testFlag(QNetworkInterface::IsLoopBack) || !flags.testFlag(QNetworkInterface::IsUp)
            || !flags.testFlag(QNetworkInterface::IsRunning)) {
            continue;
        }
        const QList<QNetworkAddressEntry> entries = networkInterface.addressEntries();
        for (const QNetworkAddressEntry& entry : entries) {
            const QHostAddress address = entry.ip();
            // Every IPv6 interface carries a link-local address by itself; it reaches no further than the cable.
            if (!address.isNull() && !address.isLoopback() && !address.isLinkLocal()) {
                return true;
            }
        }
    }
    return false;
}

} // namespace corvanel::platform
