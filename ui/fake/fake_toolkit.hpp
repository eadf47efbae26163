#pragma once
// An in-memory toolkit for testing the window logic without a real one: controls as records, a
// virtual clock for the timers, a pointer, and key and mouse input that passes through the
// window's rules the way an adapter passes it.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ui/toolkit/toolkit_backend.hpp"

namespace pixtallo::ui {

class FakeToolkit final : public ToolkitBackend {
  public:
    static constexpr Size screen_size = {1920, 1080};
    // The fixed dialog frame and narrow title bar around the client area.
    static constexpr int frame_width = 3;
    static constexpr int title_bar_height = 16;

    // --- ToolkitBackend
    void set_event_sink(EventSink& sink) override { sink_ = &sink; }
    void create_window(const WindowLayout& layout) override;
    void create_control(const ControlLayout& layout) override;
    void set_parent(ControlId child, ControlId group) override;
    void raise(ControlId id) override;
    void show_control(ControlId id) override;
    void show_window() override;
    void close_window() override;
    void begin_window_drag() override;
    void set_focus(ControlId id) override;
    ControlId focus() const override { return focus_; }
    Rect geometry(ControlId id) const override { return controls_.at(id).rect; }
    void set_geometry(ControlId id, const Rect& rect) override;
    std::string text(ControlId id) const override { return controls_.at(id).text; }
    void set_text(ControlId id, std::string_view text) override;
    void start_timer(ControlId id, int period_ms) override;
    void stop_timer(ControlId id) override;
    Point pointer_position() const override { return pointer_; }
    Size client_size() const override { return client_size_; }
    Rect window_rect() const override { return window_rect_; }
    Point client_origin() const override {
        return {window_rect_.left + frame_width, window_rect_.top + frame_width + title_bar_height};
    }
    int run() override;

    // --- Driving it, as a user and as time would
    // Key input as the adapter delivers it; true when the window's rules took the key.
    bool press_key(Key key, bool shift = false);
    PressOutcome left_press(ControlId target, Point at = {0, 0}, int modifiers = 0);
    // A mouse click: the press through the window's rules, then the click if it got through.
    void click(ControlId button);
    // Types into an edit box, replacing its text.
    void type(ControlId edit_box, std::string_view text) { controls_.at(edit_box).text = text; }
    void move_pointer(Point screen) { pointer_ = screen; }
    // A press on link `index` of a hypertext box: through the window's rules, then the box opens
    // the link when its address is not empty. False when the box has no such link.
    bool press_link(ControlId view, std::size_t index);
    // The window moved (dragged) so that its outer frame's top-left is at `screen`.
    void move_window(Point screen) { window_rect_.left = screen.x, window_rect_.top = screen.y; }
    // The client area took another size (the window's outer size follows).
    void resize_client(Size size);
    // Lets `ms` milliseconds pass, delivering every tick that falls due, in time order.
    void advance(std::int64_t ms);

    // --- Looking at it
    // Every call the window logic made, in order: "create 按钮1", "parent 长 分组框2", ...
    const std::vector<std::string>& log() const { return log_; }
    std::int64_t now() const { return now_; }
    bool window_visible() const { return window_visible_; }
    bool closed() const { return closed_; }
    int drags() const { return drags_; }
    bool visible(ControlId id) const { return controls_.at(id).visible; }
    ControlId parent(ControlId id) const { return controls_.at(id).parent; }
    bool timer_running(ControlId id) const { return timers_.contains(id); }
    // The children of `parent`, topmost first.
    std::vector<ControlId> stacking(ControlId parent) const;

  private:
    struct Control {
        const ControlLayout* layout;
        ControlId parent;
        Rect rect;
        std::string text;
        bool visible;
        std::uint64_t raised;  // a later raise is higher up
    };
    struct Timer {
        int period;
        std::int64_t due;
    };

    void record(std::string_view what, ControlId id);

    EventSink* sink_ = nullptr;
    std::map<ControlId, Control> controls_;
    std::map<ControlId, Timer> timers_;
    std::vector<std::string> log_;
    std::uint64_t raises_ = 0;
    std::int64_t now_ = 0;
    Size client_size_{0, 0};
    Rect window_rect_{0, 0, 0, 0};
    Point pointer_{0, 0};
    ControlId focus_ = window_id;
    int drags_ = 0;
    bool window_visible_ = false;
    bool closed_ = false;
};

}  // namespace pixtallo::ui
