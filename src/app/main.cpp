#include "app/ApplicationSetup.h"
#include "app/Startup.h"
#include "app/Translations.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    corvanel::app::configureApplication();
    corvanel::app::installTranslations();

    corvanel::platform::QtPlatform services;
    if (!corvanel::app::startCorvanel(services.platform)) {
        return 0;
    }
    return QApplication::exec();
}
