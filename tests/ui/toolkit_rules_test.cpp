#include <gtest/gtest.h>

#include "ui/fake/fake_toolkit.hpp"
#include "ui/layout/main_window_layout.hpp"
#include "ui/toolkit/toolkit.hpp"

namespace pixtallo::ui {
namespace {

struct ClampCase {
    std::int64_t written;
    int position;
    int extent;
};

class GeometryClamp : public testing::TestWithParam<ClampCase> {};

TEST_P(GeometryClamp, CutsWrittenValuesToTheToolkitsLimits) {
    FakeToolkit fake;
    const ControlLayout& strip = control(control_id("简单超文本框1"));
    fake.create_control(strip);
    Toolkit toolkit(fake);
    toolkit.set_left(strip.id, GetParam().written);
    toolkit.set_top(strip.id, GetParam().written);
    EXPECT_EQ(fake.geometry(strip.id), (Rect{GetParam().position, GetParam().position, 33, 16}));
    toolkit.set_width(strip.id, GetParam().written);
    toolkit.set_height(strip.id, GetParam().written);
    EXPECT_EQ(fake.geometry(strip.id), (Rect{GetParam().position, GetParam().position,
                                             GetParam().extent, GetParam().extent}));
}

INSTANTIATE_TEST_SUITE_P(Values, GeometryClamp,
                         testing::Values(ClampCase{0, 0, 0}, ClampCase{910, 910, 910},
                                         ClampCase{-5, -5, 0}, ClampCase{32627, 32627, 32627},
                                         ClampCase{32628, 32627, 32627},
                                         ClampCase{-32628, -32627, 0},
                                         ClampCase{5'000'000'000, 32627, 32627},
                                         ClampCase{-5'000'000'000, -32627, 0}));

class TimerRules : public testing::Test {
  protected:
    TimerRules() {
        fake.create_control(control(timer));
        // Counts ticks through a minimal sink.
        fake.set_event_sink(sink);
    }
    struct TickCounter final : EventSink {
        bool key_pressed(const KeyPress&) override { return false; }
        PressOutcome left_pressed(ControlId, Point, int) override { return PressOutcome::Deliver; }
        void clicked(ControlId) override {}
        void timer_ticked(ControlId) override { ++ticks; }
        void link_pressed(ControlId, std::string_view) override {}
        int ticks = 0;
    };
    const ControlId timer = control_id("时钟1");
    FakeToolkit fake;
    TickCounter sink;
    Toolkit toolkit{fake};
};

TEST_F(TimerRules, WritingTheCurrentIntervalKeepsThePhase) {
    toolkit.set_timer_interval(timer, 180);
    fake.advance(100);
    toolkit.set_timer_interval(timer, 180);  // no restart: the tick still comes at 180
    fake.advance(80);
    EXPECT_EQ(sink.ticks, 1);
    for (int i = 0; i < 5; ++i) {
        fake.advance(90);
        toolkit.set_timer_interval(timer, 180);
    }
    EXPECT_EQ(sink.ticks, 3);  // 360, 540 and nothing pushed back
}

TEST_F(TimerRules, AnotherIntervalRestartsAFullPeriodLater) {
    toolkit.set_timer_interval(timer, 180);
    fake.advance(100);
    toolkit.set_timer_interval(timer, 50);
    fake.advance(49);
    EXPECT_EQ(sink.ticks, 0);
    fake.advance(1);
    EXPECT_EQ(sink.ticks, 1);
    EXPECT_EQ(toolkit.timer_interval(timer), 50);
}

TEST_F(TimerRules, ZeroOrLessStops) {
    toolkit.set_timer_interval(timer, 180);
    toolkit.set_timer_interval(timer, -7);
    EXPECT_EQ(toolkit.timer_interval(timer), 0);
    EXPECT_FALSE(fake.timer_running(timer));
    fake.advance(1000);
    EXPECT_EQ(sink.ticks, 0);
    toolkit.set_timer_interval(timer, 0);
    EXPECT_FALSE(fake.timer_running(timer));
}

}  // namespace
}  // namespace pixtallo::ui
