#pragma once
// The link strip's and the launchers' handlers until those features are built: their events are
// bound and fire, and do nothing.

#include "ui/main_window/bound_handlers.hpp"

namespace pixtallo::app {

class PendingHandlers final : public ui::BoundHandlers {
  public:
    void build_link_banner() override {}
    void scroll_link_banner() override {}
    void watch_banner_hover() override {}
    void run_system_calculator() override {}
    void open_banner_web_page() override {}
};

}  // namespace pixtallo::app
