#include "app/quote/options.hpp"

#include <algorithm>
#include <optional>

#include "app/quote/input_names.hpp"
#include "app/quote/quoted_text.hpp"
#include "engine/utf8.hpp"

namespace pixtallo::quote {
namespace {

Format parse_format(std::string_view text) {
    if (text == "text") {
        return Format::Text;
    }
    if (text == "csv") {
        return Format::Csv;
    }
    if (text == "json") {
        return Format::Json;
    }
    throw UsageError("unknown format " + quoted_text(text) + " (text, csv or json)");
}

void once(bool& seen, std::string_view option) {
    if (seen) {
        throw UsageError("option --" + std::string(option) + " given twice");
    }
    seen = true;
}

}  // namespace

Options parse_options(std::span<const std::string_view> args) {
    Options options;
    bool preset_seen = false;
    bool format_seen = false;
    bool batch_seen = false;
    std::array<bool, input_names.size()> input_seen{};
    std::optional<std::string_view> operand;
    bool options_ended = false;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (options_ended || arg == "-" || !arg.starts_with('-')) {
            if (operand) {
                throw UsageError("unexpected argument " + quoted_text(arg));
            }
            operand = arg;
            continue;
        }
        if (arg == "--") {
            options_ended = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            options.mode = Mode::Help;
            return options;
        }
        if (!arg.starts_with("--")) {
            throw UsageError("unknown option " + quoted_text(arg));
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(2, equals == arg.npos ? arg.npos : equals - 2);
        std::optional<std::string_view> attached;
        if (equals != arg.npos) {
            attached = arg.substr(equals + 1);
        }
        // The next argument is the value whatever it looks like, so "--width -5.2" works.
        auto value = [&]() -> std::string_view {
            if (attached) {
                return *attached;
            }
            if (i + 1 == args.size()) {
                throw UsageError("option --" + std::string(name) + " needs a value");
            }
            return args[++i];
        };

        if (name == "batch") {
            once(batch_seen, name);
            if (attached) {
                if (operand) {
                    throw UsageError("unexpected argument " + quoted_text(*operand));
                }
                operand = attached;
            }
        } else if (name == "preset") {
            once(preset_seen, name);
            const std::string_view key = value();
            options.preset = engine::find_preset(key);
            if (options.preset == nullptr) {
                throw UsageError("unknown preset " + quoted_text(key));
            }
        } else if (name == "format") {
            once(format_seen, name);
            options.format = parse_format(value());
        } else if (const auto input = input_by_ascii_name(name)) {
            once(input_seen[*input], name);
            const std::string_view text = value();
            if (!engine::is_valid_utf8(text)) {
                throw UsageError("the value of --" + std::string(name) + " is not valid UTF-8");
            }
            options.inputs[*input] = text;
        } else {
            throw UsageError("unknown option " + quoted_text(arg));
        }
    }

    if (batch_seen) {
        if (preset_seen || std::ranges::find(input_seen, true) != input_seen.end()) {
            throw UsageError("--batch takes the preset and the fields from its file");
        }
        if (options.format != Format::Csv && format_seen) {
            throw UsageError("--batch writes csv only");
        }
        options.mode = Mode::Batch;
        options.batch_file = operand.value_or("-");
        return options;
    }
    if (operand) {
        throw UsageError("unexpected argument " + quoted_text(*operand));
    }
    options.mode = preset_seen ? Mode::Quote : Mode::Compare;
    return options;
}

}  // namespace pixtallo::quote
