#include "main_window/GridNavigation.h"

#include <tuple>

namespace corvanel::ui {

std::optional<std::size_t> tileInDirection(std::span<const QPoint> centres, std::size_t from, GridDirection direction,
                                           int pitch)
{
    const QPoint origin = centres[from];
    std::optional<std::size_t> best;
    std::tuple<int, int, int, int> bestKey;
    for (std::size_t i = 0; i < centres.size(); ++i) {
        const QPoint offset = centres[i] - origin;
        int ahead = 0;
        int aside = 0;
        switch (direction) {
        case GridDirection::Left:
            ahead = -offset.x();
            aside = offset.y();
            break;
        case GridDirection::Right:
            ahead = offset.x();
            aside = offset.y();
            break;
        case GridDirection::Up:
            ahead = -offset.y();
            aside = offset.x();
            break;
        case GridDirection::Down:
            ahead = offset.y();
            aside = offset.x();
            break;
        }
        if (ahead <= 0 || qAbs(aside) >= pitch) {
            continue;
        }
        const auto key = std::tuple(ahead, qAbs(aside), centres[i].x(), centres[i].y());
        if (!best || key < bestKey) {
            best = i;
            bestKey = key;
        }
    }
    return best;
}

} // namespace corvanel::ui
