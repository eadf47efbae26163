#include "ui/layout/main_window_layout.hpp"

#include <cassert>

namespace pixtallo::ui {

// clang-format off
constexpr std::string_view style_sheet_text =
    "body {font-size: 9pt; color:black; font-family:\"宋体\",Verdana}\r\n"
    "p  {font-size: 9pt; color:black; font-family:\"宋体\",Verdana}\r\n"
    "h1 {font-size: 14pt; color:black; font-family:\"宋体\",Verdana; font-weight:bold}\r\n"
    "h2 {font-size: 13pt; color:#ff9900; font-family:\"宋体\",Verdana; font-weight:bold}\r\n"
    "h3 {font-size: 12pt; color:#ff9900; font-family:\"宋体\",Arial; font-weight:bold}\r\n"
    "h4 {font-size: 10pt; color:black; font-family:\"宋体\",Verdana; font-weight:bold}\r\n"
    "h5 {font-size: 9pt; color:#ff9900; font-family:\"宋体\",Verdana; font-weight:bold}\r\n"
    "h6 {font-size: 65%; color:#626262; font-family:\"宋体\",Verdana; font-weight:normal}\r\n"
    "pre {font-size: 9pt; font-family:\"宋体\",\"Courier\"; background-color:#fbedbb}\r\n"
    "code {color:#990000; font-family:\"宋体\",Arial}\r\n"
    "a:link {text-decoration:none; color:blue}\r\n"
    "a:hover {text-decoration:underline; color:blue}\r\n"
    "sub {font-size:65%; vertical-align:bottom}\r\n"
    "sup {font-size:65%; vertical-align:top}\r\n"
    "big {font-size:125%}\r\n"
    "small {font-size:75%}\r\n"
    ".comment {color:green}\r\n";

constexpr std::string_view usage_notes_text =
    "使用说明：\r\n"
    "     1、A项必填，不足1米的小数，可只填点几，如.8就是0.8。\r\n"
    "     2、B项为主要材料单价，可填任意几项，不填也可以。\r\n"
    "     3、C项为辅助材料，估计个总数填入就可以。\r\n"
    "     4、D项为向终端客户报的价格，通常按平方计算。\r\n"
    "\r\n"
    "     电源按5V40A来计算，单元板按每张5A来计算,实际应用时酌情增减。";

// Blanks next to "··" belong to the caption or the address; the hypertext link drops the ones
// around an address when it reads href.
constexpr std::string_view link_list_text =
    "官方主页··https://www.pixtallo.example/\r\n"
    "下载新版本··https://www.pixtallo.example/download/latest.htm \r\n"
    "论坛反馈··https://bbs.pixtallo.example/thread-1024-1-1.html\r\n"
    "淘宝旺旺咨询··https://amos.alicdn.com/msg.aw?v=2&uid=%E5%83%8F%E7%B4%A0%E5%B1%8F%E6%8A%A5%E4%BB%B7&site=cntaobao&s=1&charset=utf-8\r\n"
    "QQ客服在线  ·· tencent://message/?uin=800012345&Site=pixtallo&Menu=yes\r\n"
    "QQ技术支持  ·· tencent://message/?uin=800067890&Site=pixtallo&Menu=yes\r\n"
    "性价比第一的控制卡 ·· https://item.taobao.com/item_detail.htm?item_num_id=600123456789\r\n"
    "常用控制卡软件下载 ··https://www.pixtallo.example/download/card-software.htm\r\n";

// No., name, number, kind, parent (0 the window, 48 分组框2, 70 分组框1), left, top, width,
// height, text, font, text colour, centred, border.
constexpr std::array<ControlLayout, control_count> control_table = {{
    {1, "简单超文本框2", 0x160101A5, Kind::SimpleHtml, 0, {6, 333, 440, 107}, usage_notes_text, std::nullopt, std::nullopt, false, true},
    {2, "标签32", 0x160101A0, Kind::Label, 48, {19, 175, 406, 8}, "----------------------------------------------------------------------", std::nullopt, Rgb{0xFF8000}, false, true},
    {3, "标签31", 0x1601019F, Kind::Label, 48, {165, 149, 32, 16}, "龙骨、", std::nullopt, std::nullopt, false, true},
    {4, "标签30", 0x1601019E, Kind::Label, 48, {197, 149, 144, 16}, "燕尾丝、角铁等固定机构", std::nullopt, std::nullopt, false, true},
    {5, "其它费用", 0x1601019D, Kind::EditBox, 48, {362, 144, 64, 24}, "", FontStyle{16, false}, std::nullopt, true, true},
    {6, "标签24", 0x1601019C, Kind::Label, 48, {22, 144, 143, 24}, "C、其它成本费用(元)：", FontStyle{14, false}, Rgb{0x0000FF}, false, true},
    {7, "标签2", 0x1601019B, Kind::Label, 48, {19, 131, 406, 8}, "----------------------------------------------------------------------", std::nullopt, Rgb{0xFF8000}, false, true},
    {8, "简单超文本框1", 0x16010184, Kind::SimpleHtml, 0, {487, 448, 33, 16}, "", std::nullopt, std::nullopt, false, false},
    {9, "时钟2", 0x16010183, Kind::Timer, 70, {376, 148, 40, 24}, "", std::nullopt, std::nullopt, false, true},
    {10, "时钟1", 0x16010182, Kind::Timer, 70, {336, 148, 32, 24}, "", std::nullopt, std::nullopt, false, true},
    {11, "标签29", 0x16010173, Kind::Label, 70, {8, 156, 296, 16}, "由于各厂家板材用料各有差异，以上计算结果仅供参考。", std::nullopt, std::nullopt, false, true},
    {12, "标签27", 0x16010170, Kind::Label, 0, {744, 121, 80, 24}, "工程总价(元):", FontStyle{12, true}, Rgb{0xFF0000}, false, true},
    {13, "总价", 0x1601016F, Kind::EditBox, 70, {368, 118, 64, 24}, "", std::nullopt, std::nullopt, false, true},
    {14, "按钮16", 0x1601016D, Kind::Button, 70, {304, 220, 136, 32}, "P16 3590边框", std::nullopt, std::nullopt, false, true},
    {15, "按钮15", 0x1601016C, Kind::Button, 70, {160, 220, 136, 32}, "P16 4590边框", std::nullopt, std::nullopt, false, true},
    {16, "按钮14", 0x1601016B, Kind::Button, 70, {8, 220, 136, 32}, "P16 4090边框", FontStyle{12, false}, std::nullopt, false, true},
    {17, "标签26", 0x1601016A, Kind::Label, 48, {278, 193, 80, 16}, "元/平方米", FontStyle{16, false}, Rgb{0xFF0000}, false, true},
    {18, "报价", 0x16010169, Kind::EditBox, 48, {210, 189, 64, 24}, "", FontStyle{16, true}, Rgb{0x000080}, true, true},
    {19, "标签25", 0x16010168, Kind::Label, 48, {22, 189, 127, 16}, "D、整屏给客户报价:", FontStyle{14, false}, Rgb{0x0000FF}, false, true},
    {20, "标签23", 0x16010166, Kind::Label, 48, {22, 68, 111, 24}, "B、主要材料单价：", FontStyle{14, false}, Rgb{0x0000FF}, false, true},
    {21, "标签22", 0x16010165, Kind::Label, 48, {19, 52, 406, 9}, "----------------------------------------------------------------------", std::nullopt, Rgb{0xFF8000}, false, true},
    {22, "标签21", 0x16010164, Kind::Label, 48, {22, 26, 111, 16}, "A、客户要求数据：", FontStyle{14, false}, Rgb{0x0000FF}, false, true},
    {23, "按钮13", 0x16010163, Kind::Button, 70, {304, 262, 136, 32}, "P12.5 3590边框", std::nullopt, std::nullopt, false, true},
    {24, "按钮12", 0x16010162, Kind::Button, 70, {160, 262, 136, 32}, "P12.5 4590 边框", std::nullopt, std::nullopt, false, true},
    {25, "按钮11", 0x16010161, Kind::Button, 70, {8, 262, 136, 32}, "P12.5 4090边框", std::nullopt, std::nullopt, false, true},
    {26, "按钮10", 0x16010153, Kind::Button, 0, {768, 184, 136, 32}, "调用系统计算器\r\n", std::nullopt, std::nullopt, false, true},
    {27, "成本", 0x160100BD, Kind::EditBox, 70, {88, 119, 64, 24}, "", FontStyle{14, false}, Rgb{0xFF0000}, false, true},
    {28, "标签18", 0x160100BC, Kind::Label, 70, {8, 120, 72, 24}, "成本约(元):", FontStyle{12, true}, Rgb{0xFF0000}, false, true},
    {29, "标签17", 0x160100B8, Kind::Label, 70, {7, 192, 272, 16}, "↓请选择您所用单元板类型及边框类型↓", FontStyle{14, true}, Rgb{0x0000FF}, false, true},
    {30, "边框高", 0x160100B7, Kind::EditBox, 70, {225, 86, 64, 24}, "", std::nullopt, std::nullopt, false, true},
    {31, "标签16", 0x160100B6, Kind::Label, 70, {158, 87, 64, 24}, "边框高(米)", std::nullopt, std::nullopt, false, true},
    {32, "边框长", 0x160100B5, Kind::EditBox, 70, {88, 86, 64, 24}, "", std::nullopt, std::nullopt, false, true},
    {33, "标签15", 0x160100B4, Kind::Label, 70, {16, 91, 64, 16}, "边框长(米)", std::nullopt, std::nullopt, false, true},
    {34, "单元板", 0x160100B3, Kind::EditBox, 70, {367, 51, 64, 24}, "", std::nullopt, std::nullopt, false, true},
    {35, "标签14", 0x160100B2, Kind::Label, 70, {300, 58, 64, 16}, "单元板(张)", std::nullopt, Rgb{0x008000}, false, true},
    {36, "边框单价", 0x160100B1, Kind::EditBox, 48, {362, 96, 64, 24}, "", FontStyle{16, false}, Rgb{0x0000FF}, true, true},
    {37, "标签13", 0x160100B0, Kind::Label, 48, {288, 94, 56, 24}, "边框单价:", std::nullopt, std::nullopt, false, true},
    {38, "电源单价", 0x160100AF, Kind::EditBox, 48, {362, 64, 64, 24}, "", FontStyle{16, false}, Rgb{0x0000FF}, true, true},
    {39, "标签12", 0x160100AE, Kind::Label, 48, {288, 68, 56, 16}, "电源单价:", std::nullopt, std::nullopt, false, true},
    {40, "标签11", 0x160100AD, Kind::Label, 48, {140, 72, 64, 16}, "控制卡单价:", std::nullopt, std::nullopt, false, true},
    {41, "标签7", 0x160100AC, Kind::Label, 48, {138, 102, 64, 16}, "单元板单价:", std::nullopt, std::nullopt, false, true},
    {42, "控制卡", 0x160100AB, Kind::EditBox, 48, {209, 66, 64, 24}, "", FontStyle{16, false}, Rgb{0x0000FF}, true, true},
    {43, "板单价", 0x160100AA, Kind::EditBox, 48, {209, 98, 64, 24}, "", FontStyle{16, false}, Rgb{0x0000FF}, true, true},
    {44, "标签3", 0x160100A9, Kind::Label, 48, {288, 26, 48, 16}, "屏高(米):", std::nullopt, Rgb{0xFF0000}, false, true},
    {45, "标签1", 0x160100A8, Kind::Label, 48, {151, 26, 48, 16}, "屏长(米):", std::nullopt, Rgb{0xFF0000}, false, true},
    {46, "高", 0x160100A7, Kind::EditBox, 48, {362, 22, 64, 24}, "", FontStyle{16, false}, Rgb{0xFF0000}, true, true},
    {47, "长", 0x160100A6, Kind::EditBox, 48, {209, 22, 64, 24}, "", FontStyle{16, false}, Rgb{0xFF0000}, true, true},
    {48, "分组框2", 0x160100A5, Kind::GroupBox, 0, {6, 100, 440, 223}, "请输入以下参数", FontStyle{14, true}, Rgb{0x0000FF}, false, true},
    {49, "图片框1", 0x1601006E, Kind::PicBox, 0, {7, 12, 440, 77}, "", std::nullopt, std::nullopt, false, true},
    {50, "标签4", 0x1601006D, Kind::Label, 70, {300, 25, 64, 16}, "电源(块数)", std::nullopt, Rgb{0xFF0000}, false, true},
    {51, "电源块数", 0x1601006C, Kind::EditBox, 70, {368, 18, 64, 24}, "", std::nullopt, std::nullopt, false, true},
    {52, "按钮9", 0x16010053, Kind::Button, 70, {304, 389, 136, 32}, "3.75 3590边框", std::nullopt, std::nullopt, false, true},
    {53, "按钮8", 0x16010052, Kind::Button, 70, {160, 390, 136, 32}, "3.75 4590边框", std::nullopt, std::nullopt, false, true},
    {54, "按钮7", 0x16010051, Kind::Button, 70, {8, 391, 136, 32}, "3.75 4090边框", std::nullopt, std::nullopt, false, true},
    {55, "按钮6", 0x16010050, Kind::Button, 70, {304, 347, 136, 32}, "5.0 3590边框", std::nullopt, std::nullopt, false, true},
    {56, "按钮5", 0x1601004F, Kind::Button, 70, {160, 347, 136, 32}, "5.0 4590边框", std::nullopt, std::nullopt, false, true},
    {57, "按钮4", 0x1601004C, Kind::Button, 70, {8, 347, 136, 32}, "5.0 4090边框", std::nullopt, std::nullopt, false, true},
    {58, "整屏高", 0x1601002F, Kind::EditBox, 70, {226, 51, 64, 24}, "", std::nullopt, std::nullopt, false, true},
    {59, "整屏长", 0x1601002E, Kind::EditBox, 70, {226, 19, 64, 24}, "", std::nullopt, std::nullopt, false, true},
    {60, "标签10", 0x1601002D, Kind::Label, 70, {160, 53, 64, 24}, "整屏高(米)", std::nullopt, std::nullopt, false, true},
    {61, "标签9", 0x1601002C, Kind::Label, 70, {160, 25, 64, 16}, "整屏长(米)", std::nullopt, std::nullopt, false, true},
    {62, "标签8", 0x1601002B, Kind::Label, 70, {300, 93, 64, 19}, "面积(平方)", std::nullopt, Rgb{0x0000FF}, false, true},
    {63, "整屏面积", 0x1601002A, Kind::EditBox, 70, {367, 86, 64, 24}, "", std::nullopt, std::nullopt, false, true},
    {64, "板高", 0x16010028, Kind::EditBox, 70, {88, 51, 64, 24}, "", std::nullopt, std::nullopt, false, true},
    {65, "标签6", 0x16010027, Kind::Label, 70, {8, 54, 72, 24}, "单元板高(块)", std::nullopt, std::nullopt, false, true},
    {66, "板长", 0x16010026, Kind::EditBox, 70, {88, 21, 64, 24}, "", std::nullopt, std::nullopt, false, true},
    {67, "标签5", 0x16010025, Kind::Label, 70, {8, 25, 88, 16}, "单元板长(块)", std::nullopt, std::nullopt, false, true},
    {68, "按钮3", 0x16010020, Kind::Button, 70, {160, 306, 136, 32}, "P10 4590边框", std::nullopt, std::nullopt, false, true},
    {69, "按钮2", 0x1601001B, Kind::Button, 70, {304, 305, 136, 32}, "P10 3590边框", std::nullopt, std::nullopt, false, true},
    {70, "分组框1", 0x16010004, Kind::GroupBox, 0, {455, 4, 448, 436}, "电子屏计算结果", FontStyle{14, true}, Rgb{0x0000FF}, false, true},
    {71, "按钮1", 0x1601000B, Kind::Button, 70, {8, 306, 136, 32}, "P10 4090边框", FontStyle{12, false}, std::nullopt, false, true},

}};
// clang-format on

constexpr WindowLayout window_settings = {
    "Quillorn Pixtallo V2010.05.29",
    {916, 491},
    {910, 469},
    link_list_text,
};

const std::string_view style_sheet = style_sheet_text;
const std::string_view usage_notes = usage_notes_text;
const std::string_view LinkListText = link_list_text;

const WindowLayout& main_window_settings() noexcept {
    return window_settings;
}

const std::array<ControlLayout, control_count>& controls() noexcept {
    return control_table;
}

const ControlLayout& control(ControlId id) noexcept {
    assert(id >= 1 && id <= static_cast<ControlId>(control_count));
    return control_table[static_cast<std::size_t>(id - 1)];
}

const ControlLayout* control_by_name(std::string_view name) noexcept {
    for (const ControlLayout& layout : control_table) {
        if (layout.name == name) {
            return &layout;
        }
    }
    return nullptr;
}

ControlId control_id(std::string_view name) noexcept {
    const ControlLayout* layout = control_by_name(name);
    assert(layout != nullptr);
    return layout->id;
}

}  // namespace pixtallo::ui
