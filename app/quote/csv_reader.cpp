#include "app/quote/csv_reader.hpp"

#include <algorithm>
#include <array>

#include "engine/utf8.hpp"

namespace pixtallo::quote {
namespace {

using ByteSet = std::array<bool, 256>;

constexpr ByteSet byte_set(std::string_view bytes) {
    ByteSet set{};
    for (const char c : bytes) {
        set[static_cast<unsigned char>(c)] = true;
    }
    return set;
}

// The bytes that end a run of plain cell text in each state; NUL is there so it is always seen.
constexpr ByteSet unquoted_stops = byte_set(std::string_view(",\r\n\0", 4));
constexpr ByteSet quoted_stops = byte_set(std::string_view("\"\n\0", 3));

static_assert(max_row_bytes == 1024 * 1024, "describe() and --help say 1 MiB");

}  // namespace

std::string_view describe(RowError error) noexcept {
    switch (error) {
        case RowError::None:
            break;
        case RowError::TextAfterQuote:
            return "text after a closing quote";
        case RowError::NulByte:
            return "row contains a NUL byte";
        case RowError::InvalidUtf8:
            return "row is not valid UTF-8";
        case RowError::TooLong:
            return "row is longer than 1 MiB";
        case RowError::UnterminatedQuote:
            return "quoted cell not closed before the end of input";
    }
    return "no error";
}

// The buffer holds at least a byte-order mark's three bytes.
CsvReader::CsvReader(ByteSource& source, std::size_t chunk_size)
    : source_(source),
      chunk_size_(std::max<std::size_t>(chunk_size, 1)),
      chunk_(std::max<std::size_t>(chunk_size_, 3)) {}

bool CsvReader::next() {
    if (!started_) {
        started_ = true;
        skip_byte_order_mark();
    }
    begin_row();
    for (;;) {
        if (pos_ == end_ && !refill()) {
            return finish();
        }
        if (!pending_cr_ && (state_ == State::Unquoted || state_ == State::Quoted)) {
            // Take a whole run of plain text at once; it holds no NUL by the choice of stops.
            const ByteSet& stops = state_ == State::Unquoted ? unquoted_stops : quoted_stops;
            const char* first = chunk_.data() + pos_;
            const char* last = std::find_if(first, first + (end_ - pos_), [&](char c) {
                return stops[static_cast<unsigned char>(c)];
            });
            if (last != first) {
                const auto length = static_cast<std::size_t>(last - first);
                count(length);
                store(std::string_view(first, length));
                pos_ += length;
                continue;
            }
        }
        step(chunk_[pos_++]);
        if (row_done_) {
            return true;
        }
    }
}

bool CsvReader::refill() {
    if (at_end_) {
        return false;
    }
    pos_ = 0;
    end_ = source_.read(chunk_.data(), chunk_size_);
    at_end_ = end_ == 0;
    return !at_end_;
}

void CsvReader::skip_byte_order_mark() {
    static constexpr std::string_view bom = "\xEF\xBB\xBF";
    while (end_ < bom.size()) {
        const std::size_t n = source_.read(chunk_.data() + end_, chunk_.size() - end_);
        if (n == 0) {
            at_end_ = true;
            break;
        }
        end_ += n;
    }
    if (std::string_view(chunk_.data(), end_).starts_with(bom)) {
        pos_ = bom.size();
    }
}

void CsvReader::begin_row() {
    row_.text_.clear();
    row_.ends_.clear();
    row_.line_ = line_;
    row_.error_ = RowError::None;
    state_ = State::CellStart;
    pending_cr_ = false;
    cells_ = 0;
    row_bytes_ = 0;
    row_done_ = false;
}

void CsvReader::step(char c) {
    if (pending_cr_) {
        pending_cr_ = false;
        if (c == '\n') {
            row_done_ = line_break();
            return;
        }
        count(1);
        plain_byte('\r');
    }
    switch (state_) {
        case State::Quoted:
            count(1);
            if (c == '"') {
                state_ = State::QuoteInQuoted;
            } else {
                line_ += c == '\n' ? 1 : 0;
                store_byte(c);
            }
            return;
        case State::QuoteInQuoted:
            if (c == '"') {
                count(1);
                store_byte('"');
                state_ = State::Quoted;
                return;
            }
            break;
        case State::CellStart:
            if (c == '"') {
                count(1);
                state_ = State::Quoted;
                return;
            }
            break;
        case State::Unquoted:
            break;
    }
    // Outside quotes.
    switch (c) {
        case ',':
            count(1);
            end_cell();
            break;
        case '\n':
            row_done_ = line_break();
            break;
        case '\r':
            pending_cr_ = true;
            break;
        default:
            count(1);
            plain_byte(c);
    }
}

// An LF outside quotes: ends the row, or skips a line with nothing on it.
bool CsvReader::line_break() {
    ++line_;
    if (state_ == State::CellStart && cells_ == 0) {
        begin_row();
        return false;
    }
    end_cell();
    return true;
}

bool CsvReader::finish() {
    if (pending_cr_) {
        pending_cr_ = false;
        return line_break();
    }
    if (state_ == State::CellStart && cells_ == 0) {
        return false;
    }
    if (state_ == State::Quoted) {
        fail(RowError::UnterminatedQuote);
        return true;
    }
    end_cell();
    return true;
}

void CsvReader::count(std::size_t bytes) {
    row_bytes_ += bytes;
    if (row_bytes_ > max_row_bytes) {
        fail(RowError::TooLong);
    }
}

void CsvReader::store(std::string_view bytes) {
    if (row_.error_ == RowError::None) {
        row_.text_ += bytes;
    }
}

void CsvReader::store_byte(char c) {
    if (c == '\0') {
        fail(RowError::NulByte);
    }
    store(std::string_view(&c, 1));
}

// A byte of cell text outside quotes. A quote inside an unquoted cell is kept as text.
void CsvReader::plain_byte(char c) {
    if (state_ == State::QuoteInQuoted) {
        fail(RowError::TextAfterQuote);
    }
    state_ = State::Unquoted;
    store_byte(c);
}

void CsvReader::end_cell() {
    ++cells_;
    state_ = State::CellStart;
    if (row_.error_ != RowError::None) {
        return;
    }
    const std::size_t begin = row_.ends_.empty() ? 0 : row_.ends_.back();
    if (!engine::is_valid_utf8(std::string_view(row_.text_).substr(begin))) {
        fail(RowError::InvalidUtf8);
        return;
    }
    row_.ends_.push_back(row_.text_.size());
}

// The first error stands; the row's cells are dropped and no more are kept.
void CsvReader::fail(RowError error) {
    if (row_.error_ == RowError::None) {
        row_.error_ = error;
    }
    row_.text_.clear();
    row_.ends_.clear();
}

}  // namespace pixtallo::quote
