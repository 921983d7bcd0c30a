#pragma once

namespace corvanel::platform {

class Dialogs;
class UrlOpener;

/** The outside services the windows and commands reach, passed in so tests can hand over fakes. */
struct Platform
{
    Dialogs& dialogs;
    UrlOpener& urls;
};

} // namespace corvanel::platform
