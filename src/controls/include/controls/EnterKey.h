#pragma once

#include <QKeyEvent>

namespace corvanel::ui {

/**
 * Whether @p event is the Enter that presses a focused button or link: Return or
 * the keypad's Enter, alone or with Shift. Ctrl and Alt with Enter are left to
 * shortcuts.
 */
inline bool isEnterPress(const QKeyEvent& event)
{
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    return enter && (event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == Qt::NoModifier;
}

} // namespace corvanel::ui
