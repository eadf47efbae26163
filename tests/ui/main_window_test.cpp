#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/fields.hpp"
#include "engine/presets.hpp"
#include "ui/fake/fake_toolkit.hpp"
#include "ui/layout/main_window_layout.hpp"
#include "ui/link_banner/link_banner.hpp"
#include "ui/main_window/binding_table.hpp"
#include "ui/main_window/main_window.hpp"
#include "ui/main_window/tab_ring.hpp"

namespace pixtallo::ui {
namespace {

// Records each handler call into the fake toolkit's own log, so the order relative to the
// toolkit calls shows.
class RecordingHandlers final : public BoundHandlers {
  public:
    explicit RecordingHandlers(std::vector<std::string>& log) : log_(log) {}
    void build_link_banner() override { log_.push_back("handler build_link_banner"); }
    void scroll_link_banner() override { log_.push_back("handler scroll_link_banner"); }
    void watch_banner_hover() override { log_.push_back("handler watch_banner_hover"); }
    void run_system_calculator() override { log_.push_back("handler run_system_calculator"); }
    void open_banner_web_page() override { log_.push_back("handler open_banner_web_page"); }
    void open_link(std::string_view address) override {
        log_.push_back("handler open_link " + std::string(address));
    }

  private:
    std::vector<std::string>& log_;
};

class OpenWindow : public testing::Test {
  protected:
    OpenWindow() { window.open(); }

    ControlId id(std::string_view name) { return control_id(name); }
    std::string text(std::string_view name) { return fake.text(id(name)); }
    std::string focus_name() { return std::string(control(fake.focus()).name); }
    std::vector<std::string> handler_calls() const {
        std::vector<std::string> calls;
        std::copy_if(handler_log.begin(), handler_log.end(), std::back_inserter(calls),
                     [](const std::string& line) { return line.starts_with("handler "); });
        return calls;
    }

    FakeToolkit fake;
    std::vector<std::string> handler_log;
    RecordingHandlers handlers{handler_log};
    Toolkit toolkit{fake};
    MainWindow window{toolkit, handlers};
};

TEST_F(OpenWindow, BuildsInReverseLayoutOrderThenCompletesCreationBeforeShowing) {
    const std::vector<std::string>& log = fake.log();
    ASSERT_GE(log.size(), 72u);
    EXPECT_EQ(log[0], "create window");
    EXPECT_EQ(log[1], "create 按钮1");
    EXPECT_EQ(log[71], "create 简单超文本框2");
    auto position = [&](const std::string& entry) {
        return std::find(log.begin(), log.end(), entry) - log.begin();
    };
    EXPECT_LT(position("create 简单超文本框2"), position("parent 标签32 分组框2"));
    EXPECT_LT(position("parent 按钮1 分组框1"), position("raise 按钮1"));
    EXPECT_LT(position("raise 简单超文本框2"), position("show 简单超文本框2"));
    EXPECT_EQ(fake.log().end()[-2], "show window");
    EXPECT_EQ(fake.log().back(), "focus 按钮1");
    // Creation complete fires once, after every control is shown and before the window is.
    EXPECT_EQ(handler_calls(), std::vector<std::string>{"handler build_link_banner"});
}

TEST_F(OpenWindow, PlacesChildrenInTheirGroupBoxesStackedByLayoutPlace) {
    EXPECT_EQ(fake.parent(id("长")), id("分组框2"));
    EXPECT_EQ(fake.parent(id("按钮1")), id("分组框1"));
    EXPECT_EQ(fake.parent(id("按钮10")), window_id);
    EXPECT_EQ(fake.geometry(id("长")), (Rect{209, 22, 64, 24}));
    // 标签27 and 按钮10 lie over 分组框1 and stay above it.
    const std::vector<ControlId> top = fake.stacking(window_id);
    const std::vector<ControlId> expected = {
        id("简单超文本框2"), id("简单超文本框1"), id("标签27"), id("按钮10"),
        id("分组框2"),       id("图片框1"),       id("分组框1")};
    EXPECT_EQ(top, expected);
    EXPECT_TRUE(fake.visible(id("长")));
    EXPECT_FALSE(fake.visible(id("时钟1")));
    EXPECT_FALSE(fake.visible(id("时钟2")));
    EXPECT_TRUE(fake.window_visible());
}

TEST_F(OpenWindow, FocusStartsOnTheFirstPresetButton) {
    EXPECT_EQ(focus_name(), "按钮1");
}

TEST_F(OpenWindow, TabRingVisitsAllThirtySevenInLayoutOrderAndWraps) {
    const std::vector<std::string> expected = {
        "按钮1",    "按钮2",        "按钮3",  "板长",   "板高",   "整屏面积", "整屏长",
        "整屏高",   "按钮4",        "按钮5",  "按钮6",  "按钮7",  "按钮8",    "按钮9",
        "电源块数", "长",           "高",     "板单价", "控制卡", "电源单价", "边框单价",
        "单元板",   "边框长",       "边框高", "成本",   "按钮10", "按钮11",   "按钮12",
        "按钮13",   "报价",         "按钮14", "按钮15", "按钮16", "总价",     "简单超文本框1",
        "其它费用", "简单超文本框2"};
    std::vector<std::string> forward;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        forward.push_back(focus_name());
        EXPECT_TRUE(fake.press_key(Key::Tab));
    }
    EXPECT_EQ(forward, expected);
    EXPECT_EQ(focus_name(), "按钮1");  // back where it started after 37 presses

