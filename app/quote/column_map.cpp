#include "app/quote/column_map.hpp"

#include "app/quote/input_names.hpp"
#include "app/quote/quoted_text.hpp"

namespace pixtallo::quote {
namespace {

constexpr std::string_view preset_column = "preset";

// `what` says what the column stands for, in case the two columns name it differently.
std::string duplicate(std::string_view name, std::string_view what, std::size_t first) {
    return "duplicate column " + quoted_text(name) + " (" + std::string(what) +
           ", already column " + std::to_string(first + 1) + ")";
}

}  // namespace

HeaderCheck map_columns(const std::vector<std::string_view>& header) {
    HeaderCheck check;
    std::optional<std::size_t> preset;
    for (std::size_t column = 0; column < header.size(); ++column) {
        const std::string_view name = header[column];
        if (name == preset_column) {
            if (preset) {
                check.problems.push_back(duplicate(name, "the preset", *preset));
            } else {
                preset = column;
            }
        } else if (const auto input = input_by_any_name(name)) {
            auto& slot = check.map.inputs[*input];
            if (slot) {
                const std::string_view field = engine::field_name(input_names[*input].field);
                check.problems.push_back(duplicate(name, "field " + std::string(field), *slot));
            } else {
                slot = column;
            }
        } else {
            check.problems.push_back("unknown column " + quoted_text(name) +
                                     " (see --help for the column names)");
        }
    }
    if (preset) {
        check.map.preset = *preset;
    } else {
        check.problems.emplace_back("no 'preset' column");
    }
    return check;
}

}  // namespace pixtallo::quote
