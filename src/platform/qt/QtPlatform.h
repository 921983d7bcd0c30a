#pragma once

#include "platform/Platform.h"
#include "platform/qt/QtConnectivity.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtHttpClient.h"
#include "platform/qt/QtPrinting.h"
#include "platform/qt/QtUrlOpener.h"

namespace corvanel::platform {

/**
 * Every real service, made together the way the program runs with them. Each is
 * cheap to make: the printer and the network monitor are set up on first use.
 */
struct QtPlatform
{
    QtDialogs dialogs;
    QtUrlOpener urls;
    QtConnectivity connectivity;
    QtHttpClient http;
    QtPrinting printing;
    Platform platform {dialogs, urls, connectivity, http, printing};
};

} // namespace corvanel::platform
