#pragma once

#include "fakes/FakeDialogs.h"
#include "platform/Platform.h"

namespace corvanel::test {

/** Every outside service as a recording fake, bundled the way the windows take them. */
struct FakePlatform
{
    FakeDialogs dialogs;
    FakeUrlOpener urls;
    platform::Platform platform {dialogs, urls};
};

} // namespace corvanel::test
