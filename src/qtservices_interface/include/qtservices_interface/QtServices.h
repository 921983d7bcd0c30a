#pragma once

#include <QtPlugin>

#include <memory>

namespace corvanel::platform {

class Connectivity;
class HttpClient;
class Printing;

/**
 * The Qt services plugin: printing through Qt Print Support and CUPS, HTTP and
 * connectivity through Qt Network. The program loads it the first time it prints
 * or checks for an update, so neither library is loaded at start. Each function
 * makes a new service, which the caller owns.
 *
 * The services cross into the program as C++ objects whose layout must match the
 * program's, so the interface's id carries the version it was built for, and the
 * program refuses a plugin of any other.
 */
class QtServices
{
public:
    virtual ~QtServices() = default;

    virtual std::unique_ptr<Printing> makePrinting() = 0;
    virtual std::unique_ptr<HttpClient> makeHttpClient() = 0;
    virtual std::unique_ptr<Connectivity> makeConnectivity() = 0;
};

} // namespace corvanel::platform

// CORVANEL_QT_SERVICES_IID is set by the build from the program's version.
Q_DECLARE_INTERFACE(corvanel::platform::QtServices, CORVANEL_QT_SERVICES_IID)
