#include "ui/WindowPlacement.h"

#include "ui/WindowFrame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace corvanel::ui {

QMargins frameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

namespace {

void moveFrameToCentre(QWidget& window, const QScreen& screen, QMargins frame)
{
    QRect outer = QRect(QPoint(), window.size()).marginsAdded(frame);
    outer.moveCenter(screen.availableGeometry().center());
    // A top-level's position is its frame's top-left corner.
    window.move(outer.topLeft());
}

} // namespace

void centreOnScreen(QWidget& window, QScreen* screen, QMargins knownFrame)
{
    QScreen* target = screen ? screen : QGuiApplication::primaryScreen();
    if (!target) {
        return;
    }
    window.setScreen(target);
    // show() would size a window that has no size yet; the centre needs the size it will have.
    if (!window.testAttribute(Qt::WA_Resized)) {
        window.adjustSize();
    }
    // Placed before the window is made, so that the window system creates it where it stays.
    moveFrameToCentre(window, *target, knownFrame);
    window.winId();
    // Some platforms know the frame as soon as the window is made; an X11 window manager is asked.
    const QMargins madeFrame = window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
    const QMargins announced
        = madeFrame.isNull() && knownFrame.isNull() ? frameAnnouncedByWindowManager(window) : QMargins();
    if (!announced.isNull()) {
        // Qt then places the client area itself, and the window manager puts its frame around it.
        QRect outer = QRect(QPoint(), window.size()).marginsAdded(announced);
        outer.moveCenter(target->availableGeometry().center());
        window.setGeometry(outer.marginsRemoved(announced));
    } else if (!madeFrame.isNull() && madeFrame != knownFrame) {
        moveFrameToCentre(window, *target, madeFrame);
    }
}

} // namespace corvanel::ui
