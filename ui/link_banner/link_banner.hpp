#pragma once
// The link strip along the window's bottom edge: built once from the window's link list, moved
// by 时钟1 and paused by 时钟2 while the pointer is on its row.

#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit/toolkit.hpp"

namespace pixtallo::ui {

inline constexpr int banner_interval_ms = 180;
inline constexpr int banner_step = 5;

// Cuts `text` at every `separator` that begins at a character boundary. Every cut yields a
// piece, empty ones included; the bytes after the last cut only when there are some.
std::vector<std::string_view> split_at_characters(std::string_view text,
                                                  std::string_view separator);

// The text's length in bytes of code page 936: one for each ASCII character, two for any other.
std::size_t code_page_936_length(std::string_view text);

struct LinkStrip {
    std::string hypertext;
    std::int64_t width;
};

// The strip's content and width from a link list: each line of caption "··" address becomes
// "  <a href=ADDRESS>CAPTION</a>  " and adds (caption length + 4) x 6 pixels; other lines add
// nothing.
LinkStrip assemble_link_strip(std::string_view link_list);

// Creation complete: places the strip beyond the client area's right edge, 20 pixels above its
// bottom, gives it its links and width, and starts both timers.
void build_link_banner(Toolkit& toolkit);

// 时钟1's tick: five pixels to the left, or back to the right edge once wholly past the left one.
void scroll_link_banner(Toolkit& toolkit);

// 时钟2's tick: stops 时钟1 while the pointer is on the strip's row across the window, and lets it
// run otherwise.
void watch_banner_hover(Toolkit& toolkit);

}  // namespace pixtallo::ui
