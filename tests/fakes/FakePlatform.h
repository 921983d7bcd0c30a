#pragma once

#include "fakes/FakeDialogs.h"
#include "fakes/FakeNetwork.h"
#include "fakes/FakePrinting.h"
#include "platform/Platform.h"

namespace corvanel::test {

/** Every outside service as a recording fake, bundled the way the windows take them. */
struct FakePlatform
{
    FakeDialogs dialogs;
    FakeUrlOpener urls;
    FakeConnectivity connectivity;
    FakeHttpClient http;
    FakePrinting printing;
    platform::Platform platform {dialogs, urls, connectivity, http, printing};
};

} // namespace corvanel::test