    std::vector<std::string> backward;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_TRUE(fake.press_key(Key::Tab, /*shift=*/true));
        backward.push_back(focus_name());
    }
    std::vector<std::string> reversed(expected.rbegin(), expected.rend());
    EXPECT_EQ(backward, reversed);  // from 按钮1, Shift+Tab goes to 简单超文本框2 first
}

class EscapeFrom : public OpenWindow, public testing::WithParamInterface<std::string> {};

TEST_P(EscapeFrom, ClosesTheWindowAtOnce) {
    fake.type(id("长"), "5.2");
    fake.set_focus(id(GetParam()));
    EXPECT_TRUE(fake.press_key(Key::Escape));
    EXPECT_TRUE(fake.closed());
    EXPECT_EQ(window.run(), 0);
}

INSTANTIATE_TEST_SUITE_P(AnyFocus, EscapeFrom,
                         testing::Values("按钮1", "长", "总价", "按钮10", "简单超文本框2"));

TEST_F(OpenWindow, EnterAndF1DoNothing) {
    fake.type(id("长"), "5.2");
    fake.type(id("高"), "2.1");
    for (const char* focus : {"按钮1", "长"}) {
        fake.set_focus(id(focus));
        EXPECT_TRUE(fake.press_key(Key::Enter));
        EXPECT_TRUE(fake.press_key(Key::F1));
        EXPECT_EQ(focus_name(), focus);
    }
    EXPECT_EQ(text("板长"), "");
    EXPECT_FALSE(fake.closed());
    EXPECT_FALSE(fake.press_key(Key::Other));  // any other key goes on to the control
}

struct PressCase {
    std::string target;  // empty: the client area itself
    bool drags;
    PressOutcome outcome;
};

class LeftPress : public OpenWindow, public testing::WithParamInterface<PressCase> {};

