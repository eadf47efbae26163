#pragma once
// The small hypertext box, drawn from the hypertext model in the style sheet's "body" look
// (宋体 12 px, black): links in blue, underlined while the pointer is on them, with a hand pointer
// over a link that has an address. A left press on such a link reports its address.

#include <QFrame>
#include <QRect>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/hypertext/hypertext.hpp"

namespace pixtallo::ui::qt {

class HypertextView final : public QFrame {
  public:
    HypertextView(bool with_border, QWidget* parent);

    // Replaces the content (UTF-8) and redraws.
    void set_content(std::string_view content);
    const std::string& content() const { return content_; }

    // Called with the address of a link pressed with the left button.
    void on_link_pressed(std::function<void(std::string_view)> handler) {
        link_pressed_ = std::move(handler);
    }

    // The link under `point` (widget co-ordinates), if any.
    std::optional<std::size_t> link_at(QPoint point) const;
    // Where link `index` is drawn, for tests; empty when it is not.
    QRect link_rect(std::size_t index) const;
    std::optional<std::size_t> hovered_link() const { return hovered_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    struct Placed {
        QRect rect;
        std::size_t run;
    };
    void lay_out();
    void hover(std::optional<std::size_t> link);

    std::string content_;
    Hypertext document_;
    std::vector<Placed> placed_;  // the text runs where they are drawn
    std::optional<std::size_t> hovered_;
    std::function<void(std::string_view)> link_pressed_;
};

}  // namespace pixtallo::ui::qt
