// The real pixtallo-quote program, run as a child process.

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <sstream>

#include "app/quote/display_width.hpp"
#include "engine/presets.hpp"
#include "engine/utf8.hpp"
#include "run_program.hpp"

namespace pixtallo::quote {
namespace {

using test::ProgramResult;
using test::Stdout;

ProgramResult run(const std::vector<std::string>& args, std::string_view input = {},
                  Stdout stdout_mode = Stdout::Captured) {
    return test::run_program(PIXTALLO_QUOTE_PROGRAM, args, input, stdout_mode);
}

std::string temp_path(const std::string& name) {
    return ::testing::TempDir() + "pixtallo_quote_" + std::to_string(::getpid()) + "_" + name;
}

std::string write_temp_file(const std::string& name, std::string_view content) {
    const std::string path = temp_path(name);
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

std::vector<std::string> split(const std::string& text, std::string_view line_end) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    for (std::size_t end; (end = text.find(line_end, begin)) != std::string::npos;) {
        lines.push_back(text.substr(begin, end - begin));
        begin = end + line_end.size();
    }
    EXPECT_EQ(begin, text.size()) << "output does not end in a line end";
    return lines;
}

// The blank-separated words of a line, joined by commas.
std::string words(const std::string& line) {
    std::istringstream in(line);
    std::string joined;
    for (std::string word; in >> word;) {
        joined += joined.empty() ? word : "," + word;
    }
    return joined;
}

const std::vector<std::string> request = {
    "--width",        "5.2", "--height",      "2.1", "--card",  "1500", "--psu-price", "75",
    "--module-price", "95",  "--frame-price", "30",  "--other", "500",  "--price",     "2800"};

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

const std::string csv_columns =
    "preset,button,caption,长,高,控制卡,板单价,电源单价,边框单价,其它费用,报价,"
    "板长,板高,整屏长,整屏高,整屏面积,电源块数,单元板,边框长,边框高,成本,总价";
const std::string result_columns =
    "板长,板高,整屏长,整屏高,整屏面积,电源块数,单元板,边框长,边框高,成本,总价";

TEST(QuoteProgram, WorkedExampleAsText) {
    const ProgramResult result = run(with({"--preset", "按钮1"}, request));
    ASSERT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const std::vector<std::string> lines = split(result.out, "\n");
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[0], "P10 4090边框 (P10-4090, 按钮1)");

    // Label, then the value starting at one display column shared by all lines.
    const std::pair<std::string, std::string> expected[] = {
        {"屏长(米):", "5.2"},
        {"屏高(米):", "2.1"},
        {"控制卡单价:", "1500"},
        {"单元板单价:", "95"},
        {"电源单价:", "75"},
        {"边框单价:", "30"},
        {"C、其它成本费用(元)：", "500"},
        {"D、整屏给客户报价:", "2800"},
        {"", ""},
        {"单元板长(块)", "16"},
        {"单元板高(块)", "13"},
        {"整屏长(米)", "5.2"},
        {"整屏高(米)", "2.16"},
        {"面积(平方)", "11.232"},
        {"电源(块数)", "26"},
        {"单元板(张)", "208"},
        {"边框长(米)", "5.12"},
        {"边框高(米)", "2.08"},
        {"成本约(元):", "24142"},
        {"工程总价(元):", "31449.6"},
    };
    std::optional<std::size_t> value_column;
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const std::string& line = lines[i + 2];
        const auto& [label, value] = expected[i];
        if (label.empty()) {
            EXPECT_EQ(line, "");
            continue;
        }
        ASSERT_TRUE(line.starts_with(label) && line.ends_with(value)) << line;
        const std::string gap =
            line.substr(label.size(), line.size() - label.size() - value.size());
        EXPECT_EQ(gap.find_first_not_of(' '), std::string::npos) << line;
        const std::size_t column = display_width(label) + gap.size();
        EXPECT_EQ(column, value_column.value_or(column)) << line;
        value_column = column;
    }
}

