#pragma once
// The shape of the window's layout data: one record per control.

#include <cstdint>
#include <optional>
#include <string_view>

namespace pixtallo::ui {

enum class Kind : std::uint8_t {
    Window,
    EditBox,
    PicBox,
    GroupBox,
    Label,
    Button,
    Timer,
    SimpleHtml
};

// A control's place in the layout's list, 1 to 71; 0 stands for the window itself. A lower place
// is stacked above a higher one, and places order creation and tabbing.
using ControlId = int;
inline constexpr ControlId window_id = 0;

struct Rect {
    int left;
    int top;
    int width;
    int height;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    int x;
    int y;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width;
    int height;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rgb {
    std::uint32_t value;  // 0xRRGGBB
    int red() const { return static_cast<int>((value >> 16) & 0xFF); }
    int green() const { return static_cast<int>((value >> 8) & 0xFF); }
    int blue() const { return static_cast<int>(value & 0xFF); }
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Every font of the layout is 宋体 (a Song/Ming-style CJK face), GB2312, upright, with the em
// height in pixels.
struct FontStyle {
    int pixel_size;
    bool bold;
    friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

struct ControlLayout {
    ControlId id;  // the place in the layout's list
    std::string_view name;
    std::uint32_t number;
    Kind kind;
    ControlId parent;  // window_id or one of the two group boxes
    Rect rect;         // relative to the parent (a group box's top-left corner)
    std::string_view text;
    std::optional<FontStyle> font;   // none: the default user-interface font
    std::optional<Rgb> text_colour;  // none: black
    bool centred;                    // an edit box's text is centred instead of left-aligned
    bool has_border;                 // a hypertext box's thin sunken edge
    // Every control is enabled and has tab order number 0; these follow from the kind.
    bool visible() const { return kind != Kind::Timer; }
    bool tab_stop() const {
        return kind == Kind::EditBox || kind == Kind::Button || kind == Kind::SimpleHtml;
    }
    int tab_order() const { return 0; }
};

struct WindowLayout {
    std::string_view title;
    Size outer_size;   // frame and title bar included
    Size client_size;  // what the fixed dialog frame and narrow tool title bar leave inside
    std::string_view tag_text;
};

}  // namespace pixtallo::ui
