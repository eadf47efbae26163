#include "ui/qt/picture_box.hpp"

#include <QMouseEvent>
#include <QPainter>

namespace pixtallo::ui::qt {

PictureBox::PictureBox(std::span<const std::uint8_t> jpeg, QWidget* parent)
    : QWidget(parent), jpeg_(jpeg) {}

void PictureBox::paintEvent(QPaintEvent*) {
    if (!decoded_) {
        decoded_ = true;
        picture_.loadFromData(jpeg_.data(), static_cast<uint>(jpeg_.size()), "JPEG");
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace pixtallo::ui::qt