TEST(QuoteProgram, WorkedExampleAsCsvAndJson) {
    const std::pair<std::string, std::string> cases[] = {
        {"csv", csv_columns + "\r\n" +
                    "P10-4090,按钮1,P10 4090边框,5.2,2.1,1500,95,75,30,500,2800,"
                    "16,13,5.2,2.16,11.232,26,208,5.12,2.08,24142,31449.6\r\n"},
        {"json", R"({
  "preset": {"key": "P10-4090", "button": "按钮1", "caption": "P10 4090边框"},
  "inputs": {
    "长": "5.2",
    "高": "2.1",
    "控制卡": "1500",
    "板单价": "95",
    "电源单价": "75",
    "边框单价": "30",
    "其它费用": "500",
    "报价": "2800"
  },
  "results": {
    "板长": "16",
    "板高": "13",
    "整屏长": "5.2",
    "整屏高": "2.16",
    "整屏面积": "11.232",
    "电源块数": "26",
    "单元板": "208",
    "边框长": "5.12",
    "边框高": "2.08",
    "成本": "24142",
    "总价": "31449.6"
  }
}
)"},
    };
    for (const auto& [format, output] : cases) {
        const ProgramResult result = run(with({"--preset=p10-4090", "--format", format}, request));
        EXPECT_EQ(result.exit_code, 0) << result.err;
        EXPECT_EQ(result.out, output);
    }
}

TEST(QuoteProgram, FieldTextsPassThroughAsTyped) {
    // Not validated or reinterpreted: a negative width, full-width digits, text the engine reads
    // as far as it can, and characters JSON must escape.
    const ProgramResult result =
        run({"--preset", "P16-3590", "--width", "-1", "--height", "２.１", "--price", "12abc",
             "--other", "a\"b\\c\t", "--format", "json"});
    ASSERT_EQ(result.exit_code, 0) << result.err;
    for (const char* member :
         {R"("长": "-1")", R"("高": "２.１")", R"("报价": "12abc")", R"("其它费用": "a\"b\\c\t")",
          R"("板长": "-3")", R"("板高": "16")"}) {
        EXPECT_NE(result.out.find(member), std::string::npos) << member;
    }
}

TEST(QuoteProgram, AllPresetsAsATextTableInGridOrder) {
    const ProgramResult result = run(request);
    ASSERT_EQ(result.exit_code, 0) << result.err;
    const std::vector<std::string> lines = split(result.out, "\n");
    ASSERT_EQ(lines.size(), 8 + 1 + 1 + 15u);
    EXPECT_TRUE(lines[0].starts_with("屏长(米):  ")) << lines[0];
    EXPECT_EQ(lines[8], "");
    EXPECT_EQ(words(lines[9]), "preset," + result_columns);
    const auto& grid = engine::presets_in_grid_order();
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const std::string& line = lines[10 + i];
        EXPECT_TRUE(line.starts_with(std::string(grid[i]->key) + " ")) << line;
        // Results are right-aligned, so every row ends at the heading's last column.
        EXPECT_EQ(display_width(line), display_width(lines[9])) << line;
        if (grid[i]->key == "P10-4090") {
            EXPECT_EQ(words(line), "P10-4090,16,13,5.2,2.16,11.232,26,208,5.12,2.08,24142,31449.6");
        }
    }
}

TEST(QuoteProgram, AllPresetsAsCsvAndJson) {
    const ProgramResult csv = run(with(request, {"--format=csv"}));
    ASSERT_EQ(csv.exit_code, 0) << csv.err;
    const std::vector<std::string> rows = split(csv.out, "\r\n");
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(rows[0], csv_columns);
    const ProgramResult json = run(with(request, {"--format=json"}));
    ASSERT_EQ(json.exit_code, 0) << json.err;
    std::size_t at = 0;
    const auto& grid = engine::presets_in_grid_order();
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const std::string key(grid[i]->key);
        EXPECT_TRUE(rows[i + 1].starts_with(key + ",")) << rows[i + 1];
        at = json.out.find("\"key\": \"" + key + "\"", at);
        EXPECT_NE(at, std::string::npos) << key << " missing or out of order";
        if (key == "P10-4090") {
            EXPECT_EQ(rows[i + 1],
                      "P10-4090,按钮1,P10 4090边框,5.2,2.1,1500,95,75,30,500,2800,"
                      "16,13,5.2,2.16,11.232,26,208,5.12,2.08,24142,31449.6");
        }
    }
}

