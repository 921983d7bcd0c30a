#pragma once

#include "platform/Platform.h"
#include "windows/AboutWindowDesign.h"

#include <QDialog>

namespace corvanel::ui {

/**
 * The About window (FrmAbout): the product's name, icon, credits, the systems it
 * runs on, and two links that hand fixed targets to the desktop. A fixed-size
 * dialog built from its design table; opened modal over the main window.
 */
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(platform::Platform& platform, QWidget* owner = nullptr);

private:
    void buildFromDesign();
    void openLink(AboutLinkTarget target);

    platform::Platform m_platform;
};

/** Opens the About window modal over @p owner and returns when it has been closed. */
int showAboutWindow(platform::Platform& platform, QWidget* owner);

} // namespace corvanel::ui
