#include "ui/toolkit/toolkit.hpp"

#include <algorithm>
#include <limits>

namespace pixtallo::ui {

int clamp_position(std::int64_t value) noexcept {
    return static_cast<int>(std::clamp<std::int64_t>(value, -max_coordinate, max_coordinate));
}

int clamp_extent(std::int64_t value) noexcept {
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, max_coordinate));
}

// One side of the rectangle changes; the others stay as they are.
void Toolkit::set_side(ControlId id, int Rect::*side, int value) {
    Rect rect = backend_.geometry(id);
    rect.*side = value;
    backend_.set_geometry(id, rect);
}

void Toolkit::set_left(ControlId id, std::int64_t left) {
    set_side(id, &Rect::left, clamp_position(left));
}

void Toolkit::set_top(ControlId id, std::int64_t top) {
    set_side(id, &Rect::top, clamp_position(top));
}

void Toolkit::set_width(ControlId id, std::int64_t width) {
    set_side(id, &Rect::width, clamp_extent(width));
}

void Toolkit::set_height(ControlId id, std::int64_t height) {
    set_side(id, &Rect::height, clamp_extent(height));
}

int Toolkit::timer_interval(ControlId id) const {
    const auto found = intervals_.find(id);
    return found == intervals_.end() ? 0 : found->second;
}

void Toolkit::set_timer_interval(ControlId id, std::int64_t interval_ms) {
    const int interval =
        static_cast<int>(std::clamp<std::int64_t>(interval_ms, 0, std::numeric_limits<int>::max()));
    if (interval == timer_interval(id)) {
        return;
    }
    intervals_[id] = interval;
    backend_.stop_timer(id);
    if (interval > 0) {
        backend_.start_timer(id, interval);
    }
}

}  // namespace pixtallo::ui
