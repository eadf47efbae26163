// The floor for start-up: the least a Qt 6 Widgets program does to show one window.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(910, 469);
    window.show();
    return QApplication::exec();
}
