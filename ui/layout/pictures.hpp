#pragma once
// The window's two pictures, built into the program.

#include <array>
#include <cstdint>
#include <span>

namespace pixtallo::ui {

// The picture banner of 图片框1: a 440 x 75 colour JPEG with progressive coding, made by
// scripts/make-banner.py.
std::span<const std::uint8_t> banner_jpeg() noexcept;

inline constexpr int icon_size = 32;

// The window icon: 32 x 32 pixels, row by row from the top, each 0xAARRGGBB with straight alpha.
const std::array<std::uint32_t, icon_size * icon_size>& window_icon_argb() noexcept;

}  // namespace pixtallo::ui
