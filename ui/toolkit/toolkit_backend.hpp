#pragma once
// What every windowing adapter provides (Qt, Win32, the in-memory fake), and what it calls back.
// Adapters only translate: every rule the window relies on lives in Toolkit and MainWindow above
// them, so all adapters behave alike.

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/layout/control_layout.hpp"

namespace pixtallo::ui {

enum class Key : std::uint8_t { Escape, Tab, Enter, F1, Other };

struct KeyPress {
    Key key;
    bool shift;
};

// Modifier keys held at a mouse press, summed.
inline constexpr int modifier_ctrl = 1;
inline constexpr int modifier_shift = 2;
inline constexpr int modifier_alt = 4;

// What becomes of a left press once the window's rules have seen it.
enum class PressOutcome : std::uint8_t {
    Deliver,  // the control (or the window) processes the press as usual
    Swallow,  // the press goes no further
};

// The window logic's side: the adapter calls these from its message loop, one at a time, on the
// user-interface thread, before the control concerned sees the message.
class EventSink {
  public:
    // True when the window's rules took the key; the control then never sees it.
    virtual bool key_pressed(const KeyPress& key) = 0;
    // A left press on a control, or on the client area itself (window_id), `at` inside it.
    virtual PressOutcome left_pressed(ControlId target, Point at, int modifiers) = 0;
    // A button clicked with the mouse or activated from the keyboard.
    virtual void clicked(ControlId button) = 0;
    virtual void timer_ticked(ControlId timer) = 0;
    // A left press on a link of a hypertext box, after the window's rules let the press through;
    // `address` is the link's address as the box's content gives it, never empty.
    virtual void link_pressed(ControlId view, std::string_view address) = 0;

  protected:
    ~EventSink() = default;
};

class ToolkitBackend {
  public:
    virtual ~ToolkitBackend() = default;

    virtual void set_event_sink(EventSink& sink) = 0;

    // The window, hidden, centred on the screen, with its title, icon, fixed frame and the
    // default font.
    virtual void create_window(const WindowLayout& layout) = 0;
    // A control, hidden, as a child of the window, with its layout values and kind's settings.
    // A timer gets no window; it is created stopped.
    virtual void create_control(const ControlLayout& layout) = 0;
    // Makes `child` a child of the group box; its stored left and top become relative to it.
    virtual void set_parent(ControlId child, ControlId group) = 0;
    // Puts the control on top of its siblings.
    virtual void raise(ControlId id) = 0;
    virtual void show_control(ControlId id) = 0;
    // Shows and activates the window.
    virtual void show_window() = 0;
    // Closes the window at once, as its close box does; run() then returns.
    virtual void close_window() = 0;
    // The window moves with the pointer until the left button is released.
    virtual void begin_window_drag() = 0;

    virtual void set_focus(ControlId id) = 0;
    // The control with the keyboard focus; window_id when none has it.
    virtual ControlId focus() const = 0;

    virtual Rect geometry(ControlId id) const = 0;
    virtual void set_geometry(ControlId id, const Rect& rect) = 0;

    // An edit box's text, a caption, or a hypertext box's content, by the control's kind.
    virtual std::string text(ControlId id) const = 0;
    virtual void set_text(ControlId id, std::string_view text) = 0;

    // Ticks every period, the first one a full period from now, until stopped.
    virtual void start_timer(ControlId id, int period_ms) = 0;
    virtual void stop_timer(ControlId id) = 0;

    virtual Point pointer_position() const = 0;  // screen co-ordinates
    virtual Size client_size() const = 0;        // as GetClientRect reports it
    virtual Rect window_rect() const = 0;        // the outer frame, in screen co-ordinates
    virtual Point client_origin() const = 0;     // the client area's top-left, on the screen

    // Delivers messages until the window has closed; gives the exit status.
    virtual int run() = 0;
};

}  // namespace pixtallo::ui
