#include "platform_qt/LazyServices.h"

#include "qtservices_interface/QtServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QPluginLoader>
#include <QString>

namespace corvanel::platform {

namespace {

/** Loads the plugin from @p path; null, with the reason in @p reasons, when it is not there or not ours. */
QtServices* loadFrom(const QString& path, QStringList& reasons)
{
    if (!QFileInfo::exists(path)) {
        reasons.append(QStringLiteral("%1: no such file").arg(path));
        return nullptr;
    }
    QPluginLoader loader(path);
    // Kept loaded for the program's life: the services it made live that long.
    loader.setLoadHints(QLibrary::PreventUnloadHint);
    // Read before the library is loaded, so none of a stale plugin's code runs.
    const QString iid = loader.metaData().value(QStringLiteral("IID")).toString();
    if (iid.isEmpty()) {
        reasons.append(QStringLiteral("%1: %2").arg(path, loader.errorString()));
        return nullptr;
    }
    if (iid != QLatin1String(CORVANEL_QT_SERVICES_IID)) {
        reasons.append(
            QStringLiteral("%1: made for %2, not %3").arg(path, iid, QLatin1String(CORVANEL_QT_SERVICES_IID)));
        return nullptr;
    }
    if (auto* services = qobject_cast<QtServices*>(loader.instance())) {
        return services;
    }
    reasons.append(QStringLiteral("%1: %2").arg(path, loader.errorString()));
    return nullptr;
}

/**
 * The Qt services plugin, loaded on first call from the program's plugin folder: the
 * program's own folder in the build tree, else where it is installed beside it. Null
 * when it cannot be loaded; the reasons go to the log.
 */
QtServices* qtServices()
{
    static QtServices* const services = [] {
        const QString programDir = QCoreApplication::applicationDirPath();
        const QString file = QStringLiteral(CORVANEL_QT_SERVICES_FILE);
        const QStringList candidates {
            programDir + u'/' + file,
            QDir::cleanPath(programDir + QStringLiteral("/" CORVANEL_QT_SERVICES_DIR "/") + file)};
        QStringList reasons;
        for (const QString& path : candidates) {
            if (QtServices* found = loadFrom(path, reasons)) {
                return found;
            }
        }
        qWarning("Corvanel: cannot load the Qt services plugin, so printing and the network are unavailable: %s",
                 qPrintable(reasons.join(QStringLiteral("; "))));
        return static_cast<QtServices*>(nullptr);
    }();
    return services;
}

template<typename Service>
void loadOnce(std::unique_ptr<Service>& real, bool& tried, std::unique_ptr<Service> (QtServices::*make)())
{
    if (tried) {
        return;
    }
    tried = true;
    if (QtServices* services = qtServices()) {
        real = (services->*make)();
    }
}

} // namespace

LazyPrinting::~LazyPrinting() = default;

Printing* LazyPrinting::real() const
{
    loadOnce(m_real, m_tried, &QtServices::makePrinting);
    return m_real.get();
}

PrintDialogOutcome LazyPrinting::showPrinter(QWidget* owner)
{
    // Without the plugin there is no printer to choose: the command goes on and finds that the
    // document cannot be opened, which it reports.
    if (Printing* printing = real()) {
        return printing->showPrinter(owner);
    }
    return PrintDialogOutcome::Confirmed;
}

int LazyPrinting::copies() const
{
    const Printing* printing = real();
    return printing ? printing->copies() : 1;
}

QString LazyPrinting::outputFile()
{
    Printing* printing = real();
    return printing ? printing->outputFile() : QString();
}

bool LazyPrinting::hasDestination()
{
    // Without the module no file could be written either: the command goes on and reports the failure.
    Printing* printing = real();
    return !printing || printing->hasDestination();
}

bool LazyPrinting::chooseOutputFile(QWidget* owner)
{
    Printing* printing = real();
    return printing && printing->chooseOutputFile(owner);
}

bool LazyPrinting::beginDocument()
{
    Printing* printing = real();
    return printing && printing->beginDocument();
}

bool LazyPrinting::printLine(const QString& text)
{
    Printing* printing = real();
    return printing && printing->printLine(text);
}

bool LazyPrinting::endDocument()
{
    Printing* printing = real();
    return printing && printing->endDocument();
}

bool LazyPrinting::printWindow(QWidget* window)
{
    Printing* printing = real();
    return printing && printing->printWindow(window);
}

LazyHttpClient::~LazyHttpClient() = default;

std::optional<QString> LazyHttpClient::get(const QUrl& url)
{
    loadOnce(m_real, m_tried, &QtServices::makeHttpClient);
    return m_real ? m_real->get(url) : std::nullopt;
}

LazyConnectivity::~LazyConnectivity() = default;

bool LazyConnectivity::isConnected()
{
    loadOnce(m_real, m_tried, &QtServices::makeConnectivity);
    return m_real && m_real->isConnected();
}

} // namespace corvanel::platform
