#include "app/quote/preset_quote.hpp"

#include "engine/quotation.hpp"

namespace pixtallo::quote {

PresetQuote quote_preset(const engine::PresetEntry& preset, const InputTexts& inputs) {
    PresetQuote quote{&preset, {}};
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        quote.fields.write(engine::input_fields[i], inputs[i]);
    }
    engine::QuotationProcedure(preset.preset).run(quote.fields);
    return quote;
}

std::vector<PresetQuote> quote_all_presets(const InputTexts& inputs) {
    std::vector<PresetQuote> quotes;
    for (const engine::PresetEntry* preset : engine::presets_in_grid_order()) {
        quotes.push_back(quote_preset(*preset, inputs));
    }
    return quotes;
}

}  // namespace pixtallo::quote
