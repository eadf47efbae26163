#pragma once
// Which batch column holds the preset and which holds each input field, from the header row.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/fields.hpp"

namespace pixtallo::quote {

struct ColumnMap {
    std::size_t preset = 0;
    // By position in engine::input_fields; an input without a column stays empty.
    std::array<std::optional<std::size_t>, engine::input_fields.size()> inputs{};
};

struct HeaderCheck {
    ColumnMap map;
    // Why the header cannot be used, one message per problem; empty when it can.
    std::vector<std::string> problems;
};

// Columns are named `preset` or by an input field's field name or ASCII name, in any order, each
// at most once. Names are matched exactly, never trimmed.
HeaderCheck map_columns(const std::vector<std::string_view>& header);

}  // namespace pixtallo::quote
