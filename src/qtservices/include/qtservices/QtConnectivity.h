#pragma once

#include "platform/Network.h"

#include <QNetworkInformation>

#include <optional>

namespace corvanel::platform {

/**
 * Asks the desktop's network monitor (NetworkManager or GLib, through
 * QNetworkInformation) whether the machine is online; where none answers,
 * looks for a network interface that is up and has an address.
 */
class QtConnectivity : public Connectivity
{
public:
    bool isConnected() override;

    /**
     * What a monitor's verdict means for the check: true for Online and Site,
     * false for Disconnected and Local, nothing for Unknown (look at the interfaces).
     */
    static std::optional<bool> fromReachability(QNetworkInformation::Reachability reachability);

    /** Whether some interface other than loopback is up and running with a routable (not link-local) address. */
    static bool hasUsableInterface();
};

} // namespace corvanel::platform
