#pragma once
// A plain-text table aligned by display width.

#include <string>
#include <vector>

namespace pixtallo::quote {

enum class Align { Left, Right };

class TextTable {
  public:
    explicit TextTable(std::vector<Align> columns) : columns_(std::move(columns)) {}

    // A row may have fewer cells than there are columns; a row without cells is a blank line.
    void add_row(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }

    // Columns are two spaces apart; no line ends in a blank.
    void render(std::string& out) const;

  private:
    std::vector<Align> columns_;
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace pixtallo::quote
