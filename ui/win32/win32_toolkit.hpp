#pragma once
// The toolkit services on the native Win32 API, wide-character calls throughout. Translation
// only: the window's rules live above it.

#include <windows.h>

#include <map>
#include <unordered_map>

#include "ui/toolkit/toolkit_backend.hpp"

namespace pixtallo::ui::win32 {

class Win32Toolkit final : public ToolkitBackend {
  public:
    explicit Win32Toolkit(HINSTANCE instance);
    ~Win32Toolkit() override;
    Win32Toolkit(const Win32Toolkit&) = delete;
    Win32Toolkit& operator=(const Win32Toolkit&) = delete;

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
    ControlId focus() const override;
    Rect geometry(ControlId id) const override;
    void set_geometry(ControlId id, const Rect& rect) override;
    std::string text(ControlId id) const override;
    void set_text(ControlId id, std::string_view text) override;
    void start_timer(ControlId id, int period_ms) override;
    void stop_timer(ControlId id) override;
    Point pointer_position() const override;
    Size client_size() const override;
    Rect window_rect() const override;
    Point client_origin() const override;
    int run() override;

    // The window's rules applied to one queued message before it is dispatched; true when the
    // message was taken and must not be dispatched. The message loop calls it for every message.
    bool pre_translate(const MSG& message);
    // Delivers every message already queued, as the loop would. For tests.
    void pump();

    HWND window() const { return window_; }
    HWND control_window(ControlId id) const { return controls_.at(id); }
    bool closed() const { return window_ == nullptr; }

  private:
    static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    static LRESULT CALLBACK group_procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handle(UINT message, WPARAM w, LPARAM l);
    // The control a window belongs to; window_id for the main window, -1 for anything else.
    ControlId control_of(HWND window) const;
    HBRUSH colour_control(HDC dc, HWND control, bool edit);

    HINSTANCE instance_;
    EventSink* sink_ = nullptr;
    HWND window_ = nullptr;
    HICON icon_ = nullptr;
    std::map<ControlId, HWND> controls_;
    std::unordered_map<HWND, ControlId> ids_;
    std::map<ControlId, Rect> timer_places_;  // timers have no window, only a stored place
    std::unordered_map<HWND, WNDPROC> group_procedures_;
    HBRUSH edit_background_ = nullptr;
};

}  // namespace pixtallo::ui::win32
