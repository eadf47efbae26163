#include "ui/win32/gdi_fonts.hpp"

#include <map>
#include <tuple>

namespace pixtallo::ui::win32 {
namespace {

class FontCache {
  public:
    ~FontCache() {
        for (const auto& [key, font] : fonts_) {
            DeleteObject(font);
        }
    }
    HFONT get(const FontStyle& layout, bool underline) {
        const auto key = std::make_tuple(layout.pixel_size, layout.bold, underline);
        auto found = fonts_.find(key);
        if (found == fonts_.end()) {
            // A negative height asks for the em height (cell height less internal leading).
            const HFONT font = CreateFontW(
                -layout.pixel_size, 0, 0, 0, layout.bold ? FW_BOLD : FW_NORMAL, FALSE,
                underline ? TRUE : FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"SimSun");
            found = fonts_.emplace(key, font).first;
        }
        return found->second;
    }

  private:
    std::map<std::tuple<int, bool, bool>, HFONT> fonts_;
};

}  // namespace

HFONT song_font(const FontStyle& layout, bool underline) {
    static FontCache cache;
    return cache.get(layout, underline);
}

HFONT default_gui_font() {
    return song_font({12, false});
}

}  // namespace pixtallo::ui::win32
