#include "app/quote/csv_writer.hpp"

#include <gtest/gtest.h>

#include "app/quote/csv_reader.hpp"

namespace pixtallo::quote {
namespace {

struct CellCase {
    std::string cell;
    std::string written;
};

const CellCase cell_cases[] = {
    {"", ""},           {"plain 5.2", "plain 5.2"}, {" lead and trail ", " lead and trail "},
    {"中文", "中文"},   {"5'3\"", "\"5'3\"\"\""},   {"a,b", "\"a,b\""},
    {"\"", "\"\"\"\""}, {"a\nb", "\"a\nb\""},       {"a\rb", "\"a\rb\""},
};

TEST(CsvWriter, QuotesOnlyWhenNeeded) {
    for (const CellCase& c : cell_cases) {
        std::string out;
        append_csv_cell(out, c.cell);
        EXPECT_EQ(out, c.written) << "cell " << ::testing::PrintToString(c.cell);
    }
}

// What the writer writes, the reader reads back cell for cell.
TEST(CsvWriter, RowsReadBackUnchanged) {
    std::string text;
    for (const CellCase& c : cell_cases) {
        append_csv_cell(text, "x");
        text += ',';
        append_csv_cell(text, c.cell);
        text += csv_line_end;
    }
    MemorySource source(text);
    CsvReader reader(source);
    for (const CellCase& c : cell_cases) {
        ASSERT_TRUE(reader.next());
        ASSERT_EQ(reader.row().size(), 2u);
        EXPECT_EQ(reader.row()[1], c.cell);
    }
    EXPECT_FALSE(reader.next());
}

}  // namespace
}  // namespace pixtallo::quote
