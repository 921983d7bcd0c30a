#pragma once

#include <QPoint>

#include <optional>
#include <span>

namespace corvanel::ui {

enum class GridDirection
{
    Left,
    Right,
    Up,
    Down,
};

/**
 * Where an arrow key takes the focus on the periodic table, given the centres of
 * all tiles (in any unit) and the grid pitch in the same unit.
 *
 * The rule: look only at tiles whose centre lies ahead in that direction and less
 * than one pitch to either side of the line through the current tile's centre
 * (so a tile half a column across, as the lanthanide and actinide rows are,
 * still counts); take the nearest ahead, then the one nearest the line, then
 * the one further left or up. With none ahead, the focus stays where it is.
 */
std::optional<std::size_t> tileInDirection(std::span<const QPoint> centres, std::size_t from, GridDirection direction,
                                           int pitch);

} // namespace corvanel::ui
