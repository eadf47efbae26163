#include "engine/fields.hpp"

namespace pixtallo::engine {
namespace {

struct FieldInfo {
    std::string_view name;
    std::string_view label;
};

// Indexed by Field.
constexpr std::array<FieldInfo, field_count> field_info = {{
    {"长", "屏长(米):"},
    {"高", "屏高(米):"},
    {"控制卡", "控制卡单价:"},
    {"板单价", "单元板单价:"},
    {"电源单价", "电源单价:"},
    {"边框单价", "边框单价:"},
    {"其它费用", "C、其它成本费用(元)："},
    {"报价", "D、整屏给客户报价:"},
    {"板长", "单元板长(块)"},
    {"板高", "单元板高(块)"},
    {"整屏长", "整屏长(米)"},
    {"整屏高", "整屏高(米)"},
    {"整屏面积", "面积(平方)"},
    {"电源块数", "电源(块数)"},
    {"单元板", "单元板(张)"},
    {"边框长", "边框长(米)"},
    {"边框高", "边框高(米)"},
    {"成本", "成本约(元):"},
    {"总价", "工程总价(元):"},
}};

}  // namespace

std::string_view field_name(Field field) noexcept {
    return field_info[static_cast<std::size_t>(field)].name;
}

std::string_view field_label(Field field) noexcept {
    return field_info[static_cast<std::size_t>(field)].label;
}

std::optional<Field> field_by_name(std::string_view name) noexcept {
    for (std::size_t i = 0; i < field_count; ++i) {
        if (field_info[i].name == name) {
            return static_cast<Field>(i);
        }
    }
    return std::nullopt;
}

}  // namespace pixtallo::engine
