#pragma once

#include <windows.h>

namespace pixtallo::ui::win32 {

// Registers a window class with the arrow pointer and the 3-D face colour as background.
void register_window_class(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);

}  // namespace pixtallo::ui::win32
