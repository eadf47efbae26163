#pragma once
// What the window's bound events do in the program: the link strip and the launchers.

#include "launch/process_services.hpp"
#include "ui/main_window/bound_handlers.hpp"
#include "ui/toolkit/toolkit.hpp"

namespace pixtallo::app {

class WindowHandlers final : public ui::BoundHandlers {
  public:
    WindowHandlers(ui::Toolkit& toolkit, launch::ProcessServices& processes)
        : toolkit_(toolkit), processes_(processes) {}

    void build_link_banner() override;
    void scroll_link_banner() override;
    void watch_banner_hover() override;
    void run_system_calculator() override;
    void open_banner_web_page() override;
    void open_link(std::string_view address) override;

  private:
    ui::Toolkit& toolkit_;
    launch::ProcessServices& processes_;
};

}  // namespace pixtallo::app
