#include "app/quote/csv_writer.hpp"
#include "app/quote/reports.hpp"

namespace pixtallo::quote {

void append_csv_quotes(std::string& out, std::span<const PresetQuote> quotes) {
    out += "preset,button,caption";
    for (const engine::Field field : engine::input_fields) {
        out += ',';
        out += engine::field_name(field);
    }
    for (const engine::Field field : engine::result_fields) {
        out += ',';
        out += engine::field_name(field);
    }
    out += csv_line_end;
    for (const PresetQuote& quote : quotes) {
        append_csv_cell(out, quote.preset->key);
        out += ',';
        append_csv_cell(out, quote.preset->button);
        out += ',';
        append_csv_cell(out, quote.preset->caption);
        for (const engine::Field field : engine::input_fields) {
            out += ',';
            append_csv_cell(out, quote.fields.text(field));
        }
        for (const engine::Field field : engine::result_fields) {
            out += ',';
            append_csv_cell(out, quote.fields.text(field));
        }
        out += csv_line_end;
    }
}

}  // namespace pixtallo::quote
