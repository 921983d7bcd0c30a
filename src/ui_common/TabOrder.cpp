#include "ui_common/TabOrder.h"

#include <QWidget>

#include <algorithm>

namespace corvanel::ui {

void chainTabOrder(TabOrder order)
{
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
    }
}

} // namespace corvanel::ui
