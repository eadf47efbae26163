#pragma once
// The hypertext box as a window class of its own, drawing the hypertext model in the "body"
// look (宋体 12 px, black), links blue and underlined while the pointer is on them, a hand pointer
// over a link with an address, and reporting a left press on such a link.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/hypertext/hypertext.hpp"

namespace pixtallo::ui::win32 {

class HypertextWindow {
  public:
    using LinkHandler = std::function<void(std::string_view address)>;

    // Registers the window class once per process.
    static void register_class(HINSTANCE instance);
    static HWND create(HWND parent, int id, bool with_border, LinkHandler on_link);
    // The state behind a hypertext box; nullptr for any other window.
    static HypertextWindow* of(HWND window);

    void set_content(std::string_view content);
    const std::string& content() const { return content_; }
    std::optional<std::size_t> hovered_link() const { return hovered_; }
    // Where link `index` is drawn, in the box's client co-ordinates; empty when it is not.
    RECT link_rect(std::size_t index) const;

  private:
    struct Placed {
        RECT rect;
        std::size_t run;
    };
    HypertextWindow(HWND window, LinkHandler on_link);
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    void lay_out();
    void paint();
    std::optional<std::size_t> link_at(POINT point) const;
    void hover(std::optional<std::size_t> link);

    HWND window_;
    LinkHandler on_link_;
    std::string content_;
    Hypertext document_;
    std::vector<Placed> placed_;
    std::optional<std::size_t> hovered_;
    bool tracking_ = false;
};

}  // namespace pixtallo::ui::win32
