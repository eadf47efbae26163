#include "app/quote/text_table.hpp"

#include <gtest/gtest.h>

#include "app/quote/display_width.hpp"

namespace pixtallo::quote {
namespace {

TEST(DisplayWidth, WideCharactersTakeTwoColumns) {
    const std::pair<std::string, std::size_t> cases[] = {
        {"", 0},
        {"P10-4090", 8},
        {"长", 2},
        {"屏长(米):", 9},
        {"C、其它成本费用(元)：", 21},  // 、 and the full-width colon are wide too
        {"ＰＱ￥", 6},
        {"é", 1},
        {"\xFF\xE4\xB8", 3},  // an invalid byte takes one column
    };
    for (const auto& [text, width] : cases) {
        EXPECT_EQ(display_width(text), width) << text;
    }
}

TEST(TextTable, AlignsByDisplayWidth) {
    TextTable table({Align::Left, Align::Right, Align::Left});
    table.add_row({"长", "1", "x"});
    table.add_row({"abc", "12345", "中文"});
    table.add_row({});
    table.add_row({"屏长(米):", "5.2"});
    table.add_row({"", "", ""});
    std::string out;
    table.render(out);
    EXPECT_EQ(out,
              "长             1  x\n"
              "abc        12345  中文\n"
              "\n"
              "屏长(米):    5.2\n"
              "\n");
}

}  // namespace
}  // namespace pixtallo::quote
