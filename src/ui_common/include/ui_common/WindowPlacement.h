#pragma once

#include <QMargins>

class QScreen;
class QWidget;

namespace corvanel::ui {

/**
 * Places @p window so that its frame is centred on the available area of
 * @p screen (the primary screen when null). Call it before the window is first
 * shown, so that it is mapped where it stays and never jumps.
 *
 * A window system tells the frame's size only once a window is mapped. Until
 * then the frame is the window's own, where its platform window already knows
 * it, else @p knownFrame: the frame margins of a window of ours that is
 * mapped on the same desktop (the main window's, for a window opened from it).
 */
void centreOnScreen(QWidget& window, QScreen* screen, QMargins knownFrame = {});

/** The frame margins the window system gave @p window; empty until it is mapped. */
QMargins frameMargins(const QWidget& window);

} // namespace corvanel::ui
