#pragma once
// The nineteen fields the quotation procedure reads and writes, and the interface it reaches them
// through. In the window they are edit boxes; the command line and the tests keep them in memory.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pixtallo::engine {

enum class Field : std::uint8_t {
    // Inputs, typed by the user.
    Width,        // 长
    Height,       // 高
    Card,         // 控制卡
    ModulePrice,  // 板单价
    PsuPrice,     // 电源单价
    FramePrice,   // 边框单价
    Other,        // 其它费用
    Price,        // 报价
    // Results, written by the procedure.
    ModulesAcross,  // 板长
    ModulesDown,    // 板高
    ScreenWidth,    // 整屏长
    ScreenHeight,   // 整屏高
    ScreenArea,     // 整屏面积
    PowerSupplies,  // 电源块数
    Modules,        // 单元板
    FrameWidth,     // 边框长
    FrameHeight,    // 边框高
    Cost,           // 成本
    Total,          // 总价
};

inline constexpr std::size_t field_count = 19;

inline constexpr std::array<Field, 8> input_fields = {
    Field::Width,    Field::Height,     Field::Card,  Field::ModulePrice,
    Field::PsuPrice, Field::FramePrice, Field::Other, Field::Price,
};

// In the order the procedure writes them.
inline constexpr std::array<Field, 11> result_fields = {
    Field::ModulesAcross, Field::ModulesDown,   Field::ScreenWidth, Field::ScreenHeight,
    Field::ScreenArea,    Field::PowerSupplies, Field::Modules,     Field::FrameWidth,
    Field::FrameHeight,   Field::Cost,          Field::Total,
};

// The field's name in the window, e.g. "长".
std::string_view field_name(Field field) noexcept;

// The label shown beside the field in the window, e.g. "屏长(米):".
std::string_view field_label(Field field) noexcept;

std::optional<Field> field_by_name(std::string_view name) noexcept;

// Read gives the field's whole text at that moment (empty when it holds none); write replaces the
// whole text. Every read sees the text most recently written.
class Fields {
  public:
    virtual ~Fields() = default;
    virtual std::string read(Field field) const = 0;
    virtual void write(Field field, std::string_view text) = 0;

  protected:
    Fields() = default;
    Fields(const Fields&) = default;
    Fields& operator=(const Fields&) = default;
};

// Fields held in memory, all empty at first.
class FieldTexts final : public Fields {
  public:
    std::string read(Field field) const override { return texts_[index(field)]; }
    void write(Field field, std::string_view text) override { texts_[index(field)].assign(text); }
    const std::string& text(Field field) const { return texts_[index(field)]; }

  private:
    static std::size_t index(Field field) { return static_cast<std::size_t>(field); }
    std::array<std::string, field_count> texts_;
};

}  // namespace pixtallo::engine
