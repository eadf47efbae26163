#pragma once
// MainWindow as constant data: the window's settings, its 71 controls, the style sheet of the
// hypertext boxes, the usage notes and the link list.

#include <array>
#include <span>
#include <string_view>

#include "ui/layout/control_layout.hpp"

namespace pixtallo::ui {

inline constexpr std::size_t control_count = 71;

const WindowLayout& main_window_settings() noexcept;

// Indexed by place - 1: controls()[0] is No. 1, 简单超文本框2.
const std::array<ControlLayout, control_count>& controls() noexcept;

const ControlLayout& control(ControlId id) noexcept;

// nullptr when no control has that name.
const ControlLayout* control_by_name(std::string_view name) noexcept;

// The control with that name; the name must be one of the layout's.
ControlId control_id(std::string_view name) noexcept;

// Both hypertext boxes carry this style sheet: seventeen lines, each ending in CR LF.
extern const std::string_view style_sheet;

// The content of 简单超文本框2: seven lines separated by CR LF, none after the last.
extern const std::string_view usage_notes;

// The window's tag text: eight lines of caption, "··" and address, each ending in CR LF.
extern const std::string_view LinkListText;

}  // namespace pixtallo::ui
