#pragma once
// MainWindow at run time: built from its layout, its events dispatched through the binding table,
// and the keyboard and mouse rules applied before any control sees a message.

#include <string_view>

#include "ui/main_window/bound_handlers.hpp"
#include "ui/main_window/edit_box_fields.hpp"
#include "ui/toolkit/toolkit.hpp"

namespace pixtallo::ui {

class MainWindow final : private EventSink {
  public:
    // The window's handlers share `toolkit` with it.
    MainWindow(Toolkit& toolkit, BoundHandlers& handlers);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Builds the window hidden, fires its creation-complete event, then shows and activates it
    // with the focus on the first control of the tab ring.
    void open();

    // Runs the message loop until the window has closed; the program's exit status, 0.
    int run();

    Toolkit& toolkit() noexcept { return toolkit_; }

  private:
    bool key_pressed(const KeyPress& key) override;
    PressOutcome left_pressed(ControlId target, Point at, int modifiers) override;
    void clicked(ControlId button) override;
    void timer_ticked(ControlId timer) override;
    void link_pressed(ControlId view, std::string_view address) override;

    // Runs the handler that the binding table gives the control's event, if any.
    void fire(std::string_view control, int event);

    Toolkit& toolkit_;
    BoundHandlers& handlers_;
    EditBoxFields fields_;
};

}  // namespace pixtallo::ui
