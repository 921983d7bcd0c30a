#include "main_window/MainWindow.h"

#include "catalogue/ElementCatalogue.h"
#include "controls/PowerButton.h"
#include "main_window/GridNavigation.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>

// The selection, its display, and the keyboard's way around the table.
namespace corvanel::ui {

namespace {

constexpr int kGridPitchTwips = 480;

std::optional<GridDirection> arrowDirection(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        return GridDirection::Left;
    case Qt::Key_Right:
        return GridDirection::Right;
    case Qt::Key_Up:
        return GridDirection::Up;
    case Qt::Key_Down:
        return GridDirection::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

const MainWindow::Tile* MainWindow::tile(int atomicNumber) const
{
    const auto found = std::find_if(m_tiles.begin(), m_tiles.end(),
                                    [atomicNumber](const Tile& tile) { return tile.atomicNumber == atomicNumber; });
    return found == m_tiles.end() ? nullptr : &*found;
}

PowerButton* MainWindow::elementButton(int atomicNumber) const
{
    const Tile* found = tile(atomicNumber);
    return found ? found->button : nullptr;
}

void MainWindow::selectElement(PowerButton* button, const catalogue::ElementRecord& record)
{
    m_lblKey->setProperty("colour", button->property("colour"));
    m_lblKey->setText(button->text());
    for (int field = 0; field < catalogue::kFieldCount; ++field) {
        m_currentElement[static_cast<std::size_t>(field)] = catalogue::displayText(record, field);
    }
    button->setFocus();
    displayCurrentElement();
}

void MainWindow::displayCurrentElement()
{
    for (std::size_t slot = 0; slot < m_currentElement.size(); ++slot) {
        m_valueLabels[slot]->setText(m_currentElement[slot]);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return QMainWindow::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const std::optional<GridDirection> direction = arrowDirection(key);
    const auto found
        = std::find_if(m_tiles.begin(), m_tiles.end(), [watched](const Tile& tile) { return tile.button == watched; });
    if (!direction || found == m_tiles.end()) {
        return QMainWindow::eventFilter(watched, event);
    }
    // Only plain arrows (keypad ones included) walk the grid. Every arrow is taken here, so none
    // falls through to the buttons' own habit of stepping along the tab order instead.
    if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        std::array<QPoint, design::kElementButtons.size()> centres;
        std::transform(m_tiles.begin(), m_tiles.end(), centres.begin(), [](const Tile& tile) { return tile.centre; });
        const auto from = static_cast<std::size_t>(found - m_tiles.begin());
        if (const std::optional<std::size_t> to = tileInDirection(centres, from, *direction, kGridPitchTwips)) {
            m_tiles[*to].button->setFocus(Qt::OtherFocusReason);
        }
    }
    // At an edge the focus stays put rather than leaving the table.
    return true;
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // Reached only when no control took the key. Enter moves on like Tab, but never away from a
    // button: one that let an Enter through (Ctrl+Enter, say) keeps the focus.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!qobject_cast<QAbstractButton*>(focusWidget())) {
            focusNextChild();
        }
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace corvanel::ui
