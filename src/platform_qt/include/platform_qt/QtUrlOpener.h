#pragma once

#include "platform/UrlOpener.h"

namespace corvanel::platform {

/** Opens targets with the desktop's handlers (xdg-open and friends, through Qt). */
class QtUrlOpener : public UrlOpener
{
public:
    bool open(const QUrl& target) override;
};

} // namespace corvanel::platform
