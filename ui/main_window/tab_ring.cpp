#include "ui/main_window/tab_ring.hpp"

#include <algorithm>

#include "ui/layout/main_window_layout.hpp"

namespace pixtallo::ui {

const std::vector<ControlId>& tab_ring() {
    static const std::vector<ControlId> ring = [] {
        std::vector<const ControlLayout*> stops;
        for (const ControlLayout& layout : controls()) {
            if (layout.tab_stop() && layout.visible()) {  // every control is enabled
                stops.push_back(&layout);
            }
        }
        std::stable_sort(
            stops.begin(), stops.end(), [](const ControlLayout* a, const ControlLayout* b) {
                return a->tab_order() != b->tab_order() ? a->tab_order() < b->tab_order()
                                                        : a->id > b->id;
            });
        std::vector<ControlId> ids;
        for (const ControlLayout* layout : stops) {
            ids.push_back(layout->id);
        }
        return ids;
    }();
    return ring;
}

ControlId next_in_tab_ring(ControlId current, bool backwards) {
    const std::vector<ControlId>& ring = tab_ring();
    const auto found = std::find(ring.begin(), ring.end(), current);
    if (found == ring.end()) {
        return backwards ? ring.back() : ring.front();
    }
    const auto index = static_cast<std::size_t>(found - ring.begin());
    const std::size_t step = backwards ? ring.size() - 1 : 1;
    return ring[(index + step) % ring.size()];
}

}  // namespace pixtallo::ui
