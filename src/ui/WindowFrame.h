#pragma once

#include <QMargins>

class QWidget;

namespace corvanel::ui {

/**
 * The frame an X11 window manager will put around @p window, asked of it before the window is
 * first shown (the window must exist: winId()). Empty where there is no X11 window manager that
 * answers such a question, or it does not answer in time.
 */
QMargins frameAnnouncedByWindowManager(const QWidget& window);

} // namespace corvanel::ui
