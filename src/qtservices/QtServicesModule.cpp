#include "qtservices_interface/QtServicesModule.h"

#include "qtservices/QtConnectivity.h"
#include "qtservices/QtHttpClient.h"
#include "qtservices/QtPrinting.h"

namespace corvanel::platform {

extern "C" {

Q_DECL_EXPORT Printing* corvanelMakeQtPrinting()
{
    return new QtPrinting();
}

Q_DECL_EXPORT HttpClient* corvanelMakeQtHttpClient()
{
    return new QtHttpClient();
}

Q_DECL_EXPORT Connectivity* corvanelMakeQtConnectivity()
{
    return new QtConnectivity();
}

} // extern "C"

} // namespace corvanel::platform
