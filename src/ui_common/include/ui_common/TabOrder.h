#pragma once

#include <utility>
#include <vector>

class QWidget;

namespace corvanel::ui {

/** Controls with the tab index their window's design gives them. */
using TabOrder = std::vector<std::pair<int, QWidget*>>;

/** Chains @p order into the focus order by tab index; equal indexes keep the order given. */
void chainTabOrder(TabOrder order);

} // namespace corvanel::ui
