#include <windows.h>

#include <ole2.h>  // needs windows.h first

#include "app/pixtallo/window_handlers.hpp"
#include "launch/win32/win32_process_services.hpp"
#include "ui/main_window/main_window.hpp"
#include "ui/win32/win32_toolkit.hpp"

// The window takes no command line; whatever is given is ignored.
int main() {
    // COM for decoding the banner picture and for the shell's verbs.
    OleInitialize(nullptr);
    int status = 0;
    {
        pixtallo::ui::win32::Win32Toolkit backend(GetModuleHandleW(nullptr));
        pixtallo::ui::Toolkit toolkit(backend);
        pixtallo::launch::win32::Win32ProcessServices processes;
        pixtallo::app::WindowHandlers handlers(toolkit, processes);
        pixtallo::ui::MainWindow window(toolkit, handlers);
        window.open();
        status = window.run();
    }
    OleUninitialize();
    return status;
}
