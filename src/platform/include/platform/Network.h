#pragma once

#include <QString>

#include <optional>

class QUrl;

namespace corvanel::platform {

/** Tells whether the machine is online; asked afresh every time, never cached. */
class Connectivity
{
public:
    virtual ~Connectivity() = default;

    /** Returns whether the machine appears to have a connection to the Internet. */
    virtual bool isConnected() = 0;
};

/** A blocking HTTP GET of a small text. */
class HttpClient
{
public:
    virtual ~HttpClient() = default;

    /**
     * Fetches @p url and returns the response body as text, or nothing when no
     * body can be had (unreachable, timed out, error status, too large). Blocks
     * the calling thread until then; windows keep repainting meanwhile.
     */
    virtual std::optional<QString> get(const QUrl& url) = 0;
};

} // namespace corvanel::platform
