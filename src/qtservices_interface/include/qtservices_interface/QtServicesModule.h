#pragma once

namespace corvanel::platform {

class Connectivity;
class HttpClient;
class Printing;

/**
 * The entry points of the Qt services module (printing through Qt Print Support,
 * HTTP and connectivity through Qt Network). The program loads the module the first
 * time it prints or checks for an update, so neither library is loaded at start.
 * Each function makes a new service; the caller owns it.
 */
extern "C" {
Printing* corvanelMakeQtPrinting();
HttpClient* corvanelMakeQtHttpClient();
Connectivity* corvanelMakeQtConnectivity();
}

} // namespace corvanel::platform
