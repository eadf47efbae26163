#include "app/quote/options.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace pixtallo::quote {
namespace {

Options parse(std::vector<std::string_view> args) {
    return parse_options(args);
}

TEST(Options, AFieldOptionTakesItsValueAsGiven) {
    const std::pair<std::vector<std::string_view>, std::string> cases[] = {
        {{"--width", "5.2"}, "5.2"},   {{"--width=5.2"}, "5.2"},
        {{"--width", "-5.2"}, "-5.2"}, {{"--width", "--height"}, "--height"},
        {{"--width", ""}, ""},         {{"--width="}, ""},
        {{"--width=a=b"}, "a=b"},      {{"--width", " ５.２ "}, " ５.２ "},
    };
    for (const auto& [args, width] : cases) {
        const Options options = parse(args);
        EXPECT_EQ(options.inputs[0], width);
        EXPECT_EQ(options.inputs[1], "");
    }
}

TEST(Options, EachFieldOptionFillsItsOwnField) {
    const Options options =
        parse({"--price", "8", "--other", "7", "--frame-price", "6", "--psu-price", "5",
               "--module-price", "4", "--card", "3", "--height", "2", "--width", "1"});
    EXPECT_EQ(options.inputs, (InputTexts{"1", "2", "3", "4", "5", "6", "7", "8"}));
}

TEST(Options, ModeFollowsPresetAndBatch) {
    struct Case {
        std::vector<std::string_view> args;
        Mode mode;
        std::string_view preset_key;  // for Mode::Quote
        std::string batch_file;       // for Mode::Batch
    };
    const Case cases[] = {
        {{}, Mode::Compare, "", ""},
        {{"--width", "5"}, Mode::Compare, "", ""},
        {{"--preset", "p10-4090"}, Mode::Quote, "P10-4090", ""},
        {{"--preset", "按钮12"}, Mode::Quote, "P12.5-4590", ""},
        {{"--preset=P12.5 4590 边框"}, Mode::Quote, "P12.5-4590", ""},
        {{"--batch"}, Mode::Batch, "", "-"},
        {{"--batch", "-"}, Mode::Batch, "", "-"},
        {{"rows.csv", "--batch"}, Mode::Batch, "", "rows.csv"},
        {{"--batch=rows.csv", "--format", "csv"}, Mode::Batch, "", "rows.csv"},
        {{"--batch", "--", "-rows.csv"}, Mode::Batch, "", "-rows.csv"},
        {{"--width", "5", "--help", "--bogus"}, Mode::Help, "", ""},
        {{"--width", "--help"}, Mode::Compare, "", ""},
    };
    for (const Case& c : cases) {
        const Options options = parse(c.args);
        EXPECT_EQ(options.mode, c.mode) << ::testing::PrintToString(c.args);
        if (c.mode == Mode::Quote) {
            EXPECT_EQ(options.preset->key, c.preset_key);
        }
        if (c.mode == Mode::Batch) {
            EXPECT_EQ(options.batch_file, c.batch_file);
        }
    }
}

TEST(Options, UsageErrorsNameTheProblem) {
    const std::pair<std::vector<std::string_view>, std::string> cases[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"-w"}, "unknown option '-w'"},
        {{"--preset", "P99"}, "unknown preset 'P99'"},
        {{"--preset"}, "option --preset needs a value"},
        {{"--format", "xml"}, "unknown format 'xml' (text, csv or json)"},
        {{"--width", "1", "--width=2"}, "option --width given twice"},
        {{"--width", "\xFF"}, "the value of --width is not valid UTF-8"},
        {{"rows.csv"}, "unexpected argument 'rows.csv'"},
        {{"--batch", "a.csv", "b.csv"}, "unexpected argument 'b.csv'"},
        {{"--batch", "--preset", "P10-4090"},
         "--batch takes the preset and the fields from its file"},
        {{"--price", "1", "--batch"}, "--batch takes the preset and the fields from its file"},
        {{"--batch", "--format", "json"}, "--batch writes csv only"},
    };
    for (const auto& [args, message] : cases) {
        try {
            parse(args);
            ADD_FAILURE() << "no usage error for " << ::testing::PrintToString(args);
        } catch (const UsageError& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
}

}  // namespace
}  // namespace pixtallo::quote