TEST_P(LeftPress, DragsByClientAreaLabelsAndGroupBoxesOnly) {
    const ControlId target = GetParam().target.empty() ? window_id : id(GetParam().target);
    EXPECT_EQ(fake.left_press(target, {5, 5}), GetParam().outcome);
    EXPECT_EQ(fake.drags(), GetParam().drags ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(EachKind, LeftPress,
                         testing::Values(PressCase{"", true, PressOutcome::Deliver},
                                         PressCase{"标签1", true, PressOutcome::Swallow},
                                         PressCase{"标签27", true, PressOutcome::Swallow},
                                         PressCase{"分组框1", true, PressOutcome::Swallow},
                                         PressCase{"分组框2", true, PressOutcome::Swallow},
                                         PressCase{"长", false, PressOutcome::Deliver},
                                         PressCase{"按钮1", false, PressOutcome::Deliver},
                                         PressCase{"按钮10", false, PressOutcome::Deliver},
                                         PressCase{"简单超文本框2", false, PressOutcome::Deliver},
                                         PressCase{"图片框1", false, PressOutcome::Deliver}));

TEST_F(OpenWindow, BannerPressOpensTheWebPageAndOtherPressesFireNothing) {
    for (const char* target : {"长", "按钮1", "简单超文本框2"}) {
        fake.left_press(id(target));
    }
    EXPECT_EQ(handler_calls().size(), 1u);  // only the creation complete so far
    fake.left_press(id("图片框1"), {10, 20}, modifier_ctrl);
    EXPECT_EQ(handler_calls().back(), "handler open_banner_web_page");
}

TEST_F(OpenWindow, BindingTableDispatchesEveryBoundEvent) {
    fake.click(id("按钮10"));
    EXPECT_EQ(handler_calls().back(), "handler run_system_calculator");
    fake.start_timer(id("时钟1"), 180);
    fake.advance(180);
    EXPECT_EQ(handler_calls().back(), "handler scroll_link_banner");
    fake.stop_timer(id("时钟1"));
    fake.start_timer(id("时钟2"), 180);
    fake.advance(180);
    EXPECT_EQ(handler_calls().back(), "handler watch_banner_hover");
    EXPECT_EQ(handler_calls().size(), 4u);
}

TEST_F(OpenWindow, APressOnALinkOpensItsAddressWithoutTheBlanksAroundIt) {
    const ControlId strip = id("简单超文本框1");
    fake.set_text(strip, assemble_link_strip(LinkListText).hypertext);
    ASSERT_TRUE(fake.press_link(strip, 4));  // link 5, a QQ chat link stored with a blank in front
    EXPECT_EQ(handler_calls().back(),
              "handler open_link tencent://message/?uin=800012345&Site=pixtallo&Menu=yes");
    EXPECT_EQ(fake.drags(), 0);
    fake.set_text(strip, "<a href=>no address</a>");
    ASSERT_TRUE(fake.press_link(strip, 0));
    EXPECT_EQ(handler_calls().size(), 2u);  // a link without an address opens nothing
}

TEST(BindingTable, EveryPresetButtonRunsTheQuotationAndNothingElseIsBound) {
    int quotations = 0;
    for (const Binding& binding : binding_table()) {
        ASSERT_TRUE(binding.control == main_window_name || control_by_name(binding.control))
            << binding.control;
        if (binding.handler == Handler::QuotationProcedure) {
            ++quotations;
            EXPECT_NE(engine::preset_by_button(binding.control), nullptr) << binding.control;
            EXPECT_EQ(binding.event, own_event);
        }
    }
    EXPECT_EQ(quotations, 15);
    EXPECT_EQ(binding_table().size(), 20u);
    EXPECT_EQ(find_binding("图片框1", left_press_event)->handler, Handler::OpenBannerWebPage);
    EXPECT_EQ(find_binding("图片框1", own_event), nullptr);
    EXPECT_EQ(find_binding("按钮10", own_event)->handler, Handler::RunSystemCalculator);
    EXPECT_EQ(find_binding("长", left_press_event), nullptr);
}

const engine::FieldTexts worked_example = [] {
    engine::FieldTexts fields;
    fields.write(engine::Field::Width, "5.2");
    fields.write(engine::Field::Height, "2.1");
    fields.write(engine::Field::Card, "1500");
    fields.write(engine::Field::PsuPrice, "75");
    fields.write(engine::Field::ModulePrice, "95");
    fields.write(engine::Field::FramePrice, "30");
    fields.write(engine::Field::Other, "500");
    fields.write(engine::Field::Price, "2800");
    return fields;
}();

TEST_F(OpenWindow, PresetButtonWritesTheResultFieldsAndTwicePressedGivesTheSame) {
    for (engine::Field field : engine::input_fields) {
        fake.type(id(engine::field_name(field)), worked_example.text(field));
    }
    fake.type(id("总价"), "typed over");
    fake.click(id("按钮1"));
    const std::vector<std::string> expected = {"16",  "13",   "5.2",  "2.16",  "11.232", "26",
                                               "208", "5.12", "2.08", "24142", "31449.6"};
    std::vector<std::string> first;
    for (engine::Field field : engine::result_fields) {
        first.push_back(text(engine::field_name(field)));
    }
    EXPECT_EQ(first, expected);
    fake.type(id("板长"), "999");
    fake.click(id("按钮1"));
    EXPECT_EQ(text("板长"), "16");
    EXPECT_EQ(text("总价"), "31449.6");
    fake.click(id("按钮7"));  // another preset overwrites the results
    EXPECT_EQ(text("总价"), "30211.6864");
}

}  // namespace
}  // namespace pixtallo::ui
