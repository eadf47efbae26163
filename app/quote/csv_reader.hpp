#pragma once
// Streams RFC 4180 rows out of a byte source: UTF-8, an optional byte-order mark, LF or CRLF line
// ends. Cells come back exactly as written, only unquoted. A bad row is still returned, with its
// error and without cells, so the caller can report it and read on. Memory stays bounded by the
// chunk size and the row cap, however long the input or any of its lines.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/quote/byte_source.hpp"

namespace pixtallo::quote {

enum class RowError : std::uint8_t {
    None,
    TextAfterQuote,     // e.g. "ab"c
    NulByte,            // a zero byte anywhere in the row
    InvalidUtf8,        // some cell is not valid UTF-8
    TooLong,            // more than max_row_bytes; the rest of the row was skipped unstored
    UnterminatedQuote,  // the input ended inside a quoted cell
};

// A short English description, e.g. "text after a closing quote".
std::string_view describe(RowError error) noexcept;

// A longer row is reported and skipped; its bytes between its line breaks are counted.
inline constexpr std::size_t max_row_bytes = std::size_t{1} << 20;

inline constexpr std::size_t default_chunk_size = 64 * 1024;

class CsvRow {
  public:
    // The physical line the row starts on, 1-based; every LF counts, quoted ones too.
    std::size_t line() const noexcept { return line_; }
    RowError error() const noexcept { return error_; }
    // No cells when the row has an error.
    std::size_t size() const noexcept { return ends_.size(); }
    std::string_view operator[](std::size_t i) const noexcept {
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_).substr(begin, ends_[i] - begin);
    }

  private:
    friend class CsvReader;
    std::string text_;               // all cells back to back
    std::vector<std::size_t> ends_;  // where each cell ends in text_
    std::size_t line_ = 0;
    RowError error_ = RowError::None;
};

class CsvReader {
  public:
    // Reads the source `chunk_size` bytes at a time.
    explicit CsvReader(ByteSource& source, std::size_t chunk_size = default_chunk_size);

    // Reads the next row, good or bad, skipping empty lines; false at the end of input. The row
    // stays valid until the next call. Throws InputError when the source does.
    bool next();
    const CsvRow& row() const noexcept { return row_; }

  private:
    enum class State : std::uint8_t { CellStart, Unquoted, Quoted, QuoteInQuoted };

    bool refill();
    void skip_byte_order_mark();
    void begin_row();
    void step(char c);
    bool line_break();
    bool finish();
    void count(std::size_t bytes);
    void store(std::string_view bytes);
    void store_byte(char c);
    void plain_byte(char c);
    void end_cell();
    void fail(RowError error);

    ByteSource& source_;
    std::size_t chunk_size_;
    std::vector<char> chunk_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool at_end_ = false;
    bool started_ = false;
    std::size_t line_ = 1;  // the line the next byte is on

    CsvRow row_;
    State state_ = State::CellStart;
    bool pending_cr_ = false;  // a CR outside quotes, a line break if an LF follows
    std::size_t cells_ = 0;    // cells ended in this row, stored or not
    std::size_t row_bytes_ = 0;
    bool row_done_ = false;
};

}  // namespace pixtallo::quote
