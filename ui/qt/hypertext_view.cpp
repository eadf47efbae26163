#include "ui/qt/hypertext_view.hpp"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "ui/qt/qt_looks.hpp"

namespace pixtallo::ui::qt {
namespace {

constexpr int tab_width_in_blanks = 8;
const QColor link_colour(Qt::blue);  // "a:link" and "a:hover": color:blue

}  // namespace

HypertextView::HypertextView(bool with_border, QWidget* parent) : QFrame(parent) {
    if (with_border) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);  // the thin static edge
        setLineWidth(1);
    }
    setFont(default_font());  // "body": 9 pt 宋体, black
    setMouseTracking(true);
}

void HypertextView::set_content(std::string_view content) {
    content_ = content;
    document_ = parse_hypertext(content);
    hovered_.reset();
    lay_out();
    update();
}

// Runs flow left to right from the top-left of the contents; every blank keeps its width, a tab
// moves to the next multiple of eight blanks, a line break starts the next line.
void HypertextView::lay_out() {
    placed_.clear();
    const QFontMetrics metrics(font());
    const int left = contentsRect().left();
    const int tab = metrics.horizontalAdvance(u' ') * tab_width_in_blanks;
    int x = left;
    int y = contentsRect().top();
    for (std::size_t i = 0; i < document_.runs.size(); ++i) {
        const Run& run = document_.runs[i];
        switch (run.kind) {
            case RunKind::LineBreak:
                x = left;
                y += metrics.lineSpacing();
                break;
            case RunKind::Tab:
                x = left + ((x - left) / tab + 1) * tab;
                break;
            case RunKind::Text: {
                const int width = metrics.horizontalAdvance(from_utf8(run.text));
                placed_.push_back({QRect(x, y, width, metrics.height()), i});
                x += width;
                break;
            }
        }
    }
}

std::optional<std::size_t> HypertextView::link_at(QPoint point) const {
    for (const Placed& placed : placed_) {
        if (placed.rect.contains(point)) {
            return document_.runs[placed.run].link;
        }
    }
    return std::nullopt;
}

QRect HypertextView::link_rect(std::size_t index) const {
    QRect rect;
    for (const Placed& placed : placed_) {
        if (document_.runs[placed.run].link == index) {
            rect = rect.united(placed.rect);
        }
    }
    return rect;
}

void HypertextView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    const QFontMetrics metrics(font());
    for (const Placed& placed : placed_) {
        const Run& run = document_.runs[placed.run];
        QFont look = font();
        look.setUnderline(run.link.has_value() && run.link == hovered_);  // "a:hover"
        painter.setFont(look);
        painter.setPen(run.link ? link_colour : QColor(Qt::black));
        painter.drawText(placed.rect.left(), placed.rect.top() + metrics.ascent(),
                         from_utf8(run.text));
    }
}

void HypertextView::mousePressEvent(QMouseEvent* event) {
    event->accept();  // the press never travels on to the window below
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const auto link = link_at(event->position().toPoint());
    if (link && !document_.links[*link].empty() && link_pressed_) {
        link_pressed_(document_.links[*link]);
    }
}

void HypertextView::mouseMoveEvent(QMouseEvent* event) {
    hover(link_at(event->position().toPoint()));
    QFrame::mouseMoveEvent(event);
}

void HypertextView::leaveEvent(QEvent* event) {
    hover(std::nullopt);
    QFrame::leaveEvent(event);
}

void HypertextView::hover(std::optional<std::size_t> link) {
    if (link == hovered_) {
        return;
    }
    hovered_ = link;
    const bool opens = link && !document_.links[*link].empty();
    setCursor(opens ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
}

}  // namespace pixtallo::ui::qt
