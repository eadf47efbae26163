#include <QApplication>
#include <iostream>

#include "app/pixtallo/display_check.hpp"
#include "app/pixtallo/window_handlers.hpp"
#include "launch/posix/posix_process_services.hpp"
#include "ui/main_window/main_window.hpp"
#include "ui/qt/qt_looks.hpp"
#include "ui/qt/qt_toolkit.hpp"

// The window takes no command line; whatever is given is ignored.
int main(int argc, char** argv) {
    if (const auto message = pixtallo::app::missing_display_message(argv[0])) {
        std::cerr << *message;
        return 1;
    }
    QApplication application(argc, argv);
    pixtallo::ui::qt::apply_application_look();
    pixtallo::ui::qt::QtToolkit backend;
    pixtallo::ui::Toolkit toolkit(backend);
    pixtallo::launch::posix::PosixProcessServices processes(
        pixtallo::launch::posix::user_search_path(), std::cerr);
    pixtallo::app::WindowHandlers handlers(toolkit, processes);
    pixtallo::ui::MainWindow window(toolkit, handlers);
    window.open();
    return window.run();
}
