#pragma once

#include "platform/Network.h"

#include <chrono>

namespace corvanel::platform {

/**
 * HTTP GET through QNetworkAccessManager, waited for in a local event loop that
 * keeps windows painting but holds back the user's input until the fetch ends.
 * Gives up on an error status, a body over kMaxBodyBytes, more than
 * kMaxRedirects redirects, or when the time-out has passed for the whole
 * transfer (not only between two packets).
 */
class QtHttpClient : public HttpClient
{
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout = std::chrono::seconds(60);
    /** A version text is a few bytes; anything this large is not one. */
    static constexpr qint64 kMaxBodyBytes = 64 * 1024;
    static constexpr int kMaxRedirects = 5;

    /** @p timeout bounds the whole transfer, from the request to the body's last byte; at least 1 ms. */
    explicit QtHttpClient(std::chrono::milliseconds timeout = kDefaultTimeout);

    std::chrono::milliseconds timeout() const { return m_timeout; }

    std::optional<QString> get(const QUrl& url) override;

private:
    std::chrono::milliseconds m_timeout;
};

} // namespace corvanel::platform
