#pragma once

#include "platform/Network.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>
#include <stdexcept>

namespace corvanel::test {

/** Answers the connection test from a flag and counts the questions; can be told to throw. */
class FakeConnectivity : public platform::Connectivity
{
public:
    explicit FakeConnectivity(bool connected = true)
        : connected(connected)
    {
    }

    bool isConnected() override
    {
        ++calls;
        if (throws) {
            throw std::runtime_error("The connection test failed");
        }
        return connected;
    }

    bool connected;
    bool throws = false;
    int calls = 0;
};

/** Answers every fetch with a scripted body (or a failure) and records the URLs asked for. */
class FakeHttpClient : public platform::HttpClient
{
public:
    std::optional<QString> get(const QUrl& url) override
    {
        requested.append(url);
        if (throws) {
            throw std::runtime_error("The transfer failed");
        }
        return body;
    }

    std::optional<QString> body;
    bool throws = false;
    QList<QUrl> requested;
};

} // namespace corvanel::test
