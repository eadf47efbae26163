#include "ui/link_banner/link_banner.hpp"

#include "engine/utf8.hpp"
#include "ui/layout/main_window_layout.hpp"

namespace pixtallo::ui {
namespace {

constexpr std::string_view line_end = "\r\n";
constexpr std::string_view caption_separator = "··";
constexpr double tolerance = 0.0000001;

ControlId strip() {
    return control_id("简单超文本框1");
}
ControlId scroll_timer() {
    return control_id("时钟1");
}
ControlId hover_timer() {
    return control_id("时钟2");
}

// Whole pixels from a double, the fraction dropped.
std::int64_t truncated(double value) {
    return static_cast<std::int64_t>(value);
}

}  // namespace

std::vector<std::string_view> split_at_characters(std::string_view text,
                                                  std::string_view separator) {
    std::vector<std::string_view> pieces;
    std::size_t piece_start = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text.substr(at).starts_with(separator)) {
            pieces.push_back(text.substr(piece_start, at - piece_start));
            at += separator.size();
            piece_start = at;
        } else {
            at += engine::decode_utf8_at(text, at).length;
        }
    }
    if (piece_start < text.size()) {
        pieces.push_back(text.substr(piece_start));
    }
    return pieces;
}

std::size_t code_page_936_length(std::string_view text) {
    std::size_t length = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t bytes = engine::decode_utf8_at(text, at).length;
        length += bytes == 1 && static_cast<unsigned char>(text[at]) < 0x80 ? 1u : 2u;
        at += bytes;
    }
    return length;
}

LinkStrip assemble_link_strip(std::string_view link_list) {
    LinkStrip strip{{}, 0};
    for (const std::string_view line : split_at_characters(link_list, line_end)) {
        const std::vector<std::string_view> pieces = split_at_characters(line, caption_separator);
        if (pieces.size() != 2) {
            continue;
        }
        const std::string_view caption = pieces[0];
        const std::string_view address = pieces[1];
        strip.hypertext.append("  <a href=").append(address).append(">");
        strip.hypertext.append(caption).append("</a>  ");
        strip.width = truncated(static_cast<double>(strip.width) +
                                static_cast<double>(code_page_936_length(caption) + 4) * 6.0);
    }
    return strip;
}

void build_link_banner(Toolkit& toolkit) {
    const Size client = toolkit.client_size();
    toolkit.set_left(strip(), client.width);
    toolkit.set_top(strip(), truncated(static_cast<double>(client.height) - 20.0));
    const LinkStrip links = assemble_link_strip(main_window_settings().tag_text);
    toolkit.set_width(strip(), links.width);
    toolkit.set_text(strip(), links.hypertext);
    toolkit.set_timer_interval(scroll_timer(), banner_interval_ms);
    toolkit.set_timer_interval(hover_timer(), banner_interval_ms);
}

void scroll_link_banner(Toolkit& toolkit) {
    const double w = toolkit.geometry(strip()).width;
    const double x = toolkit.geometry(strip()).left;
    if (x - (0.0 - w) >= -tolerance) {  // the right edge is not yet past the left edge
        toolkit.set_left(strip(), truncated(x - banner_step));
    } else {
        toolkit.set_left(strip(), toolkit.client_size().width);
    }
}

// The band is the strip's own row on the screen, across the window's outer width. Every value is
// read afresh, so the band follows the window when it moves.
void watch_banner_hover(Toolkit& toolkit) {
    const Point pointer = toolkit.pointer_position();
    const Rect window = toolkit.window_rect();
    const std::int64_t x0 = window.left;
    const int h = toolkit.geometry(strip()).height;
    const std::int64_t y1 = truncated(static_cast<double>(toolkit.client_origin().y) +
                                      toolkit.geometry(strip()).top + h);
    // In this order, the first failing test ending the testing.
    const bool in_band =
        pointer.x > x0 &&
        pointer.y<y1&& static_cast<double>(pointer.x) - static_cast<double>(x0 + window.width) <
                  -tolerance&& static_cast<double>(pointer.y) -
                      static_cast<double>(y1 - toolkit.geometry(strip()).height)>
            tolerance;
    toolkit.set_timer_interval(scroll_timer(), in_band ? 0 : banner_interval_ms);
}

}  // namespace pixtallo::ui
