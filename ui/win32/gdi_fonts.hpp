#pragma once
// The layout's fonts as GDI fonts: face SimSun (宋体), the GB2312 character set, the pixel size as
// the em height. Made once each and kept for the program's life.

#include <windows.h>

#include "ui/layout/control_layout.hpp"

namespace pixtallo::ui::win32 {

HFONT song_font(const FontStyle& layout, bool underline = false);

// The default user-interface font the layout was designed with: 宋体 at 12 px, which is what
// DEFAULT_GUI_FONT is on a Chinese Windows. Asked for by name, so the fixed layout fits and shows
// its Chinese captions on every Windows (and under Wine, which has no CJK font linking for the
// Western default).
HFONT default_gui_font();

}  // namespace pixtallo::ui::win32
