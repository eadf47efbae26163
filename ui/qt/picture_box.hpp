#pragma once
// A picture drawn at its own size from the top-left corner, neither scaled nor centred; the rest
// of the box shows the background.

#include <QPixmap>
#include <QWidget>
#include <cstdint>
#include <span>

namespace pixtallo::ui::qt {

class PictureBox final : public QWidget {
  public:
    // `jpeg` must outlive the box. It is decoded when the box is first drawn, not while the
    // window is being built, so decoding never delays the window's appearance.
    PictureBox(std::span<const std::uint8_t> jpeg, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Takes the press, so it never travels on to the window below.
    void mousePressEvent(QMouseEvent* event) override;

  private:
    std::span<const std::uint8_t> jpeg_;
    QPixmap picture_;
    bool decoded_ = false;  // tried once, whatever came of it
};

}  // namespace pixtallo::ui::qt
