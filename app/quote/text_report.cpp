#include <string>

#include "app/quote/reports.hpp"
#include "app/quote/text_table.hpp"

namespace pixtallo::quote {
namespace {

template <std::size_t N>
void add_labelled(TextTable& table, const engine::FieldTexts& fields,
                  const std::array<engine::Field, N>& which) {
    for (const engine::Field field : which) {
        table.add_row({std::string(engine::field_label(field)), fields.text(field)});
    }
}

}  // namespace

void append_text_quote(std::string& out, const PresetQuote& quote) {
    const engine::PresetEntry& preset = *quote.preset;
    out += preset.caption;
    out += " (";
    out += preset.key;
    out += ", ";
    out += preset.button;
    out += ")\n\n";
    TextTable table({Align::Left, Align::Left});
    add_labelled(table, quote.fields, engine::input_fields);
    table.add_row({});
    add_labelled(table, quote.fields, engine::result_fields);
    table.render(out);
}

void append_text_comparison(std::string& out, std::span<const PresetQuote> quotes) {
    TextTable inputs({Align::Left, Align::Left});
    add_labelled(inputs, quotes.front().fields, engine::input_fields);
    inputs.render(out);
    out += '\n';

    std::vector<Align> columns{Align::Left};
    std::vector<std::string> heading{"preset"};
    for (const engine::Field field : engine::result_fields) {
        columns.push_back(Align::Right);
        heading.emplace_back(engine::field_name(field));
    }
    TextTable results(std::move(columns));
    results.add_row(std::move(heading));
    for (const PresetQuote& quote : quotes) {
        std::vector<std::string> row{std::string(quote.preset->key)};
        for (const engine::Field field : engine::result_fields) {
            row.push_back(quote.fields.text(field));
        }
        results.add_row(std::move(row));
    }
    results.render(out);
}

}  // namespace pixtallo::quote