TEST(QuoteProgram, BatchWritesGoodRowsAndNamesBadOnesByLine) {
    const std::string input =
        "\xEF\xBB\xBFpreset,长,height,报价\r\n"    // 1
        "P10-4090,5.2,2.1,2800\r\n"                // 2
        "\r\n"                                     // 3
        "按钮99,1,1,1\r\n"                         // 4
        "\"P10 4090边框\",\"5.2\n\",2.1,2800\r\n"  // 5-6
        "P10-4090,5.2,2.1\r\n"                     // 7
        "\"P10-4090\"x,1,2,3\r\n"                  // 8
        "p16-3590,-1,,abc\r\n"                     // 9
        "按钮1,\xFF,1,1\r\n"                       // 10
        "\"按钮1,1,2,3\n";                         // 11, never closed
    const std::string output =
        "preset,长,height,报价," + result_columns + "\r\n" +
        "P10-4090,5.2,2.1,2800,16,13,5.2,2.16,11.232,26,208,5.12,2.08,0,31449.6\r\n"
        "P10 4090边框,\"5.2\n\",2.1,2800,16,13,5.2,2.16,11.232,26,208,5.12,2.08,0,31449.6\r\n"
        "p16-3590,-1,,abc,-3,0,-0.698,0.07,-0.04886,0,0,-0.768,0,0,0\r\n";
    const std::string messages =
        ":4: unknown preset '按钮99'\n"
        ":7: row has 3 cells, the header has 4\n"
        ":8: text after a closing quote\n"
        ":10: row is not valid UTF-8\n"
        ":11: quoted cell not closed before the end of input\n";
    const std::string path = write_temp_file("rows.csv", input);
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--batch", path}, path},
        {{"--batch"}, "<stdin>"},
        {{"--format", "csv", "--batch", "-"}, "<stdin>"},
    };
    for (const auto& [args, name] : cases) {
        const ProgramResult result = run(args, input);
        EXPECT_EQ(result.exit_code, 1);
        EXPECT_EQ(result.out, output);
        std::string expected_err;
        std::istringstream lines(messages);
        for (std::string line; std::getline(lines, line);) {
            expected_err += "pixtallo-quote: " + name + line + "\n";
        }
        EXPECT_EQ(result.err, expected_err);
    }
}

TEST(QuoteProgram, BatchSkipsAnOverlongRowWithoutLosingItsPlace) {
    const std::string input =
        "preset,width\nP10-4090," + std::string(3 << 20, '7') + "\n\"P10-4090\",\"5.2\"\n";
    const ProgramResult result = run({"--batch"}, input);
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.err, "pixtallo-quote: <stdin>:2: row is longer than 1 MiB\n");
    EXPECT_EQ(result.out, "preset,width," + result_columns + "\r\n" +
                              "P10-4090,5.2,16,0,5.2,0.08,0.416,0,0,5.12,0,0,0\r\n");
}

TEST(QuoteProgram, BatchHeaderDecidesAlone) {
    const std::string header_only = "preset,width,其它费用\r\n";
    struct Case {
        std::string input;
        int exit_code;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {"", 1, "", "pixtallo-quote: <stdin>: empty input, no header row\n"},
        {"\xEF\xBB\xBF\r\n\n", 1, "", "pixtallo-quote: <stdin>: empty input, no header row\n"},
        {header_only, 0, "preset,width,其它费用," + result_columns + "\r\n", ""},
        {"\n\"pre\"set\n", 1, "",
         "pixtallo-quote: <stdin>:2: header: text after a closing quote\n"},
        {"width,长\nP10-4090,1,2\n", 1, "",
         "pixtallo-quote: <stdin>:1: duplicate column '长' (field 长, already column 1)\n"
         "pixtallo-quote: <stdin>:1: no 'preset' column\n"},
        {"preset,note\nP10-4090,x\n", 1, "",
         "pixtallo-quote: <stdin>:1: unknown column 'note' (see --help for the column names)\n"},
    };
    for (const Case& c : cases) {
        const ProgramResult result = run({"--batch"}, c.input);
        EXPECT_EQ(result.exit_code, c.exit_code) << c.input;
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, c.err);
    }
}

