#pragma once
// How the layout's fonts, colours and texts look in Qt.

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>
#include <string_view>

#include "ui/layout/control_layout.hpp"

namespace pixtallo::ui::qt {

// 宋体 as a Song/Ming-style CJK face: SimSun where it exists, else AR PL UMing CN, else Noto
// Serif CJK SC; `pixel_size` is the em height.
QFont song_font(const FontStyle& layout);

// The default user-interface font of the window: 宋体 at 12 px, so the fixed layout fits.
QFont default_font();

// The application-wide look the layout was designed in: the classic style (captions set into
// group frames, sunken edit boxes, the 3-D face colour) and the default font. Needs a
// QApplication.
void apply_application_look();

QColor text_colour(const std::optional<Rgb>& colour);  // black by default

QString from_utf8(std::string_view text);
std::string to_utf8(const QString& text);

}  // namespace pixtallo::ui::qt
