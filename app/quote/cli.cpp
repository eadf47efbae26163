#include "app/quote/cli.hpp"

#include <string>

#include "app/quote/batch.hpp"
#include "app/quote/file_io.hpp"
#include "app/quote/help_text.hpp"
#include "app/quote/options.hpp"
#include "app/quote/reports.hpp"

namespace pixtallo::quote {
namespace {

ExitStatus run_batch_on(const std::string& file, OutputBuffer& out, Diagnostics& diagnostics) {
    if (file == "-") {
        FdSource source(standard_input);
        return run_batch(source, "<stdin>", out, diagnostics);
    }
    try {
        FdSource source(file);
        return run_batch(source, file, out, diagnostics);
    } catch (const InputError& error) {
        diagnostics.report(file, error.what());
        return ExitStatus::Failure;
    }
}

void append_quotes(std::string& out, const Options& options) {
    if (options.mode == Mode::Quote) {
        const PresetQuote quote = quote_preset(*options.preset, options.inputs);
        switch (options.format) {
            case Format::Text:
                return append_text_quote(out, quote);
            case Format::Csv:
                return append_csv_quotes(out, {&quote, 1});
            case Format::Json:
                return append_json_quote(out, quote);
        }
    }
    const std::vector<PresetQuote> quotes = quote_all_presets(options.inputs);
    switch (options.format) {
        case Format::Text:
            return append_text_comparison(out, quotes);
        case Format::Csv:
            return append_csv_quotes(out, quotes);
        case Format::Json:
            return append_json_comparison(out, quotes);
    }
}

}  // namespace

ExitStatus run_cli(std::span<const std::string_view> args, std::ostream& errors) {
    Diagnostics diagnostics(errors);
    try {
        const Options options = parse_options(args);
        OutputBuffer out(standard_output);
        ExitStatus status = ExitStatus::Ok;
        switch (options.mode) {
            case Mode::Help:
                out.text() = help_text();
                break;
            case Mode::Batch:
                status = run_batch_on(options.batch_file, out, diagnostics);
                break;
            case Mode::Quote:
            case Mode::Compare:
                append_quotes(out.text(), options);
                break;
        }
        out.flush();
        return status;
    } catch (const UsageError& error) {
        diagnostics.report(error.what());
        diagnostics.report("try 'pixtallo-quote --help' for more information");
        return ExitStatus::Usage;
    } catch (const OutputError& error) {
        diagnostics.report(std::string("cannot write to standard output: ") + error.what());
        return ExitStatus::Failure;
    }
}

}  // namespace pixtallo::quote
