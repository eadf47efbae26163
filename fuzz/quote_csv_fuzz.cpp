// pixtallo-quote's batch on arbitrary bytes: nothing is thrown, every row is either quoted into
// exactly one output row or reported, and the output is CSV that reads back with the input's
// columns plus the eleven results.

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "app/quote/batch.hpp"
#include "app/quote/byte_source.hpp"
#include "app/quote/csv_reader.hpp"
#include "app/quote/diagnostics.hpp"
#include "app/quote/output_buffer.hpp"
#include "fuzz/fuzz_check.hpp"

namespace {

using namespace pixtallo::quote;

struct RowCount {
    std::size_t rows = 0;  // after the header
    std::size_t first_row_cells = 0;
    bool same_cells_everywhere = true;
};

RowCount count_rows(std::string_view csv) {
    MemorySource source(csv);
    CsvReader reader(source);
    RowCount count;
    bool header = true;
    while (reader.next()) {
        if (header) {
            count.first_row_cells = reader.row().size();
            header = false;
            continue;
        }
        ++count.rows;
        count.same_cells_everywhere =
            count.same_cells_everywhere && reader.row().size() == count.first_row_cells;
    }
    return count;
}

std::size_t lines(const std::string& text) {
    std::size_t n = 0;
    for (const char c : text) {
        n += c == '\n' ? 1u : 0u;
    }
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::ostringstream messages;
    Diagnostics diagnostics(messages);
    // Never flushed: a quoted row is at most its own bytes and about 250 more, and a row that is
    // quoted holds at least a preset's name.
    OutputBuffer out(-1, 2 * (64 * size + 4096));
    MemorySource source(input);
    ExitStatus status = ExitStatus::Ok;
    bool thrown = false;
    try {
        status = run_batch(source, "fuzz", out, diagnostics);
    } catch (...) {
        thrown = true;
    }
    PIXTALLO_FUZZ_CHECK(!thrown);
    const std::string& output = out.text();
    PIXTALLO_FUZZ_CHECK((status == ExitStatus::Ok) == messages.str().empty());
    if (output.empty()) {
        return 0;  // a bad header or an empty input: reported, nothing quoted
    }
    // Each bad row is one message line; each good row one output row.
    const RowCount in = count_rows(input);
    const RowCount quoted = count_rows(output);
    PIXTALLO_FUZZ_CHECK(quoted.rows + lines(messages.str()) == in.rows);
    PIXTALLO_FUZZ_CHECK(quoted.same_cells_everywhere);
    PIXTALLO_FUZZ_CHECK(quoted.first_row_cells == in.first_row_cells + 11);
    return 0;
}
