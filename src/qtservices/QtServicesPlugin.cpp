#include "qtservices/QtConnectivity.h"
#include "qtservices/QtHttpClient.h"
#include "qtservices/QtPrinting.h"
#include "qtservices_interface/QtServices.h"

#include <QObject>

namespace corvanel::platform {

/** The plugin's one entry: it makes the Qt services for the program that loads it. */
class QtServicesPlugin : public QObject, public QtServices
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CORVANEL_QT_SERVICES_IID)
    Q_INTERFACES(corvanel::platform::QtServices)

public:
    std::unique_ptr<Printing> makePrinting() override { return std::make_unique<QtPrinting>(); }
    std::unique_ptr<HttpClient> makeHttpClient() override { return std::make_unique<QtHttpClient>(); }
    std::unique_ptr<Connectivity> makeConnectivity() override { return std::make_unique<QtConnectivity>(); }
};

} // namespace corvanel::platform

#include "QtServicesPlugin.moc"
