#include "ui/qt/qt_toolkit.hpp"

#include <QApplication>
#include <QCursor>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "ui/layout/pictures.hpp"
#include "ui/qt/hypertext_view.hpp"
#include "ui/qt/picture_box.hpp"
#include "ui/qt/qt_looks.hpp"
#include "ui/qt/top_level_window.hpp"

namespace pixtallo::ui::qt {
namespace {

const char* const control_property = "pixtallo_control";

QIcon window_icon() {
    const auto& argb = window_icon_argb();
    const QImage image(reinterpret_cast<const uchar*>(argb.data()), icon_size, icon_size,
                       QImage::Format_ARGB32);
    return QIcon(QPixmap::fromImage(image.copy()));
}

// A button's caption may break into lines; a carriage return before a line feed is not shown.
QString caption(std::string_view text) {
    return from_utf8(text).remove(u'\r');
}

QWidget* make_widget(const ControlLayout& layout, QWidget* parent) {
    switch (layout.kind) {
        case Kind::Label: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);  // "&" shows as it is
            label->setWordWrap(false);            // one line, cut at the edges
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            label->setText(from_utf8(layout.text));
            return label;
        }
        case Kind::EditBox: {
            auto* edit = new QLineEdit(parent);
            edit->setFrame(true);
            edit->setAlignment(layout.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
            edit->setText(from_utf8(layout.text));
            return edit;
        }
        case Kind::Button: {
            auto* button = new QPushButton(caption(layout.text), parent);
            button->setAutoDefault(false);  // no default button: Enter never clicks
            return button;
        }
        case Kind::GroupBox:
            return new QGroupBox(from_utf8(layout.text), parent);
        case Kind::PicBox:
            return new PictureBox(banner_jpeg(), parent);
        case Kind::SimpleHtml: {
            auto* view = new HypertextView(layout.has_border, parent);
            view->set_content(layout.text);
            return view;
        }
        case Kind::Timer:  // holds the timer's place only; never shown
        case Kind::Window:
            return new QWidget(parent);
    }
    return nullptr;
}

// Text colour goes in the palette role the widget draws its text with.
void apply_looks(QWidget* widget, const ControlLayout& layout) {
    // Set on every control, so none inherits a group box's font or colour.
    widget->setFont(layout.font ? song_font(*layout.font) : default_font());
    QPalette palette = widget->palette();
    const QColor colour = text_colour(layout.text_colour);
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    if (layout.kind == Kind::EditBox) {
        palette.setColor(QPalette::Base, Qt::white);
    }
    widget->setPalette(palette);
}

}  // namespace

QtToolkit::QtToolkit() {
    QApplication::instance()->installEventFilter(this);
}

QtToolkit::~QtToolkit() {
    QApplication::instance()->removeEventFilter(this);
    for (const auto& [id, timer] : timers_) {
        delete timer;
    }
}

QWidget* QtToolkit::window() const {
    return window_.get();
}

void QtToolkit::create_window(const WindowLayout& layout) {
    window_ = std::make_unique<TopLevelWindow>();
    window_->setWindowTitle(from_utf8(layout.title));
    window_->setWindowIcon(window_icon());
    window_->setFont(default_font());
    window_->setFixedSize(layout.client_size.width, layout.client_size.height);
    // Centred by the outer size, each division cutting off the fraction.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    window_->move(screen.left() + (screen.width() - layout.outer_size.width) / 2,
                  screen.top() + (screen.height() - layout.outer_size.height) / 2);
    window_->setProperty(control_property, window_id);
}

void QtToolkit::create_control(const ControlLayout& layout) {
    QWidget* widget = make_widget(layout, window_.get());
    widget->hide();
    widget->setObjectName(from_utf8(layout.name));
    widget->setAccessibleName(from_utf8(layout.name));
    widget->setProperty(control_property, layout.id);
    widget->setGeometry(layout.rect.left, layout.rect.top, layout.rect.width, layout.rect.height);
    widget->setFocusPolicy(layout.tab_stop() ? Qt::StrongFocus : Qt::NoFocus);
    apply_looks(widget, layout);
    widgets_[layout.id] = widget;
    if (layout.kind == Kind::Timer) {
        auto* timer = new QTimer();
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer, &QTimer::timeout, this,
                         [this, id = layout.id] { sink_->timer_ticked(id); });
        timers_[layout.id] = timer;
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QObject::connect(button, &QPushButton::clicked, this,
                         [this, id = layout.id] { sink_->clicked(id); });
    }
    if (auto* view = dynamic_cast<HypertextView*>(widget)) {
        view->on_link_pressed(
            [this, id = layout.id](std::string_view address) { sink_->link_pressed(id, address); });
    }
}

void QtToolkit::set_parent(ControlId child, ControlId group) {
    QWidget* widget = widgets_.at(child);
    const QRect place = widget->geometry();
    widget->setParent(widgets_.at(group));
    widget->setGeometry(place);  // the stored left and top, now from the group box's corner
    widget->hide();
}

void QtToolkit::raise(ControlId id) {
    widgets_.at(id)->raise();
}

