// The real window on the Win32 adapter, run under Wine in CI: built from the layout, typed into
// and clicked with window messages, and driven through the window's key rules.

#include <gtest/gtest.h>
#include <windows.h>

#include <ole2.h>

#include <string>
#include <vector>

#include "engine/fields.hpp"
#include "engine/utf8.hpp"
#include "ui/layout/main_window_layout.hpp"
#include "ui/main_window/main_window.hpp"
#include "ui/main_window/tab_ring.hpp"
#include "ui/win32/win32_toolkit.hpp"

namespace pixtallo::ui::win32 {
namespace {

class CountingHandlers final : public BoundHandlers {
  public:
    void build_link_banner() override { ++banner_builds; }
    void scroll_link_banner() override { ++scroll_ticks; }
    void watch_banner_hover() override {}
    void run_system_calculator() override {}
    void open_banner_web_page() override {}
    void open_link(std::string_view) override {}
    int banner_builds = 0;
    int scroll_ticks = 0;
};

class Win32Window : public testing::Test {
  protected:
    static void SetUpTestSuite() { OleInitialize(nullptr); }

    Win32Window() {
        window.open();
        backend.pump();
    }

    HWND hwnd(std::string_view name) { return backend.control_window(control_id(name)); }
    std::string text_of(HWND control) {
        wchar_t buffer[256] = {};
        GetWindowTextW(control, buffer, 256);
        return engine::from_wide(buffer);
    }
    void key(WPARAM virtual_key) {
        PostMessageW(GetFocus(), WM_KEYDOWN, virtual_key, 0);
        backend.pump();
    }

    Win32Toolkit backend{GetModuleHandleW(nullptr)};
    Toolkit toolkit{backend};
    CountingHandlers handlers;
    MainWindow window{toolkit, handlers};
};

TEST_F(Win32Window, HasItsTitleOuterSizeAndToolFrame) {
    RECT outer{};
    GetWindowRect(backend.window(), &outer);
    EXPECT_EQ(outer.right - outer.left, 916);
    EXPECT_EQ(outer.bottom - outer.top, 491);
    EXPECT_EQ(text_of(backend.window()), "Quillorn Pixtallo V2010.05.29");
    const auto ex_style = GetWindowLongPtrW(backend.window(), GWL_EXSTYLE);
    EXPECT_TRUE(ex_style & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(GetWindowLongPtrW(backend.window(), GWL_STYLE) & WS_THICKFRAME);
    EXPECT_NE(SendMessageW(backend.window(), WM_GETICON, ICON_BIG, 0), 0);
    // The client area is what the frame leaves: the same on Windows and Wine for these metrics.
    const Size client = toolkit.client_size();
    RECT frame{0, 0, client.width, client.height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(backend.window(), GWL_STYLE)),
                       FALSE, static_cast<DWORD>(ex_style));
    EXPECT_EQ(frame.right - frame.left, 916);
    EXPECT_EQ(frame.bottom - frame.top, 491);
    EXPECT_EQ(handlers.banner_builds, 1);
    EXPECT_EQ(GetFocus(), hwnd("按钮1"));
}

TEST_F(Win32Window, EveryControlMatchesTheLayout) {
    for (const ControlLayout& layout : controls()) {
        if (layout.kind == Kind::Timer) {
            EXPECT_EQ(toolkit.geometry(layout.id), layout.rect) << layout.name;
            continue;
        }
        SCOPED_TRACE(std::string(layout.name));
        HWND handle = hwnd(layout.name);
        EXPECT_EQ(toolkit.geometry(layout.id), layout.rect);
        EXPECT_EQ(GetParent(handle), layout.parent == window_id
                                         ? backend.window()
                                         : hwnd(ui::control(layout.parent).name));
        EXPECT_TRUE(IsWindowVisible(handle));
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(handle, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        if (layout.kind != Kind::PicBox && layout.kind != Kind::SimpleHtml) {
            const FontStyle want = layout.font.value_or(FontStyle{12, false});
            EXPECT_EQ(font.lfHeight, -want.pixel_size);
            EXPECT_EQ(font.lfWeight, want.bold ? FW_BOLD : FW_NORMAL);
            EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
            EXPECT_EQ(std::wstring(font.lfFaceName), L"SimSun");
        }
        if (layout.kind == Kind::Label || layout.kind == Kind::Button ||
            layout.kind == Kind::GroupBox) {
            EXPECT_EQ(text_of(handle), layout.text);
        }
    }
}

TEST_F(Win32Window, TypingTheWorkedExampleAndClickingTheFirstPreset) {
    const std::pair<const char*, const char*> inputs[] = {
        {"长", "5.2"},    {"高", "2.1"},      {"控制卡", "1500"},  {"电源单价", "75"},
        {"板单价", "95"}, {"边框单价", "30"}, {"其它费用", "500"}, {"报价", "2800"}};
    for (const auto& [name, text] : inputs) {
        SendMessageW(hwnd(name), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(engine::to_wide(text).c_str()));
    }
    SendMessageW(hwnd("按钮1"), BM_CLICK, 0, 0);
    backend.pump();
    std::vector<std::string> shown;
    for (engine::Field field : engine::result_fields) {
        shown.push_back(text_of(hwnd(engine::field_name(field))));
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"16", "13", "5.2", "2.16", "11.232", "26", "208",
                                               "5.12", "2.08", "24142", "31449.6"}));
}

TEST_F(Win32Window, GeometryIsCutToTheToolkitsLimits) {
    const ControlId strip = control_id("简单超文本框1");
    toolkit.set_left(strip, 5'000'000'000);
    toolkit.set_width(strip, -3);
    EXPECT_EQ(toolkit.geometry(strip).left, 32627);
    EXPECT_EQ(toolkit.geometry(strip).width, 0);
    toolkit.set_left(strip, -40000);
    EXPECT_EQ(toolkit.geometry(strip).left, -32627);
}

TEST_F(Win32Window, TimerTicksOnlyWhileItsIntervalIsAboveZero) {
    const ControlId timer = control_id("时钟1");
    toolkit.set_timer_interval(timer, 20);
    const DWORD start = GetTickCount();
    while (handlers.scroll_ticks < 3 && GetTickCount() - start < 5000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        backend.pump();
    }
    EXPECT_GE(handlers.scroll_ticks, 3);
    toolkit.set_timer_interval(timer, 0);
    backend.pump();
    const int stopped_at = handlers.scroll_ticks;
    Sleep(100);
    backend.pump();
    EXPECT_EQ(handlers.scroll_ticks, stopped_at);
}

TEST_F(Win32Window, TabGoesRoundTheRing) {
    for (std::size_t i = 1; i <= tab_ring().size(); ++i) {
        key(VK_TAB);
        EXPECT_EQ(GetFocus(), backend.control_window(tab_ring()[i % tab_ring().size()])) << i;
    }
}

TEST_F(Win32Window, EnterDoesNotQuoteAndEscapeCloses) {
    SendMessageW(hwnd("长"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"5.2"));
    key(VK_RETURN);
    key(VK_F1);
    EXPECT_EQ(text_of(hwnd("板长")), "");
    EXPECT_FALSE(backend.closed());
    key(VK_ESCAPE);
    EXPECT_TRUE(backend.closed());
}

}  // namespace
}  // namespace pixtallo::ui::win32
