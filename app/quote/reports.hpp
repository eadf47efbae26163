#pragma once
// The one-quote and all-presets reports in each output format. Every function appends to `out`.

#include <span>
#include <string>

#include "app/quote/preset_quote.hpp"

namespace pixtallo::quote {

// Text: the window's labels and the texts beside them, inputs then results.
void append_text_quote(std::string& out, const PresetQuote& quote);
// Text: the request's inputs, then one row per preset with its eleven results.
void append_text_comparison(std::string& out, std::span<const PresetQuote> quotes);

// CSV, one row per quote: the preset's key, button and caption, the inputs, the results.
void append_csv_quotes(std::string& out, std::span<const PresetQuote> quotes);

// JSON: {"preset": {...}, "inputs": {...}, "results": {...}}.
void append_json_quote(std::string& out, const PresetQuote& quote);
// JSON: {"inputs": {...}, "quotes": [{"preset": {...}, "results": {...}}, ...]}.
void append_json_comparison(std::string& out, std::span<const PresetQuote> quotes);

}  // namespace pixtallo::quote
