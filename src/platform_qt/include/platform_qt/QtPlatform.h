#pragma once

#include "platform/Platform.h"
#include "platform_qt/LazyServices.h"
#include "platform_qt/QtDialogs.h"
#include "platform_qt/QtUrlOpener.h"

namespace corvanel::platform {

/**
 * Every real service, made together the way the program runs with them. Each is
 * cheap to make: printing and the network come from the Qt services plugin, which
 * is loaded, with Qt Print Support and Qt Network, when one of them is first used;
 * the printer and the network monitor are then set up on first use.
 */
struct QtPlatform
{
    QtDialogs dialogs;
    QtUrlOpener urls;
    LazyConnectivity connectivity;
    LazyHttpClient http;
    LazyPrinting printing;
    Platform platform {dialogs, urls, connectivity, http, printing};
};

} // namespace corvanel::platform
