#include "ui/main_window/binding_table.hpp"

#include <array>

namespace pixtallo::ui {
namespace {

constexpr std::array<Binding, 20> table = {{
    {main_window_name, own_event, Handler::BuildLinkBanner},
    {"按钮1", own_event, Handler::QuotationProcedure},
    {"按钮2", own_event, Handler::QuotationProcedure},
    {"按钮3", own_event, Handler::QuotationProcedure},
    {"按钮4", own_event, Handler::QuotationProcedure},
    {"按钮5", own_event, Handler::QuotationProcedure},
    {"按钮6", own_event, Handler::QuotationProcedure},
    {"按钮7", own_event, Handler::QuotationProcedure},
    {"按钮8", own_event, Handler::QuotationProcedure},
    {"按钮9", own_event, Handler::QuotationProcedure},
    {"按钮11", own_event, Handler::QuotationProcedure},
    {"按钮12", own_event, Handler::QuotationProcedure},
    {"按钮13", own_event, Handler::QuotationProcedure},
    {"按钮14", own_event, Handler::QuotationProcedure},
    {"按钮15", own_event, Handler::QuotationProcedure},
    {"按钮16", own_event, Handler::QuotationProcedure},
    {"按钮10", own_event, Handler::RunSystemCalculator},
    {"图片框1", left_press_event, Handler::OpenBannerWebPage},
    {"时钟1", own_event, Handler::ScrollLinkBanner},
    {"时钟2", own_event, Handler::WatchBannerHover},
}};

}  // namespace

std::span<const Binding> binding_table() noexcept {
    return table;
}

const Binding* find_binding(std::string_view control, int event) noexcept {
    for (const Binding& binding : table) {
        if (binding.control == control && binding.event == event) {
            return &binding;
        }
    }
    return nullptr;
}

}  // namespace pixtallo::ui
