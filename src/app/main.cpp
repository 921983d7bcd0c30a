#include "app/ApplicationSetup.h"
#include "app/Startup.h"
#include "platform/Platform.h"
#include "platform/qt/QtConnectivity.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtHttpClient.h"
#include "platform/qt/QtPrinting.h"
#include "platform/qt/QtUrlOpener.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    corvanel::app::configureApplication();

    corvanel::platform::QtDialogs dialogs;
    corvanel::platform::QtUrlOpener urls;
    corvanel::platform::QtConnectivity connectivity;
    corvanel::platform::QtHttpClient http;
    corvanel::platform::QtPrinting printing;
    corvanel::platform::Platform platform {dialogs, urls, connectivity, http, printing};

    if (!corvanel::app::startCorvanel(platform)) {
        return 0;
    }
    return QApplication::exec();
}
