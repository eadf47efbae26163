#include "app/pixtallo/window_handlers.hpp"

#include "launch/launchers.hpp"
#include "launch/open_link.hpp"
#include "ui/link_banner/link_banner.hpp"

namespace pixtallo::app {

void WindowHandlers::build_link_banner() {
    ui::build_link_banner(toolkit_);
}

void WindowHandlers::scroll_link_banner() {
    ui::scroll_link_banner(toolkit_);
}

void WindowHandlers::watch_banner_hover() {
    ui::watch_banner_hover(toolkit_);
}

void WindowHandlers::run_system_calculator() {
    launch::run_system_calculator(processes_);
}

void WindowHandlers::open_banner_web_page() {
    launch::open_banner_web_page(processes_);
}

void WindowHandlers::open_link(std::string_view address) {
    launch::open_link(processes_, address);
}

}  // namespace pixtallo::app
