#pragma once
// The command line, read into what the program is to do.

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/quote/preset_quote.hpp"
#include "engine/presets.hpp"

namespace pixtallo::quote {

// A command line the program cannot act on; the message names the problem.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class Mode { Help, Quote, Compare, Batch };
enum class Format { Text, Csv, Json };

struct Options {
    Mode mode = Mode::Compare;
    const engine::PresetEntry* preset = nullptr;  // set for Mode::Quote
    InputTexts inputs;                            // exactly as given
    Format format = Format::Text;
    std::string batch_file = "-";  // "-" is standard input
};

// `args` without the program's name. Throws UsageError.
Options parse_options(std::span<const std::string_view> args);

}  // namespace pixtallo::quote
