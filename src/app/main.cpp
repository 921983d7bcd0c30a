#include "app/ApplicationSetup.h"
#include "app/PlatformChoice.h"
#include "app/Startup.h"
#include "app/Translations.h"
#include "platform_qt/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    corvanel::app::StartArguments arguments(argc, argv);
    QApplication app(arguments.count(), arguments.values());
    corvanel::app::configureApplication();
    corvanel::app::installTranslations();

    corvanel::platform::QtPlatform services;
    if (!corvanel::app::startCorvanel(services.platform)) {
        return 0;
    }
    return QApplication::exec();
}
