#include "ui/qt/hypertext_view.hpp"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "ui/qt/qt_looks.hpp"

namespace pixtallo::ui::qt {
namespace {

constexpr int tab_width_in_blanks = 8;

// Tabs become blanks up to the next tab position; blanks are drawn one by one as they stand.
QString expand_tabs(const QString& line) {
    QString out;
    for (const QChar c : line) {
        if (c == u'\t') {
            out.append(QString(tab_width_in_blanks - out.size() % tab_width_in_blanks, u' '));
        } else {
            out.append(c);
        }
    }
    return out;
}

}  // namespace

HypertextView::HypertextView(bool with_border, QWidget* parent) : QFrame(parent) {
    if (with_border) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);  // the thin static edge
        setLineWidth(1);
    }
    setFont(default_font());
    setFocusPolicy(Qt::TabFocus);
}

void HypertextView::set_content(const QString& content) {
    content_ = content;
    update();
}

void HypertextView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(Qt::black);
    painter.setClipRect(contentsRect());
    const QFontMetrics metrics(font());
    QString text = content_;
    text.remove(u'\r');
    int y = contentsRect().top() + metrics.ascent();
    for (const QString& line : text.split(u'\n')) {
        painter.drawText(contentsRect().left(), y, expand_tabs(line));
        y += metrics.lineSpacing();
    }
}

void HypertextView::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace pixtallo::ui::qt
