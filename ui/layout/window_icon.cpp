#include "ui/layout/pictures.hpp"

namespace pixtallo::ui {
namespace {

// A dark, rounded LED module with a 4 x 4 matrix of lit pixels in red, green, blue and amber,
// drawn at compile time so the icon needs no file.
constexpr std::array<std::uint32_t, icon_size * icon_size> draw_icon() {
    std::array<std::uint32_t, icon_size * icon_size> pixels{};
    constexpr std::uint32_t frame = 0xFF1C1F2A;
    constexpr std::uint32_t colours[4] = {0xFFEB3B32, 0xFF3CDC5A, 0xFF3C6EFF, 0xFFFFBE28};
    constexpr int corner = 5;
    for (int y = 0; y < icon_size; ++y) {
        for (int x = 0; x < icon_size; ++x) {
            // Rounded corners: outside the corner circles stays transparent.
            const int cx = x < corner
                               ? corner - x
                               : (x >= icon_size - corner ? x - (icon_size - corner - 1) : 0);
            const int cy = y < corner
                               ? corner - y
                               : (y >= icon_size - corner ? y - (icon_size - corner - 1) : 0);
            if (cx * cx + cy * cy > corner * corner) {
                continue;
            }
            std::uint32_t colour = frame;
            // Lit pixels: discs of radius 2.5 on a 7-pixel pitch, starting at 5.5.
            const int gx = (x - 2) / 7;
            const int gy = (y - 2) / 7;
            const int dx = 2 * (x - 2 - gx * 7) - 5;
            const int dy = 2 * (y - 2 - gy * 7) - 5;
            if (x >= 2 && y >= 2 && gx < 4 && gy < 4 && dx * dx + dy * dy <= 25) {
                colour = colours[(gx + gy) % 4];
            }
            pixels[static_cast<std::size_t>(y * icon_size + x)] = colour;
        }
    }
    return pixels;
}

constexpr std::array<std::uint32_t, icon_size* icon_size> icon = draw_icon();

}  // namespace

const std::array<std::uint32_t, icon_size * icon_size>& window_icon_argb() noexcept {
    return icon;
}

}  // namespace pixtallo::ui
