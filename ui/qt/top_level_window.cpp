#include "ui/qt/top_level_window.hpp"

#include <QCloseEvent>
#include <QCoreApplication>

namespace pixtallo::ui::qt {

// A tool window: a narrow title bar with only a close box where the desktop allows it, and a
// fixed frame that cannot be resized or maximised.
TopLevelWindow::TopLevelWindow()
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {}

// Tool windows do not count as the application's last window, so closing quits explicitly.
void TopLevelWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}

}  // namespace pixtallo::ui::qt
