#include "app/quote/csv_reader.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace pixtallo::quote {
namespace {

struct Row {
    std::size_t line;
    RowError error;
    std::vector<std::string> cells;
    bool operator==(const Row&) const = default;
};

Row good(std::size_t line, std::vector<std::string> cells) {
    return {line, RowError::None, std::move(cells)};
}
Row bad(std::size_t line, RowError error) {
    return {line, error, {}};
}

void PrintTo(const Row& row, std::ostream* os) {
    *os << "{line " << row.line << ", " << describe(row.error) << ",";
    for (const std::string& cell : row.cells) {
        *os << " [" << ::testing::PrintToString(cell) << "]";
    }
    *os << "}";
}

std::vector<Row> read_all(std::string_view input, std::size_t chunk_size) {
    MemorySource source(input);
    CsvReader reader(source, chunk_size);
    std::vector<Row> rows;
    while (reader.next()) {
        const CsvRow& row = reader.row();
        Row copy{row.line(), row.error(), {}};
        for (std::size_t i = 0; i < row.size(); ++i) {
            copy.cells.emplace_back(row[i]);
        }
        rows.push_back(std::move(copy));
    }
    return rows;
}

struct ReaderCase {
    const char* name;
    std::string input;
    std::vector<Row> rows;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ReaderCase& c, std::ostream* os) {
    *os << c.name;
}

using namespace std::string_literals;

const ReaderCase reader_cases[] = {
    {"LfLineEnds", "a,b\nc,d\n", {good(1, {"a", "b"}), good(2, {"c", "d"})}},
    {"CrlfAndNoFinalLineBreak", "a,b\r\nc,d", {good(1, {"a", "b"}), good(2, {"c", "d"})}},
    {"ByteOrderMarkDropped", "\xEF\xBB\xBFpreset\r\nx\r\n", {good(1, {"preset"}), good(2, {"x"})}},
    {"ByteOrderMarkOnlyAtTheStart", "x,\xEF\xBB\xBF\n", {good(1, {"x", "\xEF\xBB\xBF"})}},
    {"QuotedSeparatorsAndDoubledQuotes",
     "\"a,b\",\"say \"\"hi\"\"\",\"\"\n",
     {good(1, {"a,b", "say \"hi\"", ""})}},
    {"LineBreaksInsideQuotesAreKeptAndCounted",
     "\"x\ny\",1\r\n\"p\r\nq\",2\nlast,3\n",
     {good(1, {"x\ny", "1"}), good(3, {"p\r\nq", "2"}), good(5, {"last", "3"})}},
    {"EmptyLinesSkipped", "\n\r\na\n\n\r\nb\n\n", {good(3, {"a"}), good(6, {"b"})}},
    {"EmptyCellsAreCells",
     ",\n\"\"\na,,b\n",
     {good(1, {"", ""}), good(2, {""}), good(3, {"a", "", "b"})}},
    {"CellsNeverTrimmed", " a , b \t\n", {good(1, {" a ", " b \t"})}},
    {"QuoteInsideUnquotedCellIsText", "5'3\",x\"y\n", {good(1, {"5'3\"", "x\"y"})}},
    {"LoneCrIsTextFinalCrEndsTheLine", "a\rb,c\r", {good(1, {"a\rb", "c"})}},
    {"TextAfterClosingQuote",
     "\"ab\"c,d\nok\n\"x\"\ry\n",
     {bad(1, RowError::TextAfterQuote), good(2, {"ok"}), bad(3, RowError::TextAfterQuote)}},
    {"BadRowStillEndsAfterItsQuotedLineBreak",
     "\"ab\"c,\"x\ny\"\nok\n",
     {bad(1, RowError::TextAfterQuote), good(3, {"ok"})}},
    {"NulByteQuotedOrNot",
     "a,b\0c\n\"q\0\"\nok\n"s,
     {bad(1, RowError::NulByte), bad(2, RowError::NulByte), good(3, {"ok"})}},
    {"InvalidUtf8",
     "\xFF\n\xC0\x80\n\xED\xA0\x80\n\xE4\xB8\n\xE4\xB8,\xAD\n中,ok\n",
     {bad(1, RowError::InvalidUtf8), bad(2, RowError::InvalidUtf8), bad(3, RowError::InvalidUtf8),
      bad(4, RowError::InvalidUtf8), bad(5, RowError::InvalidUtf8), good(6, {"中", "ok"})}},
    {"UnterminatedQuoteNamesTheRowsFirstLine",
     "ok\n\"open,\nstill\n",
     {good(1, {"ok"}), bad(2, RowError::UnterminatedQuote)}},
    {"EmptyInput", "", {}},
    {"OnlyAByteOrderMarkAndLineBreaks", "\xEF\xBB\xBF\r\n\n", {}},
};

class CsvReaderCases : public ::testing::TestWithParam<ReaderCase> {};

// Every chunk size splits the input at different places, CRLF pairs and the BOM included.
TEST_P(CsvReaderCases, ReadsTheSameRowsWhateverTheChunkSize) {
    for (const std::size_t chunk_size :
         {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{5}, default_chunk_size}) {
        SCOPED_TRACE("chunk size " + std::to_string(chunk_size));
        EXPECT_EQ(read_all(GetParam().input, chunk_size), GetParam().rows);
    }
}

INSTANTIATE_TEST_SUITE_P(CsvReader, CsvReaderCases, ::testing::ValuesIn(reader_cases),
                         [](const auto& test_case) { return std::string(test_case.param.name); });

TEST(CsvReader, RowCapCountsTheBytesBetweenLineBreaks) {
    // One byte either side of the cap; the longer row spans lines inside quotes.
    const std::string at_cap = "p," + std::string(max_row_bytes - 2, 'x');
    const std::string over_cap = "\"" + std::string(max_row_bytes / 2, '\n') +
                                 std::string(max_row_bytes / 2 - 3, 'y') + "\",z";
    ASSERT_EQ(over_cap.size(), max_row_bytes + 1);
    const std::string input = at_cap + "\r\n" + over_cap + "\nnext,1\n";
    for (const std::size_t chunk_size : {std::size_t{7}, default_chunk_size}) {
        const std::vector<Row> rows = read_all(input, chunk_size);
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows[0].error, RowError::None);
        EXPECT_EQ(rows[0].cells.at(1).size(), max_row_bytes - 2);
        EXPECT_EQ(rows[1], bad(2, RowError::TooLong));
        EXPECT_EQ(rows[2], good(2 + max_row_bytes / 2 + 1, {"next", "1"}));
    }
}

}  // namespace
}  // namespace pixtallo::quote
