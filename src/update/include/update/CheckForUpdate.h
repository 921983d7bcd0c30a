#pragma once

#include <QString>
#include <QUrl>

#include <optional>

#include "ProductInfo.h"

class QWidget;

namespace corvanel::platform {
class Connectivity;
class Dialogs;
class HttpClient;
} // namespace corvanel::platform

namespace corvanel::update {

/**
 * The Help menu's update check: asks whether the machine is online, fetches the
 * published version text and says whether it is the running version or a newer
 * one. Older versions, unreadable answers and every failure end without a word.
 */
class CheckForUpdate
{
public:
    CheckForUpdate(platform::Dialogs& dialogs, platform::Connectivity& connectivity, platform::HttpClient& http,
                   QUrl versionUrl = QUrl(QStringLiteral(CORVANEL_WEB_PAGE "/Corvanelversion.txt")));

    /** Runs the check to its end; the boxes it shows are modal to @p owner. Never throws. */
    void run(QWidget* owner) noexcept;

    /** The version this program reports as running, e.g. "1.2.1". */
    static QString runningVersion();

private:
    void runUnguarded(QWidget* owner);
    std::optional<QString> fetchVersionText();

    platform::Dialogs& m_dialogs;
    platform::Connectivity& m_connectivity;
    platform::HttpClient& m_http;
    QUrl m_versionUrl;
};

} // namespace corvanel::update
