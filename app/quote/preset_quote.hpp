#pragma once
// A request quoted with one preset: the input texts as given and the results the engine wrote.

#include <array>
#include <string>
#include <vector>

#include "engine/fields.hpp"
#include "engine/presets.hpp"

namespace pixtallo::quote {

// Input texts by position in engine::input_fields; a field not given is empty.
using InputTexts = std::array<std::string, engine::input_fields.size()>;

struct PresetQuote {
    const engine::PresetEntry* preset;
    engine::FieldTexts fields;  // inputs and results
};

PresetQuote quote_preset(const engine::PresetEntry& preset, const InputTexts& inputs);

// One quote per preset, in the window's grid order.
std::vector<PresetQuote> quote_all_presets(const InputTexts& inputs);

}  // namespace pixtallo::quote
