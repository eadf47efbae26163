#pragma once
// The picture box as a window class of its own: a JPEG decoded by Windows itself (OleLoadPicture)
// and drawn at its own size from the top-left corner; the rest shows the 3-D face colour.

#include <windows.h>

#include <cstdint>
#include <span>

namespace pixtallo::ui::win32 {

void register_picture_class(HINSTANCE instance);

// `jpeg` must outlive the window.
HWND create_picture_window(HWND parent, int id, std::span<const std::uint8_t> jpeg);

// The decoded picture's size; 0 x 0 when decoding failed.
SIZE picture_size(HWND picture_window);

}  // namespace pixtallo::ui::win32
