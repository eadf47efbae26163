#include "ui/fake/fake_toolkit.hpp"

#include <algorithm>

#include "ui/hypertext/hypertext.hpp"
#include "ui/layout/main_window_layout.hpp"

namespace pixtallo::ui {

void FakeToolkit::record(std::string_view what, ControlId id) {
    log_.push_back(std::string(what) + " " +
                   std::string(id == window_id ? std::string_view("window") : control(id).name));
}

void FakeToolkit::create_window(const WindowLayout& layout) {
    client_size_ = layout.client_size;
    // Centred on the screen, each division cutting off the fraction.
    window_rect_ = {(screen_size.width - layout.outer_size.width) / 2,
                    (screen_size.height - layout.outer_size.height) / 2, layout.outer_size.width,
                    layout.outer_size.height};
    record("create", window_id);
}

void FakeToolkit::create_control(const ControlLayout& layout) {
    controls_[layout.id] = {&layout, window_id, layout.rect, std::string(layout.text), false, 0};
    record("create", layout.id);
}

void FakeToolkit::set_parent(ControlId child, ControlId group) {
    controls_.at(child).parent = group;
    log_.push_back("parent " + std::string(control(child).name) + " " +
                   std::string(control(group).name));
}

void FakeToolkit::raise(ControlId id) {
    controls_.at(id).raised = ++raises_;
    record("raise", id);
}

void FakeToolkit::show_control(ControlId id) {
    controls_.at(id).visible = true;
    record("show", id);
}

void FakeToolkit::show_window() {
    window_visible_ = true;
    record("show", window_id);
}

void FakeToolkit::close_window() {
    window_visible_ = false;
    closed_ = true;
    timers_.clear();  // the timers stop with the window
    record("close", window_id);
}

void FakeToolkit::begin_window_drag() {
    ++drags_;
}

void FakeToolkit::set_focus(ControlId id) {
    focus_ = id;
    record("focus", id);
}

void FakeToolkit::set_geometry(ControlId id, const Rect& rect) {
    controls_.at(id).rect = rect;
}

void FakeToolkit::set_text(ControlId id, std::string_view text) {
    controls_.at(id).text = text;
}

void FakeToolkit::start_timer(ControlId id, int period_ms) {
    timers_[id] = {period_ms, now_ + period_ms};
}

void FakeToolkit::stop_timer(ControlId id) {
    timers_.erase(id);
}

int FakeToolkit::run() {
    return 0;
}

bool FakeToolkit::press_key(Key key, bool shift) {
    return sink_->key_pressed({key, shift});
}

PressOutcome FakeToolkit::left_press(ControlId target, Point at, int modifiers) {
    return sink_->left_pressed(target, at, modifiers);
}

void FakeToolkit::click(ControlId button) {
    if (left_press(button) == PressOutcome::Deliver) {
        sink_->clicked(button);
    }
}

bool FakeToolkit::press_link(ControlId view, std::size_t index) {
    const Hypertext content = parse_hypertext(controls_.at(view).text);
    if (index >= content.links.size()) {
        return false;
    }
    if (left_press(view) == PressOutcome::Deliver && !content.links[index].empty()) {
        sink_->link_pressed(view, content.links[index]);
    }
    return true;
}

void FakeToolkit::resize_client(Size size) {
    window_rect_.width += size.width - client_size_.width;
    window_rect_.height += size.height - client_size_.height;
    client_size_ = size;
}

void FakeToolkit::advance(std::int64_t ms) {
    const std::int64_t end = now_ + ms;
    for (;;) {
        // The earliest tick due by the end; a handler may start, stop or restart timers.
        auto next = std::min_element(
            timers_.begin(), timers_.end(),
            [](const auto& a, const auto& b) { return a.second.due < b.second.due; });
        if (next == timers_.end() || next->second.due > end) {
            break;
        }
        now_ = next->second.due;
        next->second.due += next->second.period;
        sink_->timer_ticked(next->first);
    }
    now_ = end;
}

std::vector<ControlId> FakeToolkit::stacking(ControlId parent) const {
    std::vector<const std::pair<const ControlId, Control>*> children;
    for (const auto& entry : controls_) {
        if (entry.second.parent == parent) {
            children.push_back(&entry);
        }
    }
    std::sort(children.begin(), children.end(),
              [](const auto* a, const auto* b) { return a->second.raised > b->second.raised; });
    std::vector<ControlId> ids;
    for (const auto* child : children) {
        ids.push_back(child->first);
    }
    return ids;
}

}  // namespace pixtallo::ui
