#include "ui/main_window/main_window.hpp"

#include "engine/presets.hpp"
#include "engine/quotation.hpp"
#include "ui/layout/main_window_layout.hpp"
#include "ui/main_window/binding_table.hpp"
#include "ui/main_window/tab_ring.hpp"

namespace pixtallo::ui {

MainWindow::MainWindow(Toolkit& toolkit, BoundHandlers& handlers)
    : toolkit_(toolkit), handlers_(handlers), fields_(toolkit_) {
    toolkit.backend().set_event_sink(*this);
}

void MainWindow::open() {
    ToolkitBackend& backend = toolkit_.backend();
    backend.create_window(main_window_settings());
    // Created in reverse layout order, each hidden and first a child of the window.
    for (auto layout = controls().rbegin(); layout != controls().rend(); ++layout) {
        backend.create_control(*layout);
    }
    for (const ControlLayout& layout : controls()) {
        if (layout.parent != window_id) {
            backend.set_parent(layout.id, layout.parent);
        }
    }
    // Raising from the highest place down leaves the lowest place on top among its siblings.
    for (auto layout = controls().rbegin(); layout != controls().rend(); ++layout) {
        backend.raise(layout->id);
    }
    for (const ControlLayout& layout : controls()) {
        if (layout.visible()) {
            backend.show_control(layout.id);
        }
    }
    // The handlers rely on this running before anything has been drawn.
    fire(main_window_name, own_event);
    backend.show_window();
    backend.set_focus(tab_ring().front());
}

int MainWindow::run() {
    return toolkit_.backend().run();
}

bool MainWindow::key_pressed(const KeyPress& key) {
    switch (key.key) {
        case Key::Escape:
            toolkit_.backend().close_window();
            return true;
        case Key::Tab:
            toolkit_.backend().set_focus(next_in_tab_ring(toolkit_.backend().focus(), key.shift));
            return true;
        case Key::Enter:  // no default button, and Enter does not move the focus
        case Key::F1:     // help is off
            return true;
        case Key::Other:
            break;
    }
    return false;
}

PressOutcome MainWindow::left_pressed(ControlId target, Point, int) {
    // The client area itself drags the window; the press also reaches the window, which has no
    // handler for it.
    if (target == window_id) {
        toolkit_.backend().begin_window_drag();
        return PressOutcome::Deliver;
    }
    const ControlLayout& layout = control(target);
    // Labels and group boxes drag the window and never see the press. The picture banner does
    // not drag: its press opens the banner's web page.
    if (layout.kind == Kind::Label || layout.kind == Kind::GroupBox) {
        toolkit_.backend().begin_window_drag();
        return PressOutcome::Swallow;
    }
    fire(layout.name, left_press_event);
    return PressOutcome::Deliver;
}

void MainWindow::clicked(ControlId button) {
    fire(control(button).name, own_event);
}

void MainWindow::timer_ticked(ControlId timer) {
    fire(control(timer).name, own_event);
}

void MainWindow::link_pressed(ControlId, std::string_view address) {
    handlers_.open_link(address);
}

void MainWindow::fire(std::string_view control_name, int event) {
    const Binding* binding = find_binding(control_name, event);
    if (binding == nullptr) {
        return;
    }
    switch (binding->handler) {
        case Handler::QuotationProcedure:
            engine::QuotationProcedure(engine::preset_by_button(control_name)->preset).run(fields_);
            break;
        case Handler::BuildLinkBanner:
            handlers_.build_link_banner();
            break;
        case Handler::ScrollLinkBanner:
            handlers_.scroll_link_banner();
            break;
        case Handler::WatchBannerHover:
            handlers_.watch_banner_hover();
            break;
        case Handler::RunSystemCalculator:
            handlers_.run_system_calculator();
            break;
        case Handler::OpenBannerWebPage:
            handlers_.open_banner_web_page();
            break;
    }
}

}  // namespace pixtallo::ui
