#include "app/quote/column_map.hpp"

#include <gtest/gtest.h>

namespace pixtallo::quote {
namespace {

TEST(ColumnMap, EitherNameInAnyOrder) {
    const HeaderCheck check = map_columns({"高", "preset", "width", "其它费用", "module-price"});
    ASSERT_EQ(check.problems, std::vector<std::string>{});
    EXPECT_EQ(check.map.preset, 1u);
    // By position in engine::input_fields: 长 高 控制卡 板单价 电源单价 边框单价 其它费用 报价.
    const std::array<std::optional<std::size_t>, 8> expected = {
        2, 0, std::nullopt, 4, std::nullopt, std::nullopt, 3, std::nullopt};
    EXPECT_EQ(check.map.inputs, expected);
}

TEST(ColumnMap, EveryInputByBothNames) {
    const HeaderCheck chinese = map_columns(
        {"preset", "长", "高", "控制卡", "板单价", "电源单价", "边框单价", "其它费用", "报价"});
    const HeaderCheck ascii = map_columns({"preset", "width", "height", "card", "module-price",
                                           "psu-price", "frame-price", "other", "price"});
    for (const HeaderCheck* check : {&chinese, &ascii}) {
        ASSERT_TRUE(check->problems.empty());
        for (std::size_t i = 0; i < 8; ++i) {
            EXPECT_EQ(check->map.inputs[i], i + 1);
        }
    }
}

struct BadHeader {
    std::vector<std::string_view> header;
    std::vector<std::string> problems;
};

TEST(ColumnMap, NamesEveryProblemOfABadHeader) {
    const BadHeader cases[] = {
        {{"width", "长"},
         {"duplicate column '长' (field 长, already column 1)", "no 'preset' column"}},
        {{"preset", "price", "preset", "报价"},
         {"duplicate column 'preset' (the preset, already column 1)",
          "duplicate column '报价' (field 报价, already column 2)"}},
        // Exact names only: no trimming, no case folding, results are not inputs.
        {{"preset", " width", "Width", "总价", ""},
         {"unknown column ' width' (see --help for the column names)",
          "unknown column 'Width' (see --help for the column names)",
          "unknown column '总价' (see --help for the column names)",
          "unknown column '' (see --help for the column names)"}},
    };
    for (const BadHeader& c : cases) {
        EXPECT_EQ(map_columns(c.header).problems, c.problems);
    }
}

}  // namespace
}  // namespace pixtallo::quote
