#pragma once

namespace corvanel::platform {

class Connectivity;
class Dialogs;
class HttpClient;
class Printing;
class UrlOpener;

/** The outside services the windows and commands reach, passed in so tests can hand over fakes. */
struct Platform
{
    Dialogs& dialogs;
    UrlOpener& urls;
    Connectivity& connectivity;
    HttpClient& http;
    Printing& printing;
};

} // namespace corvanel::platform
