#include "ui/qt/picture_box.hpp"

#include <QMouseEvent>
#include <QPainter>

namespace pixtallo::ui::qt {

PictureBox::PictureBox(const QPixmap& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) { event->accept(); }

}  // namespace pixtallo::ui::qt
