#include "app/quote/help_text.hpp"

#include <string_view>

#include "app/quote/input_names.hpp"
#include "app/quote/text_table.hpp"
#include "engine/fields.hpp"
#include "engine/presets.hpp"

namespace pixtallo::quote {
namespace {

constexpr std::string_view usage = R"(Usage:
  pixtallo-quote --preset KEY [FIELD OPTIONS] [--format text|csv|json]
  pixtallo-quote [FIELD OPTIONS] [--format text|csv|json]
  pixtallo-quote --batch [FILE] [--format csv]
  pixtallo-quote --help

Quotes an LED screen as the quotation window does. With --preset, one preset;
without it, all fifteen presets side by side for the same request; with
--batch, one quote per row of a CSV file.

Options:
  --preset KEY      the preset: its button (按钮1), its caption ("P10 4090边框")
                    or its key (P10-4090, letters in either case)
  --format FORMAT   text (the default), csv or json
  --batch [FILE]    quote every row of the CSV FILE, or of standard input when
                    FILE is missing or "-"
  -h, --help        show this help and exit
  --                the next argument is FILE, even if it starts with "-"

Field options, each taking the text as typed into that field of the window:
)";

constexpr std::string_view field_notes = R"(
A field option takes the next argument as its text, whatever it starts with
(--width -5.2), or the text after "=" (--width=5.2). The text goes to the field
as given; the window's reading of it applies (a leading number counts, the rest
is ignored). A field not given is empty.

Output: text is a table with the window's labels; csv has the columns preset,
button, caption, the eight inputs and the eleven results by field name; json
gives every value as a string. Without --preset, one row or entry per preset.

Presets, in the window's order:
)";

constexpr std::string_view batch_notes = R"(
Batch input: CSV as RFC 4180 has it, UTF-8 with or without a byte-order mark,
LF or CRLF line ends. The first row names the columns, in any order: preset,
and any of the input fields by its field name or the option's name (长 or
width, ...). A field without a column is empty. Cells are field texts exactly
as written; a quote inside an unquoted cell is kept as text. Empty lines are
skipped.

Batch output, on standard output: a header repeating the input columns as
given, then the result columns
)";

constexpr std::string_view output_notes = R"(
then one row per good input row, in the input's order. A cell is quoted only
when it holds a comma, a quote, a CR or an LF. Lines end in CRLF, with --batch
and with --format csv alike.

A bad row is reported on standard error as "pixtallo-quote: FILE:LINE: problem"
(FILE is <stdin> for standard input, LINE the line the row starts on) and
skipped: a wrong number of cells, an unknown preset, text after a closing
quote, a NUL byte, invalid UTF-8, a row over 1 MiB, a quoted cell still open at
the end of input. An empty input, or a header without a preset column, with an
unknown column or with a field named twice, stops the batch before any output.

Exit status:
  0  every quote was written
  1  a bad row, a bad or unreadable file, or output that could not be written
  2  usage error

Examples:
  pixtallo-quote --preset P10-4090 --width 5.2 --height 2.1 --card 1500 \
      --module-price 95 --psu-price 75 --frame-price 30 --other 500 --price 2800
  pixtallo-quote --width 5.2 --height 2.1 --price 2800 --format csv
  printf 'preset,width,height\nP10-4090,5.2,2.1\n' | pixtallo-quote --batch
)";

}  // namespace

std::string help_text() {
    std::string text(usage);
    TextTable fields({Align::Left, Align::Left, Align::Left});
    for (const InputName& input : input_names) {
        fields.add_row({"  --" + std::string(input.ascii) + " TEXT",
                        std::string(engine::field_name(input.field)),
                        std::string(engine::field_label(input.field))});
    }
    fields.render(text);
    text += field_notes;
    TextTable presets({Align::Left, Align::Left, Align::Left});
    for (const engine::PresetEntry* preset : engine::presets_in_grid_order()) {
        presets.add_row({"  " + std::string(preset->key), std::string(preset->button),
                         std::string(preset->caption)});
    }
    presets.render(text);
    text += batch_notes;
    text += "  ";
    for (const engine::Field field : engine::result_fields) {
        text += engine::field_name(field);
        text += field == engine::result_fields.back() ? ";" : ",";
    }
    text += output_notes;
    return text;
}

}  // namespace pixtallo::quote
