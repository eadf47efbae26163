#pragma once
// A picture drawn at its own size from the top-left corner, neither scaled nor centred; the rest
// of the box shows the background.

#include <QPixmap>
#include <QWidget>

namespace pixtallo::ui::qt {

class PictureBox final : public QWidget {
public:
    PictureBox(const QPixmap& picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Takes the press, so it never travels on to the window below.
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace pixtallo::ui::qt
