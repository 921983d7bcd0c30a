#include "app/ApplicationSetup.h"

#include "ui_common/DesignUnits.h"
#include "ui_common/ProgramStyle.h"

#include <QApplication>

namespace corvanel::app {

void configureApplication()
{
    QApplication::setApplicationName(QStringLiteral("Corvanel"));
    QApplication::setOrganizationName(QStringLiteral("Dranwick"));
    QApplication::setDesktopFileName(QStringLiteral("example.dranwick.corvanel"));
    // One look on every desktop: the window designs are measured for it.
    QApplication::setStyle(ui::createProgramStyle());
    ui::installFontSubstitutes();
    ui::askForInstalledFaces();
}

} // namespace corvanel::app
