#pragma once
// The services the window's handlers use, with the rules every adapter promises kept here, once:
// geometry is cut to the toolkit's limits, a timer's interval follows the timer rules, texts pass
// through unchanged.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "ui/toolkit/toolkit_backend.hpp"

namespace pixtallo::ui {

inline constexpr int max_coordinate = 32627;

// A written left or top is cut to -32627..32627, a width or height to 0..32627.
int clamp_position(std::int64_t value) noexcept;
int clamp_extent(std::int64_t value) noexcept;

class Toolkit {
  public:
    explicit Toolkit(ToolkitBackend& backend) : backend_(backend) {}

    ToolkitBackend& backend() noexcept { return backend_; }

    // Left and top relative to the parent; width and height outer sizes.
    Rect geometry(ControlId id) const { return backend_.geometry(id); }
    // Writing left or top keeps the size; writing width or height keeps the place.
    void set_left(ControlId id, std::int64_t left);
    void set_top(ControlId id, std::int64_t top);
    void set_width(ControlId id, std::int64_t width);
    void set_height(ControlId id, std::int64_t height);

    // The whole text, bytes unchanged; an empty box gives the empty text.
    std::string text(ControlId id) const { return backend_.text(id); }
    void set_text(ControlId id, std::string_view text) { backend_.set_text(id, text); }

    // 0 means stopped. Writing the current interval does nothing (a running timer keeps its
    // phase); another value above 0 restarts the timer, its first tick a full period later;
    // 0 or less stops it.
    int timer_interval(ControlId id) const;
    void set_timer_interval(ControlId id, std::int64_t interval_ms);

    Point pointer_position() const { return backend_.pointer_position(); }
    Size client_size() const { return backend_.client_size(); }
    Rect window_rect() const { return backend_.window_rect(); }
    Point client_origin() const { return backend_.client_origin(); }

  private:
    void set_side(ControlId id, int Rect::*side, int value);

    ToolkitBackend& backend_;
    std::map<ControlId, int> intervals_;  // every timer starts stopped
};

}  // namespace pixtallo::ui
