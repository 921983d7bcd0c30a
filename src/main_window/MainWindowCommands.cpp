#include "main_window/MainWindow.h"

#include "platform/BlockingWait.h"
#include "platform/Platform.h"
#include "print/PrintChart.h"
#include "print/PrintElementInfo.h"
#include "search/SearchElements.h"
#include "update/CheckForUpdate.h"
#include "windows/AboutWindow.h"

#include <QApplication>
#include <QCloseEvent>

// The menu commands, and the end of the program.
namespace corvanel::ui {

void MainWindow::runCommand(design::Command command)
{
    // A press that assistive technology makes during a blocking wait reaches the controls directly;
    // like the held-back window-system input, it must not start anything then.
    if (platform::BlockingWait::isActive()) {
        return;
    }
    switch (command) {
    case design::Command::Exit:
        exitProgram();
        break;
    case design::Command::SearchElements:
        searchElements();
        break;
    case design::Command::About:
        showAboutWindow(m_platform, this);
        break;
    case design::Command::CheckForUpdate:
        update::CheckForUpdate(m_platform.dialogs, m_platform.connectivity, m_platform.http).run(this);
        break;
    case design::Command::PrintElementInfo:
        print::PrintElementInfo(m_platform.dialogs, m_platform.printing).run(*this, this);
        break;
    case design::Command::PrintChart:
        print::PrintChart(m_platform.dialogs, m_platform.printing).run(*this, m_client);
        break;
    case design::Command::DropDown:
    case design::Command::Separator:
        break;
    }
}

void MainWindow::searchElements()
{
    search::SearchElements command(m_platform.dialogs, [this](int atomicNumber) {
        if (const Tile* found = tile(atomicNumber)) {
            selectElement(found->button, *found->record);
        }
    });
    command.run(this);
}

void MainWindow::exitProgram()
{
    // Closing this window closes every other one (see closeEvent); the program then ends.
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Every other window of the program goes with the main window; nothing is asked or saved.
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window != this && window->objectName() != objectName() && window->isVisible()) {
            window->close();
        }
    }
    event->accept();
}

} // namespace corvanel::ui
