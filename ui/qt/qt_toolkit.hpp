#pragma once
// The toolkit services on Qt 6 Widgets. Translation only: the window's rules live above it.

#include <QObject>
#include <QPoint>
#include <map>
#include <memory>

#include "ui/toolkit/toolkit_backend.hpp"

class QTimer;
class QWidget;

namespace pixtallo::ui::qt {

class TopLevelWindow;

class QtToolkit final : public QObject, public ToolkitBackend {
  public:
    // Needs a QApplication.
    QtToolkit();
    ~QtToolkit() override;

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

    // For tests and screenshots: the window and the widget of each control.
    QWidget* window() const;
    QWidget* widget(ControlId id) const { return widgets_.at(id); }

  protected:
    // Every key and mouse message for the window passes here before the control gets it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The control a widget belongs to; window_id for the window itself, -1 for anything else.
    ControlId control_of(const QObject* object) const;
    bool filter_key(QObject* watched, QEvent* event);
    bool filter_mouse(QObject* watched, QEvent* event);

    EventSink* sink_ = nullptr;
    std::unique_ptr<TopLevelWindow> window_;
    std::map<ControlId, QWidget*> widgets_;  // owned by the window
    std::map<ControlId, QTimer*> timers_;    // owned by this
    QPoint press_position_;  // of the left press being handled, in screen co-ordinates
    bool dragging_ = false;
    QPoint drag_offset_;  // pointer minus the window's top-left while dragging
};

}  // namespace pixtallo::ui::qt
