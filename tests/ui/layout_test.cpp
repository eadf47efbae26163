#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/layout/main_window_layout.hpp"
#include "ui/layout/pictures.hpp"

namespace pixtallo::ui {
namespace {

std::vector<std::string_view> split_crlf(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos; at = text.find("\r\n")) {
        lines.push_back(text.substr(0, at));
        text.remove_prefix(at + 2);
    }
    lines.push_back(text);
    return lines;
}

TEST(Layout, SeventyOneControlsInPlaceOrderWithUniqueNamesAndNumbers) {
    std::set<std::string_view> names;
    std::set<std::uint32_t> numbers;
    std::map<ControlId, int> children;
    for (std::size_t i = 0; i < controls().size(); ++i) {
        const ControlLayout& layout = controls()[i];
        EXPECT_EQ(layout.id, static_cast<ControlId>(i + 1));
        EXPECT_TRUE(names.insert(layout.name).second) << layout.name;
        EXPECT_TRUE(numbers.insert(layout.number).second) << layout.name;
        EXPECT_EQ(layout.number & 0xFFFF0000u, 0x16010000u) << layout.name;
        ++children[layout.parent];
    }
    EXPECT_EQ(children[window_id], 7);
    EXPECT_EQ(children[control_id("分组框2")], 24);
    EXPECT_EQ(children[control_id("分组框1")], 40);
    EXPECT_EQ(control(control_id("分组框2")).kind, Kind::GroupBox);
    EXPECT_EQ(control(control_id("分组框1")).kind, Kind::GroupBox);
}

struct ControlCase {
    std::string name;
    Kind kind;
    std::string parent;  // empty: the window
    Rect rect;
    std::string text;
};

class LayoutControls : public testing::TestWithParam<ControlCase> {};

TEST_P(LayoutControls, HoldTheirPlaceAndText) {
    const ControlLayout* layout = control_by_name(GetParam().name);
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(layout->kind, GetParam().kind);
    EXPECT_EQ(layout->parent,
              GetParam().parent.empty() ? window_id : control_id(GetParam().parent));
    EXPECT_EQ(layout->rect, GetParam().rect);
    EXPECT_EQ(layout->text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, LayoutControls,
    testing::Values(
        ControlCase{"长", Kind::EditBox, "分组框2", {209, 22, 64, 24}, ""},
        ControlCase{"按钮12", Kind::Button, "分组框1", {160, 262, 136, 32}, "P12.5 4590 边框"},
        ControlCase{"按钮10", Kind::Button, "", {768, 184, 136, 32}, "调用系统计算器\r\n"},
        ControlCase{"标签24", Kind::Label, "分组框2", {22, 144, 143, 24}, "C、其它成本费用(元)："},
        ControlCase{"标签22", Kind::Label, "分组框2", {19, 52, 406, 9}, std::string(70, '-')},
        ControlCase{"时钟1", Kind::Timer, "分组框1", {336, 148, 32, 24}, ""},
        ControlCase{"简单超文本框1", Kind::SimpleHtml, "", {487, 448, 33, 16}, ""},
        ControlCase{"图片框1", Kind::PicBox, "", {7, 12, 440, 77}, ""},
        ControlCase{"分组框1", Kind::GroupBox, "", {455, 4, 448, 436}, "电子屏计算结果"}));

TEST(Layout, LooksDifferFromTheKindsDefaultsOnlyWhereGiven) {
    const ControlLayout& price = control(control_id("报价"));
    EXPECT_EQ(price.font, (FontStyle{16, true}));
    EXPECT_EQ(price.text_colour, Rgb{0x000080});
    EXPECT_TRUE(price.centred);
    const ControlLayout& other = control(control_id("其它费用"));
    EXPECT_EQ(other.font, (FontStyle{16, false}));
    EXPECT_EQ(other.text_colour, std::nullopt);
    const ControlLayout& cost = control(control_id("成本"));
    EXPECT_EQ(cost.font, (FontStyle{14, false}));
    EXPECT_EQ(cost.text_colour, Rgb{0xFF0000});
    EXPECT_FALSE(cost.centred);
    EXPECT_FALSE(control(control_id("简单超文本框1")).has_border);
    EXPECT_TRUE(control(control_id("简单超文本框2")).has_border);
    int tab_stops = 0;
    for (const ControlLayout& layout : controls()) {
        tab_stops += layout.tab_stop() ? 1 : 0;
        EXPECT_EQ(layout.visible(), layout.kind != Kind::Timer);
    }
    EXPECT_EQ(tab_stops, 37);
}

TEST(Layout, WindowSettings) {
    EXPECT_EQ(main_window_settings().title, "Quillorn Pixtallo V2010.05.29");
    EXPECT_EQ(main_window_settings().outer_size, (Size{916, 491}));
    EXPECT_EQ(main_window_settings().client_size, (Size{910, 469}));
    EXPECT_EQ(main_window_settings().tag_text, LinkListText);
}

TEST(Layout, StyleSheetHasSeventeenCrLfLines) {
    ASSERT_TRUE(style_sheet.ends_with("\r\n"));
    const auto lines = split_crlf(style_sheet.substr(0, style_sheet.size() - 2));
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[0], "body {font-size: 9pt; color:black; font-family:\"宋体\",Verdana}");
    EXPECT_EQ(lines[1], "p  {font-size: 9pt; color:black; font-family:\"宋体\",Verdana}");
    EXPECT_EQ(lines[10], "a:link {text-decoration:none; color:blue}");
    EXPECT_EQ(lines[11], "a:hover {text-decoration:underline; color:blue}");
    EXPECT_EQ(lines[16], ".comment {color:green}");
}

TEST(Layout, UsageNotesAreSevenLinesWithoutAFinalBreak) {
    const auto lines = split_crlf(usage_notes);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "使用说明：");
    EXPECT_EQ(lines[5], "");
    for (std::size_t i : {1u, 2u, 3u, 4u, 6u}) {
        EXPECT_TRUE(lines[i].starts_with("     ") && lines[i][5] != ' ') << i;
    }
    EXPECT_EQ(lines[6], "     电源按5V40A来计算，单元板按每张5A来计算,实际应用时酌情增减。");
    EXPECT_EQ(control(control_id("简单超文本框2")).text, usage_notes);
}

