#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/fake/fake_toolkit.hpp"
#include "ui/hypertext/hypertext.hpp"
#include "ui/layout/main_window_layout.hpp"
#include "ui/link_banner/link_banner.hpp"

namespace pixtallo::ui {
namespace {

TEST(LinkStrip, StoredListGivesEightLinksAndWidth792) {
    const LinkStrip strip = assemble_link_strip(LinkListText);
    EXPECT_EQ(strip.width, 792);
    const Hypertext document = parse_hypertext(strip.hypertext);
    ASSERT_EQ(document.links.size(), 8u);
    EXPECT_TRUE(strip.hypertext.starts_with("  <a href="));
    EXPECT_TRUE(strip.hypertext.ends_with("</a>  "));
    EXPECT_NE(strip.hypertext.find("</a>    <a href="), std::string::npos);
    // The blanks around addresses 2 and 5 to 7 stay in the content and out of the addresses.
    EXPECT_TRUE(document.links[4].starts_with("tencent://message/?uin="));
    EXPECT_TRUE(document.links[1].ends_with(".htm"));
    EXPECT_TRUE(document.links[6].starts_with("https://"));
}

struct StripCase {
    std::string name;
    std::string list;
    std::string hypertext;
    std::int64_t width;
};

class AssembleLinkStrip : public testing::TestWithParam<StripCase> {};

TEST_P(AssembleLinkStrip, FollowsTheSplittingRule) {
    const LinkStrip strip = assemble_link_strip(GetParam().list);
    EXPECT_EQ(strip.hypertext, GetParam().hypertext);
    EXPECT_EQ(strip.width, GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, AssembleLinkStrip,
    testing::Values(
        StripCase{"Empty", "", "", 0},
        StripCase{"OneLine", "ab··x\r\n", "  <a href=x>ab</a>  ", 36},
        StripCase{"NoFinalLineEnd", "ab··x", "  <a href=x>ab</a>  ", 36},
        StripCase{"EmptyLineSkipped", "ab··x\r\n\r\ncd··y\r\n",
                  "  <a href=x>ab</a>    <a href=y>cd</a>  ", 72},
        StripCase{"EndsWithSeparator", "ab··\r\ncd··y\r\n", "  <a href=y>cd</a>  ", 36},
        StripCase{"StartsWithSeparator", "··y\r\n", "  <a href=y></a>  ", 24},
        StripCase{"TwoSeparators", "a··b··c\r\n", "", 0},
        StripCase{"BlanksCount", "QQ技术支持  ··q\r\n", "  <a href=q>QQ技术支持  </a>  ", 96},
        StripCase{"WithoutBlanks", "QQ技术支持··q\r\n", "  <a href=q>QQ技术支持</a>  ", 84},
        StripCase{"LoneCarriageReturnIsText", "a\rb··x\r\n", "  <a href=x>a\rb</a>  ", 42}));

// In UTF-8 a separator's first byte is never a continuation byte, so a match can only begin where
// a character begins; an invalid byte counts as a character of its own.
TEST(SplitAtCharacters, CutsAtEverySeparatorKeepingEmptyPieces) {
    EXPECT_EQ(split_at_characters("中··文", "··"), (std::vector<std::string_view>{"中", "文"}));
    EXPECT_EQ(split_at_characters("a\r\n\r\nb", "\r\n"),
              (std::vector<std::string_view>{"a", "", "b"}));
    EXPECT_EQ(split_at_characters("a\r\n\r\n", "\r\n"), (std::vector<std::string_view>{"a", ""}));
    EXPECT_EQ(split_at_characters("··", "··"), (std::vector<std::string_view>{""}));
    EXPECT_TRUE(split_at_characters("", "\r\n").empty());
    // A truncated three-byte lead before the separator stays a piece of its own.
    EXPECT_EQ(split_at_characters("\xE4\xB8··x", "··"),
              (std::vector<std::string_view>{"\xE4\xB8", "x"}));
}

TEST(CodePage936Length, AsciiOneEverythingElseTwo) {
    EXPECT_EQ(code_page_936_length("QQ客服在线  "), 12u);
    EXPECT_EQ(code_page_936_length("性价比第一的控制卡 "), 19u);
    EXPECT_EQ(code_page_936_length("·"), 2u);
    EXPECT_EQ(code_page_936_length(""), 0u);
}

// The window's strip, driven by the virtual clock.
class LinkBanner : public testing::Test {
  protected:
    LinkBanner() {
        fake.create_window(main_window_settings());
        for (const char* name : {"简单超文本框1", "时钟1", "时钟2"}) {
            fake.create_control(control(control_id(name)));
        }
        fake.set_event_sink(sink);
        build_link_banner(toolkit);
    }

    // Ticks run the real handlers, as the binding table has them.
    struct Handlers final : EventSink {
        explicit Handlers(Toolkit& services) : toolkit(services) {}
        bool key_pressed(const KeyPress&) override { return false; }
        PressOutcome left_pressed(ControlId, Point, int) override { return PressOutcome::Deliver; }
        void clicked(ControlId) override {}
        void timer_ticked(ControlId timer) override {
            if (timer == control_id("时钟1")) {
                ++scrolls;
                scroll_link_banner(toolkit);
            } else {
                watch_banner_hover(toolkit);
            }
        }
        void link_pressed(ControlId, std::string_view) override {}
        Toolkit& toolkit;
        int scrolls = 0;
    };

    Rect strip() const { return fake.geometry(control_id("简单超文本框1")); }
    bool scrolling() const { return fake.timer_running(control_id("时钟1")); }
    // The band's row on the screen: the strip's own row.
    int strip_screen_top() const { return fake.client_origin().y + strip().top; }

    FakeToolkit fake;
    Toolkit toolkit{fake};
    Handlers sink{toolkit};
};

TEST_F(LinkBanner, StartsBeyondTheRightEdgeWithBothTimersAt180) {
    EXPECT_EQ(strip(), (Rect{910, 449, 792, 16}));
    EXPECT_EQ(toolkit.timer_interval(control_id("时钟1")), 180);
    EXPECT_EQ(toolkit.timer_interval(control_id("时钟2")), 180);
    EXPECT_EQ(parse_hypertext(fake.text(control_id("简单超文本框1"))).links.size(), 8u);
}

TEST_F(LinkBanner, MovesFivePixelsEachTickAndJumpsBackOnceWhollyPast) {
    fake.move_pointer({0, 0});  // far from the band
    std::vector<int> lefts;
    for (int tick = 0; tick < 3; ++tick) {
        fake.advance(180);
        lefts.push_back(strip().left);
    }
    EXPECT_EQ(lefts, (std::vector<int>{905, 900, 895}));
    // Run until the strip has left on the far side: c, c-5, ... down to the first position below
    // -792, then back to c.
    while (strip().left >= -792) {
        fake.advance(180);
    }
    EXPECT_EQ(strip().left, -795);
    fake.advance(180);
    EXPECT_EQ(strip().left, 910);
}

TEST_F(LinkBanner, RightEdgeExactlyAtZeroStillMovesOnce) {
    toolkit.set_left(control_id("简单超文本框1"), -792);  // x + w = 0
    scroll_link_banner(toolkit);
    EXPECT_EQ(strip().left, -797);
    scroll_link_banner(toolkit);
    EXPECT_EQ(strip().left, 910);
}

TEST_F(LinkBanner, JumpsBackToTheClientWidthOfTheMoment) {
    toolkit.set_left(control_id("简单超文本框1"), -800);
    fake.resize_client({1000, 469});
    scroll_link_banner(toolkit);
    EXPECT_EQ(strip().left, 1000);
    EXPECT_EQ(strip().top, 449);  // the top is not adjusted
}

struct BandCase {
    std::string name;
    int dx;  // from the window's left edge
    int dy;  // from the strip's top on the screen
    bool paused;
};

class HoverBand : public LinkBanner, public testing::WithParamInterface<BandCase> {};

TEST_P(HoverBand, PausesOnlyStrictlyInsideTheStripsRow) {
    const Rect window = fake.window_rect();
    fake.move_pointer({window.left + GetParam().dx, strip_screen_top() + GetParam().dy});
    fake.advance(180);  // both timers tick
    EXPECT_EQ(!scrolling(), GetParam().paused);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, HoverBand,
    testing::Values(BandCase{"Middle", 400, 8, true}, BandCase{"OnLeftEdge", 0, 8, false},
                    BandCase{"JustInsideLeft", 1, 8, true}, BandCase{"OnRightEdge", 916, 8, false},
                    BandCase{"JustInsideRight", 915, 8, true}, BandCase{"OnTopEdge", 400, 0, false},
                    BandCase{"JustBelowTop", 400, 1, true},
                    BandCase{"OnBottomEdge", 400, 16, false},
                    BandCase{"JustAboveBottom", 400, 15, true},
                    BandCase{"OneStripLower", 400, 24, false}));

TEST_F(LinkBanner, PauseAndResumeTiming) {
    const Rect window = fake.window_rect();
    fake.move_pointer({window.left + 400, strip_screen_top() + 8});
    fake.advance(180);  // 时钟2 stops 时钟1 at this tick
    const int stopped_at = strip().left;
    fake.advance(1800);
    EXPECT_EQ(strip().left, stopped_at);
    EXPECT_FALSE(scrolling());

    fake.move_pointer({window.left + 400, window.top - 100});
    fake.advance(180);  // the next 时钟2 tick restarts 时钟1...
    EXPECT_TRUE(scrolling());
    EXPECT_EQ(strip().left, stopped_at);
    fake.advance(179);  // ...whose first step comes one full period later
    EXPECT_EQ(strip().left, stopped_at);
    fake.advance(1);
    EXPECT_EQ(strip().left, stopped_at - 5);
}

TEST_F(LinkBanner, RepeatedWritesOf180NeverStretchTheTick) {
    fake.move_pointer({0, 0});
    // 时钟2 writes 180 to the running 时钟1 on each of its ticks; 时钟1 still steps every 180 ms.
    fake.advance(180 * 100);
    EXPECT_EQ(sink.scrolls, 100);
}

TEST_F(LinkBanner, BandFollowsTheWindowWhenItMoves) {
    fake.move_window({100, 50});
    fake.move_pointer({100 + 400, strip_screen_top() + 8});
    fake.advance(180);
    EXPECT_FALSE(scrolling());
}

}  // namespace
}  // namespace pixtallo::ui
