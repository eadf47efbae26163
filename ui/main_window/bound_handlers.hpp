#pragma once
// The handlers that the binding table gives to the link strip and the launchers. MainWindow calls
// them through this interface, so the window logic can be tested against recording handlers.

#include <string_view>

namespace pixtallo::ui {

class BoundHandlers {
  public:
    virtual void build_link_banner() = 0;      // the window's creation complete
    virtual void scroll_link_banner() = 0;     // 时钟1's tick
    virtual void watch_banner_hover() = 0;     // 时钟2's tick
    virtual void run_system_calculator() = 0;  // 按钮10's click
    virtual void open_banner_web_page() = 0;   // a left press on the picture banner
    // Not a binding: what a hypertext box does with a press on one of its links.
    virtual void open_link(std::string_view address) = 0;

  protected:
    ~BoundHandlers() = default;
};

}  // namespace pixtallo::ui