void QtToolkit::show_control(ControlId id) {
    widgets_.at(id)->show();
}

void QtToolkit::show_window() {
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void QtToolkit::close_window() {
    window_->close();
}

void QtToolkit::begin_window_drag() {
    // Where the desktop moves windows itself, it does; elsewhere (no window manager) the window
    // follows the pointer here until the button is released.
    if (window_->windowHandle() != nullptr && window_->windowHandle()->startSystemMove()) {
        return;
    }
    // From the press itself: by the time it is handled the pointer may have moved on.
    dragging_ = true;
    drag_offset_ = press_position_ - window_->pos();
}

void QtToolkit::set_focus(ControlId id) {
    widgets_.at(id)->setFocus(Qt::TabFocusReason);
}

ControlId QtToolkit::focus() const {
    const ControlId id = control_of(QApplication::focusWidget());
    return id > 0 ? id : window_id;
}

Rect QtToolkit::geometry(ControlId id) const {
    const QRect rect = widgets_.at(id)->geometry();
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

void QtToolkit::set_geometry(ControlId id, const Rect& rect) {
    widgets_.at(id)->setGeometry(rect.left, rect.top, rect.width, rect.height);
}

std::string QtToolkit::text(ControlId id) const {
    QWidget* widget = widgets_.at(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return to_utf8(edit->text());
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return to_utf8(label->text());
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        return to_utf8(button->text());
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        return to_utf8(group->title());
    }
    if (auto* view = dynamic_cast<HypertextView*>(widget)) {
        return view->content();
    }
    return {};
}

void QtToolkit::set_text(ControlId id, std::string_view text) {
    QWidget* widget = widgets_.at(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(from_utf8(text));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(from_utf8(text));
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(caption(text));
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(from_utf8(text));
    } else if (auto* view = dynamic_cast<HypertextView*>(widget)) {
        view->set_content(text);
    }
}

void QtToolkit::start_timer(ControlId id, int period_ms) {
    timers_.at(id)->start(period_ms);
}

void QtToolkit::stop_timer(ControlId id) {
    timers_.at(id)->stop();
}

Point QtToolkit::pointer_position() const {
    const QPoint pos = QCursor::pos();
    return {pos.x(), pos.y()};
}

Size QtToolkit::client_size() const {
    return {window_->width(), window_->height()};
}

Rect QtToolkit::window_rect() const {
    const QRect frame = window_->frameGeometry();
    return {frame.x(), frame.y(), frame.width(), frame.height()};
}

Point QtToolkit::client_origin() const {
    const QPoint origin = window_->mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y()};
}

int QtToolkit::run() {
    return QApplication::exec();
}

ControlId QtToolkit::control_of(const QObject* object) const {
    for (; object != nullptr; object = object->parent()) {
        const QVariant id = object->property(control_property);
        if (id.isValid()) {
            return id.toInt();
        }
    }
    return -1;
}

bool QtToolkit::eventFilter(QObject* watched, QEvent* event) {
    if (sink_ == nullptr || window_ == nullptr || !watched->isWidgetType()) {
        return false;
    }
    switch (event->type()) {
        case QEvent::KeyPress:
            return filter_key(watched, event);
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            return filter_mouse(watched, event);
        default:
            return false;
    }
}

bool QtToolkit::filter_key(QObject* watched, QEvent* event) {
    if (control_of(watched) < 0) {
        return false;
    }
    const auto* key_event = static_cast<QKeyEvent*>(event);
    KeyPress key{Key::Other, (key_event->modifiers() & Qt::ShiftModifier) != 0};
    switch (key_event->key()) {
        case Qt::Key_Escape:
            key.key = Key::Escape;
            break;
        case Qt::Key_Tab:
            key.key = Key::Tab;
            break;
        case Qt::Key_Backtab:
            key = {Key::Tab, true};
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            key.key = Key::Enter;
            break;
        case Qt::Key_F1:
            key.key = Key::F1;
            break;
        default:
            break;
    }
    return sink_->key_pressed(key);
}

bool QtToolkit::filter_mouse(QObject* watched, QEvent* event) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (dragging_) {
        if (event->type() == QEvent::MouseMove) {
            window_->move(mouse->globalPosition().toPoint() - drag_offset_);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            dragging_ = false;
            return true;
        }
    }
    const ControlId target = control_of(watched);
    if (event->type() != QEvent::MouseButtonPress || mouse->button() != Qt::LeftButton ||
        target < 0) {
        return false;
    }
    press_position_ = mouse->globalPosition().toPoint();
    const QPoint at = mouse->position().toPoint();
    const Qt::KeyboardModifiers held = mouse->modifiers();
    const int modifiers = ((held & Qt::ControlModifier) ? modifier_ctrl : 0) +
                          ((held & Qt::ShiftModifier) ? modifier_shift : 0) +
                          ((held & Qt::AltModifier) ? modifier_alt : 0);
    // Positions inside the control are unsigned 16-bit values.
    const Point inside{at.x() & 0xFFFF, at.y() & 0xFFFF};
    return sink_->left_pressed(target, inside, modifiers) == PressOutcome::Swallow;
}

}  // namespace pixtallo::ui::qt
