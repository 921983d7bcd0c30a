#include "platform/qt/LazyServices.h"

#include "platform/qt/QtServicesModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QString>

#include <dlfcn.h>

namespace corvanel::platform {

namespace {

/**
 * Finds a maker in the Qt services module: in this process when it is linked in
 * (tests, benchmarks), else in the module beside the program (build tree) or where
 * it is installed. Null when there is none; the reason goes to the log.
 */
template<typename Maker> Maker findMaker(const char* name)
{
    if (void* linked = dlsym(RTLD_DEFAULT, name)) {
        return reinterpret_cast<Maker>(linked);
    }
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString file = QStringLiteral(CORVANEL_QT_SERVICES_FILE);
    const QStringList candidates {
        programDir + u'/' + file,
        QDir::cleanPath(programDir + QStringLiteral("/" CORVANEL_QT_SERVICES_DIR "/") + file)};
    for (const QString& path : candidates) {
        QLibrary module(path);
        // Kept loaded for the program's life: the services it made live that long.
        module.setLoadHints(QLibrary::PreventUnloadHint);
        if (QFunctionPointer maker = module.resolve(name)) {
            return reinterpret_cast<Maker>(maker);
        }
    }
    qWarning("Corvanel: cannot load %s from %s", CORVANEL_QT_SERVICES_FILE, qPrintable(candidates.join(u", ")));
    return nullptr;
}

template<typename Service> void loadOnce(std::unique_ptr<Service>& real, bool& tried, const char* makerName)
{
    if (tried) {
        return;
    }
    tried = true;
    if (auto make = findMaker<Service* (*)()>(makerName)) {
        real.reset(make());
    }
}

} // namespace

LazyPrinting::LazyPrinting() = default;
LazyPrinting::~LazyPrinting() = default;

Printing* LazyPrinting::real() const
{
    loadOnce(m_real, m_tried, "corvanelMakeQtPrinting");
    return m_real.get();
}

PrintDialogOutcome LazyPrinting::showPrinter(QWidget* owner)
{
    // Without the module there is no printer to choose: the command goes on and finds that the
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

LazyHttpClient::LazyHttpClient() = default;
LazyHttpClient::~LazyHttpClient() = default;

std::optional<QString> LazyHttpClient::get(const QUrl& url)
{
    loadOnce(m_real, m_tried, "corvanelMakeQtHttpClient");
    return m_real ? m_real->get(url) : std::nullopt;
}

LazyConnectivity::LazyConnectivity() = default;
LazyConnectivity::~LazyConnectivity() = default;

bool LazyConnectivity::isConnected()
{
    loadOnce(m_real, m_tried, "corvanelMakeQtConnectivity");
    return m_real && m_real->isConnected();
}

} // namespace corvanel::platform