TEST(Layout, LinkListHasEightCaptionAddressLines) {
    ASSERT_TRUE(LinkListText.ends_with("\r\n"));
    const auto lines = split_crlf(LinkListText.substr(0, LinkListText.size() - 2));
    ASSERT_EQ(lines.size(), 8u);
    const std::vector<std::string_view> captions = {
        "官方主页",     "下载新版本",          "论坛反馈",           "淘宝旺旺咨询", "QQ客服在线  ",
        "QQ技术支持  ", "性价比第一的控制卡 ", "常用控制卡软件下载 "};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t separator = lines[i].find("··");
        ASSERT_NE(separator, std::string_view::npos) << i;
        EXPECT_EQ(lines[i].substr(0, separator), captions[i]);
        EXPECT_EQ(lines[i].find("··", separator + 1), std::string_view::npos);
    }
    EXPECT_TRUE(lines[1].ends_with(" "));
    EXPECT_TRUE(lines[4].find("·· tencent://message/?uin=") != std::string_view::npos);
    EXPECT_TRUE(lines[4].ends_with("&Menu=yes"));
    EXPECT_TRUE(lines[3].find("msg.aw?v=2&uid=%") != std::string_view::npos);
    EXPECT_TRUE(lines[3].ends_with("&site=cntaobao&s=1&charset=utf-8"));
    EXPECT_TRUE(lines[6].find("·· https://") != std::string_view::npos);
    EXPECT_TRUE(lines[6].find("item_detail.htm?item_num_id=") != std::string_view::npos);
}

// Walks the JPEG's markers up to the frame header.
TEST(Layout, BannerIsAProgressiveColourJpegOf440By75) {
    const auto jpeg = banner_jpeg();
    ASSERT_GT(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    std::size_t at = 2;
    while (at + 9 < jpeg.size() &&
           !(jpeg[at] == 0xFF && jpeg[at + 1] >= 0xC0 && jpeg[at + 1] <= 0xCF &&
             jpeg[at + 1] != 0xC4 && jpeg[at + 1] != 0xC8 && jpeg[at + 1] != 0xCC)) {
        at += 2 + static_cast<std::size_t>(jpeg[at + 2] << 8 | jpeg[at + 3]);
    }
    ASSERT_LT(at + 9, jpeg.size());
    EXPECT_EQ(jpeg[at + 1], 0xC2) << "progressive DCT";
    EXPECT_EQ(jpeg[at + 5] << 8 | jpeg[at + 6], 75);
    EXPECT_EQ(jpeg[at + 7] << 8 | jpeg[at + 8], 440);
    EXPECT_EQ(jpeg[at + 9], 3) << "colour components";
}

TEST(Layout, IconIs32By32WithTransparentCornersAndOpaqueMiddle) {
    const auto& icon = window_icon_argb();
    EXPECT_EQ(icon.size(), 32u * 32u);
    EXPECT_EQ(icon[0] >> 24, 0u);
    EXPECT_EQ(icon[16 * 32 + 16] >> 24, 0xFFu);
}

}  // namespace
}  // namespace pixtallo::ui
