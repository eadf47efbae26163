#pragma once
// The fifteen module-type x frame-profile presets. A fixed table: nothing is added or changed at
// run time, and no caption is ever parsed to find a preset's values.

#include <array>
#include <string_view>

namespace pixtallo::engine {

// All values in metres; each is the double nearest to its decimal.
struct PanelPreset {
    double module_width;
    double module_height;
    double frame_allowance;  // added once to the width and once to the height of the module area
};

struct PresetEntry {
    std::string_view button;   // the button that carries it, e.g. "按钮1"
    std::string_view caption;  // the button's text exactly, e.g. "P10 4090边框"
    std::string_view key;      // short ASCII key for scripts, e.g. "P10-4090"
    PanelPreset preset;
};

inline constexpr std::size_t preset_count = 15;

// In button order: 按钮1 .. 按钮9, 按钮11 .. 按钮16 (按钮10 is the calculator button).
const std::array<PresetEntry, preset_count>& preset_table() noexcept;

// In the window's grid order: rows P16, P12.5, P10, 5.0, 3.75; columns 4090, 4590, 3590.
const std::array<const PresetEntry*, preset_count>& presets_in_grid_order() noexcept;

// By button name; nullptr when no preset button has that name.
const PresetEntry* preset_by_button(std::string_view button) noexcept;

// By button name, exact caption or short key (the key's letters in either case); nullptr when
// nothing matches.
const PresetEntry* find_preset(std::string_view name) noexcept;

}  // namespace pixtallo::engine
