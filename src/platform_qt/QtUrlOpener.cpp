#include "platform_qt/QtUrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace corvanel::platform {

bool QtUrlOpener::open(const QUrl& target)
{
    // Does not wait for the mail client or browser it starts.
    return QDesktopServices::openUrl(target);
}

} // namespace corvanel::platform
