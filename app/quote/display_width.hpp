#pragma once
// Terminal columns a text takes, so tables line up with Chinese labels.

#include <cstddef>
#include <string_view>

namespace pixtallo::quote {

// East Asian wide and full-width characters take two columns, every other character (and every
// invalid byte) one.
std::size_t display_width(std::string_view text) noexcept;

}  // namespace pixtallo::quote
