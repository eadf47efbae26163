#include "app/quote/json_string.hpp"
#include "app/quote/reports.hpp"

namespace pixtallo::quote {
namespace {

void append_preset(std::string& out, const engine::PresetEntry& preset) {
    out += "{\"key\": ";
    append_json_string(out, preset.key);
    out += ", \"button\": ";
    append_json_string(out, preset.button);
    out += ", \"caption\": ";
    append_json_string(out, preset.caption);
    out += '}';
}

// An object with one member per field, keyed by field name, each on its own line at `indent`.
template <std::size_t N>
void append_fields(std::string& out, const engine::FieldTexts& fields,
                   const std::array<engine::Field, N>& which, std::size_t indent) {
    out += '{';
    for (std::size_t i = 0; i < N; ++i) {
        out += i == 0 ? "\n" : ",\n";
        out.append(indent + 2, ' ');
        append_json_string(out, engine::field_name(which[i]));
        out += ": ";
        append_json_string(out, fields.text(which[i]));
    }
    out += '\n';
    out.append(indent, ' ');
    out += '}';
}

}  // namespace

void append_json_quote(std::string& out, const PresetQuote& quote) {
    out += "{\n  \"preset\": ";
    append_preset(out, *quote.preset);
    out += ",\n  \"inputs\": ";
    append_fields(out, quote.fields, engine::input_fields, 2);
    out += ",\n  \"results\": ";
    append_fields(out, quote.fields, engine::result_fields, 2);
    out += "\n}\n";
}

void append_json_comparison(std::string& out, std::span<const PresetQuote> quotes) {
    out += "{\n  \"inputs\": ";
    append_fields(out, quotes.front().fields, engine::input_fields, 2);
    out += ",\n  \"quotes\": [";
    for (std::size_t i = 0; i < quotes.size(); ++i) {
        out += i == 0 ? "\n" : ",\n";
        out += "    {\n      \"preset\": ";
        append_preset(out, *quotes[i].preset);
        out += ",\n      \"results\": ";
        append_fields(out, quotes[i].fields, engine::result_fields, 6);
        out += "\n    }";
    }
    out += "\n  ]\n}\n";
}

}  // namespace pixtallo::quote
