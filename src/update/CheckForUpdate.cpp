#include "update/CheckForUpdate.h"

#include "ProductInfo.h"
#include "platform/BlockingWait.h"
#include "platform/Dialogs.h"
#include "platform/Network.h"
#include "version_compare/VersionCompare.h"

#include <utility>

namespace corvanel::update {

namespace {

const QString kNotConnectedText = QStringLiteral("You are not connected to the Internet");
const QString kNotConnectedTitle = QStringLiteral("Connection Error");
const QString kCurrentText = QStringLiteral("You are running the current version ");
const QString kUpdateText = QStringLiteral("An update is available to version ");
const QString kTitle = QStringLiteral("Corvanel");

platform::MessageSpec plainOkBox(const QString& text, const QString& title)
{
    return platform::MessageSpec {text, title, platform::MessageIcon::None, platform::MessageButtons::Ok};
}

} // namespace

CheckForUpdate::CheckForUpdate(platform::Dialogs& dialogs, platform::Connectivity& connectivity,
                               platform::HttpClient& http, QUrl versionUrl)
    : m_dialogs(dialogs)
    , m_connectivity(connectivity)
    , m_http(http)
    , m_versionUrl(std::move(versionUrl))
{
}

QString CheckForUpdate::runningVersion()
{
    return QStringLiteral(CORVANEL_VERSION_TEXT);
}

void CheckForUpdate::run(QWidget* owner) noexcept
{
    // The check is a courtesy: whatever goes wrong, it ends quietly and leaves no trace.
    try {
        runUnguarded(owner);
    } catch (...) {
    }
}

std::optional<QString> CheckForUpdate::fetchVersionText()
{
    // The fetch blocks until it ends; meanwhile the windows leave alone whatever reaches them.
    const platform::BlockingWait blocked;
    return m_http.get(m_versionUrl);
}

void CheckForUpdate::runUnguarded(QWidget* owner)
{
    if (!m_connectivity.isConnected()) {
        m_dialogs.message(owner, plainOkBox(kNotConnectedText, kNotConnectedTitle));
        return;
    }

    // A failed fetch has nothing to compare, just like an answer that is no version.
    const std::optional<QString> body = fetchVersionText();
    if (!body) {
        return;
    }

    const VersionComparison comparison = compareVersions(*body, runningVersion());
    switch (comparison.order) {
    case VersionOrder::Current:
        m_dialogs.message(owner, plainOkBox(kCurrentText + comparison.text, kTitle));
        break;
    case VersionOrder::Newer:
        m_dialogs.message(owner, plainOkBox(kUpdateText + comparison.text, kTitle));
        break;
    case VersionOrder::Older:
    case VersionOrder::NotAVersion:
        break;
    }
}

} // namespace corvanel::update
