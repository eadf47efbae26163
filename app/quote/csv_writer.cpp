#include "app/quote/csv_writer.hpp"

namespace pixtallo::quote {
namespace {

// A plain loop: find_first_of runs a memchr per byte of the cell, which shows in batch profiles.
bool needs_quotes(std::string_view cell) noexcept {
    for (const char c : cell) {
        if (c == ',' || c == '"' || c == '\r' || c == '\n') {
            return true;
        }
    }
    return false;
}

}  // namespace

void append_csv_cell(std::string& out, std::string_view cell) {
    if (!needs_quotes(cell)) {
        out += cell;
        return;
    }
    out += '"';
    for (const char c : cell) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

}  // namespace pixtallo::quote
