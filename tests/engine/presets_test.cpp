#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/presets.hpp"

namespace pixtallo::engine {
namespace {

TEST(Presets, EveryPresetIsFoundByButtonCaptionAndKey) {
    for (const PresetEntry& entry : preset_table()) {
        EXPECT_EQ(preset_by_button(entry.button), &entry);
        EXPECT_EQ(find_preset(entry.button), &entry);
        EXPECT_EQ(find_preset(entry.caption), &entry);
        EXPECT_EQ(find_preset(entry.key), &entry);
    }
}

struct LookupCase {
    std::string name;
    std::string button;  // empty: no preset
};

class PresetLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(PresetLookup, FindsTheButtonsPreset) {
    const PresetEntry* entry = find_preset(GetParam().name);
    if (GetParam().button.empty()) {
        EXPECT_EQ(entry, nullptr);
    } else {
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->button, GetParam().button);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, PresetLookup,
    testing::Values(LookupCase{"按钮1", "按钮1"}, LookupCase{"P10 4090边框", "按钮1"},
                    LookupCase{"P10-4090", "按钮1"}, LookupCase{"p10-4090", "按钮1"},
                    LookupCase{"5.0-3590", "按钮6"}, LookupCase{"P12.5-4590", "按钮12"},
                    LookupCase{"P12.5 4590 边框", "按钮12"}, LookupCase{"3.75-4590", "按钮8"},
                    LookupCase{"按钮10", ""}, LookupCase{"P12.5 4590边框", ""},
                    LookupCase{"P10", ""}, LookupCase{"", ""}, LookupCase{"P10-4090 ", ""}));

struct ValuesCase {
    std::string key;
    PanelPreset preset;
};

class PresetValues : public testing::TestWithParam<ValuesCase> {};

TEST_P(PresetValues, HoldTheModuleSizeAndFrameAllowance) {
    const PresetEntry* entry = find_preset(GetParam().key);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->preset.module_width, GetParam().preset.module_width);
    EXPECT_EQ(entry->preset.module_height, GetParam().preset.module_height);
    EXPECT_EQ(entry->preset.frame_allowance, GetParam().preset.frame_allowance);
    EXPECT_EQ(entry->preset.module_height * 2, entry->preset.module_width);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PresetValues,
    testing::Values(
        ValuesCase{"按钮1", {0.32, 0.16, 0.08}}, ValuesCase{"按钮2", {0.32, 0.16, 0.07}},
        ValuesCase{"按钮3", {0.32, 0.16, 0.09}}, ValuesCase{"按钮4", {0.488, 0.244, 0.08}},
        ValuesCase{"按钮5", {0.488, 0.244, 0.09}}, ValuesCase{"按钮6", {0.488, 0.244, 0.07}},
        ValuesCase{"按钮7", {0.304, 0.152, 0.08}}, ValuesCase{"按钮8", {0.304, 0.152, 0.09}},
        ValuesCase{"按钮9", {0.304, 0.152, 0.07}}, ValuesCase{"按钮11", {0.4, 0.2, 0.08}},
        ValuesCase{"按钮12", {0.4, 0.2, 0.09}}, ValuesCase{"按钮13", {0.4, 0.2, 0.07}},
        ValuesCase{"按钮14", {0.256, 0.128, 0.08}}, ValuesCase{"按钮15", {0.256, 0.128, 0.09}},
        ValuesCase{"按钮16", {0.256, 0.128, 0.07}}));

TEST(Presets, GridOrderIsModuleRowsByFrameColumns) {
    std::string captions;
    for (const PresetEntry* entry : presets_in_grid_order()) {
        captions += std::string(entry->caption) + "|";
    }
    EXPECT_EQ(captions,
              "P16 4090边框|P16 4590边框|P16 3590边框|"
              "P12.5 4090边框|P12.5 4590 边框|P12.5 3590边框|"
              "P10 4090边框|P10 4590边框|P10 3590边框|"
              "5.0 4090边框|5.0 4590边框|5.0 3590边框|"
              "3.75 4090边框|3.75 4590边框|3.75 3590边框|");
}

TEST(Presets, NamesAreUnique) {
    std::set<std::string_view> names;
    for (const PresetEntry& entry : preset_table()) {
        EXPECT_TRUE(names.insert(entry.button).second);
        EXPECT_TRUE(names.insert(entry.caption).second);
        EXPECT_TRUE(names.insert(entry.key).second);
    }
}

}  // namespace
}  // namespace pixtallo::engine
