#pragma once
// The top-level widget: fixed size, closing it ends the message loop.

#include <QWidget>

namespace pixtallo::ui::qt {

class TopLevelWindow final : public QWidget {
  public:
    TopLevelWindow();

  protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace pixtallo::ui::qt
