#pragma once
// The small hypertext box. Shows its content in the "body" style (宋体 12 px, black): a line feed
// starts a new line, a carriage return is dropped, a tab moves to the next tab position, and
// every blank keeps its width.

#include <QFrame>
#include <QString>

namespace pixtallo::ui::qt {

class HypertextView final : public QFrame {
  public:
    HypertextView(bool with_border, QWidget* parent);

    void set_content(const QString& content);
    const QString& content() const { return content_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QString content_;
};

}  // namespace pixtallo::ui::qt
