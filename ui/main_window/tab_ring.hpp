#pragma once
// The ring that Tab and Shift+Tab move the focus around.

#include <vector>

#include "ui/layout/control_layout.hpp"

namespace pixtallo::ui {

// The visible, enabled tab stops, by tab order number and then by layout place, highest first.
const std::vector<ControlId>& tab_ring();

// The control after `current` in the ring (before it when `backwards`), wrapping at the ends.
// From a control outside the ring, the first of the ring (the last when `backwards`).
ControlId next_in_tab_ring(ControlId current, bool backwards);

}  // namespace pixtallo::ui
