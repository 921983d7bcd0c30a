#include "update/CheckForUpdate.h"

#include "ProductInfo.h"
#include "platform/BlockingWait.h"
#include "platform/Dialogs.h"
#include "platform/Network.h"
#include "version_compare/VersionCompare.h"

#include <QCoreApplication>

#include <utility>

namespace corvanel::update {

namespace {

constexpr const char* kNotConnectedText = QT_TRANSLATE_NOOP("CheckForUpdate", "You are not connected to the Internet");
constexpr const char* kNotConnectedTitle = QT_TRANSLATE_NOOP("CheckForUpdate", "Connection Error");
constexpr const char* kCurrentText = QT_TRANSLATE_NOOP("CheckForUpdate", "You are running the current version ");
constexpr const char* kUpdateText = QT_TRANSLATE_NOOP("CheckForUpdate", "An update is available to version ");

const QString kTitle = QStringLiteral("Corvanel");

QString translated(const char* english)
{
    return QCoreApplication::translate("CheckForUpdate", english);
}

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
        m_dialogs.message(owner, plainOkBox(translated(kNotConnectedText), translated(kNotConnectedTitle)));
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
        m_dialogs.message(owner, plainOkBox(translated(kCurrentText) + comparison.text, kTitle));
        break;
    case VersionOrder::Newer:
        m_dialogs.message(owner, plainOkBox(translated(kUpdateText) + comparison.text, kTitle));
        break;
    case VersionOrder::Older:
    case VersionOrder::NotAVersion:
        break;
    }
}

} // namespace corvanel::update