TEST(QuoteProgram, UnreadableBatchFileNamesTheSystemsReason) {
    const std::string missing = temp_path("missing.csv");
    const std::pair<std::string, std::string> cases[] = {
        {missing, "No such file or directory"},
        {::testing::TempDir(), "Is a directory"},
    };
    for (const auto& [path, reason] : cases) {
        const ProgramResult result = run({"--batch", path});
        EXPECT_EQ(result.exit_code, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "pixtallo-quote: " + path + ": " + reason + "\n");
    }
}

TEST(QuoteProgram, UsageErrorsExitTwoWithAHint) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"--preset", "P99"}, "unknown preset 'P99'"},
        {{"--batch", "--width", "5"}, "--batch takes the preset and the fields from its file"},
        {{"--batch", "--format", "json"}, "--batch writes csv only"},
        {{"--height", "\xE4\xB8"}, "the value of --height is not valid UTF-8"},
    };
    for (const auto& [args, message] : cases) {
        const ProgramResult result = run(args);
        EXPECT_EQ(result.exit_code, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "pixtallo-quote: " + message +
                                  "\npixtallo-quote: try 'pixtallo-quote --help' for more "
                                  "information\n");
    }
}

TEST(QuoteProgram, HelpGoesToStandardOutput) {
    const ProgramResult result = run({"--help"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.err, "");
    for (const char* part :
         {"Usage:", "--batch [FILE]", "--module-price", "P12.5 4590 边框", "CRLF", "Exit status"}) {
        EXPECT_NE(result.out.find(part), std::string::npos) << part;
    }
}

TEST(QuoteProgram, ClosedOutputPipeIsAnErrorNotASignal) {
    std::string rows = "preset,width\n";
    for (int i = 0; i < 20000; ++i) {
        rows += "P10-4090,5.2\n";
    }
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--help"}, ""},
        {request, ""},
        {{"--batch"}, rows},
    };
    for (const auto& [args, input] : cases) {
        const ProgramResult result = run(args, input, Stdout::ClosedPipe);
        EXPECT_EQ(result.signal, 0) << strsignal(result.signal);
        EXPECT_EQ(result.exit_code, 1);
        EXPECT_EQ(result.err, "pixtallo-quote: cannot write to standard output: Broken pipe\n");
    }
}

// Random bytes biased towards CSV's special characters, between good rows.
TEST(QuoteProgram, SurvivesGarbageAndWritesOnlyValidUtf8) {
    const std::string_view alphabet(
        "\",\r\n\0\xFF\xE4\xB8\xAD"
        "a1.-",
        14);
    std::string input = "preset,width\n";
    std::uint32_t state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1664525u + 1013904223u;
        const auto pick = static_cast<std::uint8_t>(state >> 24);
        input += pick < 160 ? alphabet[pick % alphabet.size()] : static_cast<char>(pick);
        if (i % 997 == 0) {
            input += "\nP10-4090,\"5,2\"\n";  // a good row, unless an open quote swallows it
        }
    }
    const ProgramResult result = run({"--batch"}, input);
    EXPECT_EQ(result.signal, 0);
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_TRUE(engine::is_valid_utf8(result.out));
    EXPECT_TRUE(result.out.starts_with("preset,width," + result_columns + "\r\n"));
    EXPECT_NE(result.out.find("\r\nP10-4090,\"5,2\",15,"), std::string::npos);
}

}  // namespace
}  // namespace pixtallo::quote
