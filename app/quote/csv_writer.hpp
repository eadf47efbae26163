#pragma once
// Writes CSV as RFC 4180 has it: CRLF line ends, a cell quoted only when it must be.

#include <string>
#include <string_view>

namespace pixtallo::quote {

inline constexpr std::string_view csv_line_end = "\r\n";

// Quotes the cell when it holds a comma, a quote, a CR or an LF; a quote inside is doubled.
void append_csv_cell(std::string& out, std::string_view cell);

}  // namespace pixtallo::quote
