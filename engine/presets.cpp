#include "engine/presets.hpp"

namespace pixtallo::engine {
namespace {

constexpr double p16_width = 0.256, p16_height = 0.128;
constexpr double p12_width = 0.4, p12_height = 0.2;
constexpr double p10_width = 0.32, p10_height = 0.16;
constexpr double m50_width = 0.488, m50_height = 0.244;
constexpr double m375_width = 0.304, m375_height = 0.152;

// The allowance belongs to the frame profile alone.
constexpr double frame_3590 = 0.07, frame_4090 = 0.08, frame_4590 = 0.09;

constexpr std::array<PresetEntry, preset_count> table = {{
    {"按钮1", "P10 4090边框", "P10-4090", {p10_width, p10_height, frame_4090}},
    {"按钮2", "P10 3590边框", "P10-3590", {p10_width, p10_height, frame_3590}},
    {"按钮3", "P10 4590边框", "P10-4590", {p10_width, p10_height, frame_4590}},
    {"按钮4", "5.0 4090边框", "5.0-4090", {m50_width, m50_height, frame_4090}},
    {"按钮5", "5.0 4590边框", "5.0-4590", {m50_width, m50_height, frame_4590}},
    {"按钮6", "5.0 3590边框", "5.0-3590", {m50_width, m50_height, frame_3590}},
    {"按钮7", "3.75 4090边框", "3.75-4090", {m375_width, m375_height, frame_4090}},
    {"按钮8", "3.75 4590边框", "3.75-4590", {m375_width, m375_height, frame_4590}},
    {"按钮9", "3.75 3590边框", "3.75-3590", {m375_width, m375_height, frame_3590}},
    {"按钮11", "P12.5 4090边框", "P12.5-4090", {p12_width, p12_height, frame_4090}},
    // This caption alone has a blank before 边框; the button shows it that way.
    {"按钮12", "P12.5 4590 边框", "P12.5-4590", {p12_width, p12_height, frame_4590}},
    {"按钮13", "P12.5 3590边框", "P12.5-3590", {p12_width, p12_height, frame_3590}},
    {"按钮14", "P16 4090边框", "P16-4090", {p16_width, p16_height, frame_4090}},
    {"按钮15", "P16 4590边框", "P16-4590", {p16_width, p16_height, frame_4590}},
    {"按钮16", "P16 3590边框", "P16-3590", {p16_width, p16_height, frame_3590}},
}};

constexpr std::array<const PresetEntry*, preset_count> grid = {
    &table[12], &table[13], &table[14],  // P16
    &table[9],  &table[10], &table[11],  // P12.5
    &table[0],  &table[2],  &table[1],   // P10
    &table[3],  &table[4],  &table[5],   // 5.0
    &table[6],  &table[7],  &table[8],   // 3.75
};

bool equal_ignoring_ascii_case(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

const std::array<PresetEntry, preset_count>& preset_table() noexcept {
    return table;
}

const std::array<const PresetEntry*, preset_count>& presets_in_grid_order() noexcept {
    return grid;
}

const PresetEntry* preset_by_button(std::string_view button) noexcept {
    for (const PresetEntry& entry : table) {
        if (entry.button == button) {
            return &entry;
        }
    }
    return nullptr;
}

const PresetEntry* find_preset(std::string_view name) noexcept {
    for (const PresetEntry& entry : table) {
        if (entry.button == name || entry.caption == name ||
            equal_ignoring_ascii_case(entry.key, name)) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace pixtallo::engine
