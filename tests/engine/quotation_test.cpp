#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/presets.hpp"
#include "engine/quotation.hpp"

namespace pixtallo::engine {
namespace {

using Texts = std::map<Field, std::string>;

const Texts worked_example_inputs = {
    {Field::Width, "5.2"},   {Field::Height, "2.1"},     {Field::Card, "1500"},
    {Field::PsuPrice, "75"}, {Field::ModulePrice, "95"}, {Field::FramePrice, "30"},
    {Field::Other, "500"},   {Field::Price, "2800"},
};

// The eleven result texts in write order, for the given inputs and preset.
std::vector<std::string> quote(const Texts& inputs, std::string_view preset,
                               FieldTexts fields = {}) {
    for (const auto& [field, text] : inputs) {
        fields.write(field, text);
    }
    const PresetEntry* entry = find_preset(preset);
    EXPECT_NE(entry, nullptr) << preset;
    QuotationProcedure(entry->preset).run(fields);
    std::vector<std::string> results;
    for (Field field : result_fields) {
        results.push_back(fields.text(field));
    }
    return results;
}

Texts with(Texts inputs, Field field, std::string text) {
    inputs[field] = std::move(text);
    return inputs;
}

struct QuoteCase {
    std::string name;
    Texts inputs;
    std::string preset;
    std::vector<std::string>
        results;  // 板长 板高 整屏长 整屏高 整屏面积 电源块数 单元板 边框长 边框高 成本 总价
};

void PrintTo(const QuoteCase& c, std::ostream* os) {
    *os << c.name << " " << c.preset;
}

class Quotation : public testing::TestWithParam<QuoteCase> {};

TEST_P(Quotation, WritesTheElevenResults) {
    EXPECT_EQ(quote(GetParam().inputs, GetParam().preset), GetParam().results);
}

// clang-format off: one row per preset reads as the table it is
INSTANTIATE_TEST_SUITE_P(
    WorkedExampleWithEveryPreset, Quotation,
    testing::Values(QuoteCase{"",
                              worked_example_inputs,
                              "按钮14",
                              {"20", "16", "5.2", "2.128", "11.0656", "40", "320", "5.12", "2.048",
                               "35830.08", "30983.68"}},
                    QuoteCase{"",
                              worked_example_inputs,
                              "按钮15",
                              {"20", "16", "5.21", "2.138", "11.13898", "40", "320", "5.12",
                               "2.048", "35830.08", "31189.144"}},
                    QuoteCase{"",
                              worked_example_inputs,
                              "按钮16",
                              {"20", "16", "5.19", "2.118", "10.99242", "40", "320", "5.12",
                               "2.048", "35830.08", "30778.776"}},
                    QuoteCase{"",
                              worked_example_inputs,
                              "按钮11",
                              {"13", "10", "5.28", "2.08", "10.9824", "16.25", "130", "5.2", "2",
                               "16000.75", "30750.72"}},
                    QuoteCase{"",
                              worked_example_inputs,
                              "按钮12",
                              {"13", "10", "5.29", "2.09", "11.0561", "16.25", "130", "5.2", "2",
                               "16000.75", "30957.08"}},
                    QuoteCase{"",
                              worked_example_inputs,
                              "按钮13",
                              {"13", "10", "5.27", "2.07", "10.9089", "16.25", "130", "5.2", "2",
                               "16000.75", "30544.92"}},
                    QuoteCase{"",
                              worked_example_inputs,
                              "按钮1",
                              {"16", "13", "5.2", "2.16", "11.232", "26", "208", "5.12", "2.08",
                               "24142", "31449.6"}},
                    QuoteCase{"",
                              worked_example_inputs,
                              "按钮3",
                              {"16", "13", "5.21", "2.17", "11.3057", "26", "208", "5.12", "2.08",
                               "24142", "31655.96"}},
                    QuoteCase{"",
                              worked_example_inputs,
                              "按钮2",
                              {"16", "13", "5.19", "2.15", "11.1585", "26", "208", "5.12", "2.08",
                               "24142", "31243.8"}},
                    QuoteCase{"",
                              worked_example_inputs,
                              "按钮4",
                              {"10", "8", "4.96", "2.032", "10.07872", "10", "80", "4.88", "1.952",
                               "10759.92", "28220.416"}},
                    QuoteCase{"",
                              worked_example_inputs,
                              "按钮5",
                              {"10", "8", "4.97", "2.042", "10.14874", "10", "80", "4.88", "1.952",
                               "10759.92", "28416.472"}},
                    QuoteCase{"",
                              worked_example_inputs,
                              "按钮6",
                              {"10", "8", "4.95", "2.022", "10.0089", "10", "80", "4.88", "1.952",
                               "10759.92", "28024.92"}},
                    QuoteCase{"",
                              worked_example_inputs,
                              "按钮7",
                              {"17", "13", "5.248", "2.056", "10.789888", "27.625", "221", "5.168",
                               "1.976", "25495.515", "30211.6864"}},
                    QuoteCase{"",
                              worked_example_inputs,
                              "按钮8",
                              {"17", "13", "5.258", "2.066", "10.863028", "27.625", "221", "5.168",
                               "1.976", "25495.515", "30416.4784"}},
                    QuoteCase{"",
                              worked_example_inputs,
                              "按钮9",
                              {"17", "13", "5.238", "2.046", "10.716948", "27.625", "221", "5.168",
                               "1.976", "25495.515", "30007.4544"}}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    EdgeCases, Quotation,
    testing::Values(
        QuoteCase{"FractionalPowerSupplies", with(worked_example_inputs, Field::Width, "4.9"), "按钮1",
                  {"15", "13", "4.88", "2.16", "10.5408", "24.375", "195", "4.8", "2.08", "22765.925", "29514.24"}},
        QuoteCase{"AllEmpty", {}, "按钮1",
                  {"0", "0", "0.08", "0.08", "0.0064", "0", "0", "0", "0", "0", "0"}},
        QuoteCase{"SizeOnly", {{Field::Width, "5.2"}, {Field::Height, "2.1"}}, "按钮1",
                  {"16", "13", "5.2", "2.16", "11.232", "26", "208", "5.12", "2.08", "0", "0"}},
        QuoteCase{"NegativeWidth", with(worked_example_inputs, Field::Width, "-5.2"), "按钮1",
                  {"-16", "13", "-5.04", "2.16", "-10.8864", "-26", "-208", "-5.12", "2.08", "-19892.4", "-30481.92"}},
        QuoteCase{"FullWidthInput", with(with(worked_example_inputs, Field::Width, "５．２"), Field::Height, "\u3000２.1米"), "按钮1",
                  {"16", "13", "5.2", "2.16", "11.232", "26", "208", "5.12", "2.08", "24142", "31449.6"}},
        QuoteCase{"ExactMultipleShortByAHair", {{Field::Width, "1.2"}}, "P12.5-4090",
                  {"3", "0", "1.28", "0.08", "0.1024", "0", "0", "1.2", "0", "0", "0"}},
        QuoteCase{"JustShortOfAModule", {{Field::Width, "5.43"}}, "P10-4090",
                  {"16", "0", "5.2", "0.08", "0.416", "0", "0", "5.12", "0", "0", "0"}},
        QuoteCase{"CountWrapsInto32Bits", {{Field::Width, "1e9"}, {Field::Height, "1e10"}}, "P10-4090",
                  {"-1169967296", "-1924509440", "-374389534.64", "-307921510.32", "1.152825909544e+017", "2.814516382054e+017", "2.251613105643e+018", "-374389534.72", "-307921510.4", "0", "0"}},
        QuoteCase{"OverflowShowsInfinity", {{Field::Width, "1"}, {Field::Height, "1"}, {Field::ModulePrice, "1e308"}, {Field::Card, "1e308"}, {Field::Price, "-1.7e308"}}, "P10-4090",
                  {"3", "6", "1.04", "1.04", "1.0816", "2.25", "18", "0.96", "0.96", "1.#INF", "-1.#INF"}},
        QuoteCase{"InfinitiesOfBothSignsGiveIndefinite", {{Field::Width, "1"}, {Field::Height, "1"}, {Field::ModulePrice, "1e308"}, {Field::Other, "-1e400"}}, "P10-4090",
                  {"3", "6", "1.04", "1.04", "1.0816", "2.25", "18", "0.96", "0.96", "-1.#IND", "0"}}));
// clang-format on

TEST(Quotation, StaleResultsNeverReachTheNewResults) {
    FieldTexts stale;
    for (Field field : result_fields) {
        stale.write(field, "999");
    }
    const auto fresh = quote(worked_example_inputs, "按钮1");
    EXPECT_EQ(quote(worked_example_inputs, "按钮1", stale), fresh);
    // Clicking another preset first, then 按钮1, gives the same as 按钮1 alone.
    FieldTexts after_other;
    quote(worked_example_inputs, "按钮7", after_other);
    EXPECT_EQ(quote(worked_example_inputs, "按钮1", after_other), fresh);
}

// Logs every read and write, so the test sees the procedure's exact sequence of field accesses.
class RecordingFields final : public Fields {
  public:
    std::string read(Field field) const override {
        log.push_back("R " + std::string(field_name(field)));
        return texts.read(field);
    }
    void write(Field field, std::string_view text) override {
        log.push_back("W " + std::string(field_name(field)) + " " + std::string(text));
        texts.write(field, text);
    }
    FieldTexts texts;
    mutable std::vector<std::string> log;
};

TEST(Quotation, ReadsAndWritesInTheProceduresOrder) {
    RecordingFields fields;
    for (const auto& [field, text] : worked_example_inputs) {
        fields.texts.write(field, text);
    }
    QuotationProcedure(find_preset("按钮1")->preset).run(fields);
    const std::vector<std::string> expected = {
        "R 长",
        "W 板长 16",
        "R 高",
        "W 板高 13",
        "R 长",
        "W 整屏长 5.2",
        "R 高",
        "W 整屏高 2.16",
        "R 长",
        "R 高",
        "W 整屏面积 11.232",
        "R 板长",
        "R 板高",
        "W 电源块数 26",
        "R 板长",
        "R 板高",
        "W 单元板 208",
        "R 长",
        "W 边框长 5.12",
        "R 高",
        "W 边框高 2.08",
        "R 板单价",
        "R 单元板",
        "R 电源单价",
        "R 电源块数",
        "R 控制卡",
        "R 边框长",
        "R 边框单价",
        "R 边框高",
        "R 边框单价",
        "R 其它费用",
        "W 成本 24142",
        "R 报价",
        "R 整屏面积",
        "W 总价 31449.6",
    };
    EXPECT_EQ(fields.log, expected);
}

// A store that shows its own text for one field, as if the user had typed over it between the
// write and the read. The steps that read the field back must use what the field holds.
class OverridingFields final : public Fields {
  public:
    OverridingFields(Field field, std::string text) : field_(field), text_(std::move(text)) {}
    std::string read(Field field) const override {
        return field == field_ ? text_ : texts.read(field);
    }
    void write(Field field, std::string_view text) override { texts.write(field, text); }
    FieldTexts texts;

  private:
    Field field_;
    std::string text_;
};

struct ReadBackCase {
    Field field;
    std::string shown;
    Field result;
    std::string expected;
};

class ReadBack : public testing::TestWithParam<ReadBackCase> {};

TEST_P(ReadBack, LaterStepsReadTheTextsJustWritten) {
    OverridingFields fields(GetParam().field, GetParam().shown);
    for (const auto& [field, text] : worked_example_inputs) {
        fields.texts.write(field, text);
    }
    QuotationProcedure(find_preset("按钮1")->preset).run(fields);
    EXPECT_EQ(fields.texts.read(GetParam().result), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ResultFields, ReadBack,
    testing::Values(ReadBackCase{Field::ModulesAcross, "10", Field::Modules, "130"},
                    ReadBackCase{Field::ModulesDown, "10", Field::PowerSupplies, "20"},
                    ReadBackCase{Field::Modules, "100", Field::Cost, "13882"},
                    ReadBackCase{Field::PowerSupplies, "0", Field::Cost, "22192"},
                    ReadBackCase{Field::FrameWidth, "0", Field::Cost, "23834.8"},
                    ReadBackCase{Field::FrameHeight, "0", Field::Cost, "24017.2"},
                    ReadBackCase{Field::ScreenArea, "10", Field::Total, "28000"}));

}  // namespace
}  // namespace pixtallo::engine
