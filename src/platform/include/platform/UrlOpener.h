#pragma once

class QUrl;

namespace corvanel::platform {

/** Hands a mailto: or http: target to the desktop's registered mail client or browser. */
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;

    /** Returns whether the desktop accepted the target; callers may ignore it. */
    virtual bool open(const QUrl& target) = 0;
};

} // namespace corvanel::platform
