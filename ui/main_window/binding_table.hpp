#pragma once
// The one table that joins controls' events to handlers. No other event has a handler.

#include <span>
#include <string_view>

namespace pixtallo::ui {

// Events are numbered per kind: 0 is the kind's own event (a click, a tick, creation complete),
// -1 the left mouse button pressed.
inline constexpr int own_event = 0;
inline constexpr int left_press_event = -1;

// The window's own name in the table.
inline constexpr std::string_view main_window_name = "MainWindow";

enum class Handler {
    BuildLinkBanner,      // the window's creation complete
    QuotationProcedure,   // a preset button's click, with the button's preset
    RunSystemCalculator,  // 按钮10's click
    OpenBannerWebPage,    // a left press on the picture banner
    ScrollLinkBanner,     // 时钟1's tick
    WatchBannerHover,     // 时钟2's tick
};

struct Binding {
    std::string_view control;
    int event;
    Handler handler;
};

std::span<const Binding> binding_table() noexcept;

// nullptr when the event has no handler.
const Binding* find_binding(std::string_view control, int event) noexcept;

}  // namespace pixtallo::ui
