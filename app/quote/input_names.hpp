#pragma once
// The two names of each input field outside the window: its field name (长) and its ASCII name
// (width), which is the command-line option without its dashes and a batch column name.

#include <array>
#include <optional>
#include <string_view>

#include "engine/fields.hpp"

namespace pixtallo::quote {

struct InputName {
    engine::Field field;
    std::string_view ascii;  // e.g. "width"
};

// In the order of engine::input_fields.
inline constexpr std::array<InputName, engine::input_fields.size()> input_names = {{
    {engine::Field::Width, "width"},
    {engine::Field::Height, "height"},
    {engine::Field::Card, "card"},
    {engine::Field::ModulePrice, "module-price"},
    {engine::Field::PsuPrice, "psu-price"},
    {engine::Field::FramePrice, "frame-price"},
    {engine::Field::Other, "other"},
    {engine::Field::Price, "price"},
}};

// The input field's position in engine::input_fields, by its ASCII name.
std::optional<std::size_t> input_by_ascii_name(std::string_view name) noexcept;

// The same by either name: the field name (长) or the ASCII name (width).
std::optional<std::size_t> input_by_any_name(std::string_view name) noexcept;

}  // namespace pixtallo::quote
