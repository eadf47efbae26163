// Hostile input fed to the real pixtallo-quote: each gets a clear message and the right exit
// status. Memory and time under such input are measured by bench/hostile_input.sh.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "run_program.hpp"

namespace pixtallo::quote {
namespace {

using test::ProgramResult;
using test::run_program;

const std::string good_row = "P10-4090,5.2\n";

std::string repeated(std::string_view piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        out += piece;
    }
    return out;
}

struct HostileCase {
    std::string name;
    // Made when the test runs, not when the tests are listed: some inputs are 100 MB.
    std::string (*input)();
    int exit_code;
    std::string error;  // the whole of standard error
    bool good_row_quoted;
};

void PrintTo(const HostileCase& c, std::ostream* os) {
    *os << c.name;
}

class HostileBatch : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileBatch, GetsAClearMessageAndTheRightStatus) {
    // Through a file, as a user would hand it over.
    const std::string path = testing::TempDir() + "/hostile-" + GetParam().name + ".csv";
    std::ofstream(path, std::ios::binary) << GetParam().input();
    const ProgramResult result = run_program(PIXTALLO_QUOTE_PROGRAM, {"--batch", path}, "");
    std::filesystem::remove(path);
    EXPECT_EQ(result.signal, 0);
    EXPECT_EQ(result.exit_code, GetParam().exit_code);
    EXPECT_EQ(result.err, GetParam().error.empty()
                              ? std::string()
                              : "pixtallo-quote: " + path + ":" + GetParam().error + "\n");
    EXPECT_EQ(result.out.find("\r\nP10-4090,5.2,16,") != std::string::npos,
              GetParam().good_row_quoted);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, HostileBatch,
    testing::Values(
        HostileCase{"HundredMegabyteLine",
                    [] {
                        return "preset,width\nP10-4090," + std::string(100 << 20, '9') + "\n" +
                               good_row;
                    },
                    1, "2: row is longer than 1 MiB", true},
        HostileCase{"MillionColumnHeader",
                    [] { return "preset" + repeated(",c", 1'000'000) + "\n" + good_row; }, 1,
                    "1: header: row is longer than 1 MiB", false},
        HostileCase{
            "MillionCellRow",
            [] { return "preset,width\nP10-4090" + std::string(999'999, ',') + "\n" + good_row; },
            1, "2: row has 1000000 cells, the header has 2", true},
        HostileCase{"NulBytes",
                    [] {
                        return "preset,width\n" +
                               std::string(
                                   "P10-4090,5\0"
                                   "2\n",
                                   13) +
                               good_row;
                    },
                    1, "2: row contains a NUL byte", true},
        HostileCase{"InvalidUtf8", [] { return "preset,width\nP10-4090,\xFF\xFE\n" + good_row; }, 1,
                    "2: row is not valid UTF-8", true},
        HostileCase{"HeaderOnly", [] { return std::string("preset,width\n"); }, 0, "", false},
        HostileCase{"Empty", [] { return std::string(); }, 1, " empty input, no header row",
                    false}));

TEST(HostileBatch, ThousandsOfBadHeaderColumnsGiveAFewLines) {
    std::string header = "preset";
    for (int i = 0; i < 5000; ++i) {
        header += ",bad" + std::to_string(i);
    }
    const ProgramResult result = run_program(PIXTALLO_QUOTE_PROGRAM, {"--batch"}, header + "\n");
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 21);
    EXPECT_NE(result.err.find("and 4980 more problems with the header"), std::string::npos);
}

}  // namespace
}  // namespace pixtallo::quote
