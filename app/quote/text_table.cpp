#include "app/quote/text_table.hpp"

#include <algorithm>

#include "app/quote/display_width.hpp"

namespace pixtallo::quote {

void TextTable::render(std::string& out) const {
    std::vector<std::size_t> widths(columns_.size(), 0);
    for (const auto& row : rows_) {
        for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i) {
            widths[i] = std::max(widths[i], display_width(row[i]));
        }
    }
    for (const auto& row : rows_) {
        std::string line;
        for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i) {
            if (i > 0) {
                line.append(2, ' ');
            }
            const std::size_t padding = widths[i] - display_width(row[i]);
            if (columns_[i] == Align::Right) {
                line.append(padding, ' ');
            }
            line += row[i];
            if (columns_[i] == Align::Left) {
                line.append(padding, ' ');
            }
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line;
        out += '\n';
    }
}

}  // namespace pixtallo::quote
