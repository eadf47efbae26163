#include "ui/win32/hypertext_window.hpp"

#include <windowsx.h>

#include "engine/utf8.hpp"
#include "ui/win32/gdi_fonts.hpp"
#include "ui/win32/window_class.hpp"

namespace pixtallo::ui::win32 {
namespace {

constexpr wchar_t class_name[] = L"PixtalloHypertext";
constexpr int tab_width_in_blanks = 8;
constexpr FontStyle body_font{12, false};  // "body": 9 pt 宋体
constexpr COLORREF link_colour = RGB(0, 0, 255);

SIZE text_size(HDC dc, const std::wstring& text) {
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

}  // namespace

void HypertextWindow::register_class(HINSTANCE instance) {
    register_window_class(instance, class_name, procedure);
}

HWND HypertextWindow::create(HWND parent, int id, bool with_border, LinkHandler on_link) {
    auto* state = new HypertextWindow(nullptr, std::move(on_link));
    return CreateWindowExW(
        with_border ? WS_EX_STATICEDGE : 0, class_name, L"", WS_CHILD | WS_TABSTOP, 0, 0, 0, 0,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), state);
}

HypertextWindow* HypertextWindow::of(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring_view(name) != class_name) {
        return nullptr;
    }
    return reinterpret_cast<HypertextWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

HypertextWindow::HypertextWindow(HWND window, LinkHandler on_link)
    : window_(window), on_link_(std::move(on_link)) {}

void HypertextWindow::set_content(std::string_view content) {
    content_ = content;
    document_ = parse_hypertext(content);
    hovered_.reset();
    lay_out();
    InvalidateRect(window_, nullptr, TRUE);
}

// Runs flow from the top-left; blanks keep their width, a tab moves to the next multiple of eight
// blanks, a line break starts the next line.
void HypertextWindow::lay_out() {
    placed_.clear();
    HDC dc = GetDC(window_);
    const HGDIOBJ old = SelectObject(dc, song_font(body_font));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int tab = text_size(dc, L" ").cx * tab_width_in_blanks;
    int x = 0;
    int y = 0;
    for (std::size_t i = 0; i < document_.runs.size(); ++i) {
        const Run& run = document_.runs[i];
        if (run.kind == RunKind::LineBreak) {
            x = 0;
            y += metrics.tmHeight;
        } else if (run.kind == RunKind::Tab) {
            x = tab > 0 ? (x / tab + 1) * tab : x;
        } else {
            const SIZE size = text_size(dc, engine::to_wide(run.text));
            placed_.push_back({RECT{x, y, x + size.cx, y + metrics.tmHeight}, i});
            x += size.cx;
        }
    }
    SelectObject(dc, old);
    ReleaseDC(window_, dc);
}

void HypertextWindow::paint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window_, &paint);
    SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ old = SelectObject(dc, song_font(body_font));
    for (const Placed& placed : placed_) {
        const Run& run = document_.runs[placed.run];
        const bool hovered = run.link.has_value() && run.link == hovered_;
        SelectObject(dc, song_font(body_font, hovered));  // "a:hover" underlines
        SetTextColor(dc, run.link ? link_colour : RGB(0, 0, 0));
        const std::wstring text = engine::to_wide(run.text);
        TextOutW(dc, placed.rect.left, placed.rect.top, text.c_str(),
                 static_cast<int>(text.size()));
    }
    SelectObject(dc, old);
    EndPaint(window_, &paint);
}

std::optional<std::size_t> HypertextWindow::link_at(POINT point) const {
    for (const Placed& placed : placed_) {
        if (PtInRect(&placed.rect, point)) {
            return document_.runs[placed.run].link;
        }
    }
    return std::nullopt;
}

RECT HypertextWindow::link_rect(std::size_t index) const {
    RECT rect{0, 0, 0, 0};
    for (const Placed& placed : placed_) {
        if (document_.runs[placed.run].link == index) {
            UnionRect(&rect, &rect, &placed.rect);
        }
    }
    return rect;
}

void HypertextWindow::hover(std::optional<std::size_t> link) {
    if (link != hovered_) {
        hovered_ = link;
        InvalidateRect(window_, nullptr, TRUE);
    }
}

LRESULT CALLBACK HypertextWindow::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* state =
            static_cast<HypertextWindow*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        state->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    }
    auto* self = reinterpret_cast<HypertextWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, w, l);
    }
    switch (message) {
        case WM_PAINT:
            self->paint();
            return 0;
        case WM_MOUSEMOVE: {
            if (!self->tracking_) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
                self->tracking_ = TrackMouseEvent(&track) != FALSE;
            }
            self->hover(self->link_at({GET_X_LPARAM(l), GET_Y_LPARAM(l)}));
            return 0;
        }
        case WM_MOUSELEAVE:
            self->tracking_ = false;
            self->hover(std::nullopt);
            return 0;
        case WM_SETCURSOR: {
            POINT point{};
            GetCursorPos(&point);
            ScreenToClient(window, &point);
            const auto link = self->link_at(point);
            const bool opens = link && !self->document_.links[*link].empty();
            SetCursor(LoadCursorW(nullptr, opens ? IDC_HAND : IDC_ARROW));
            return TRUE;
        }
        case WM_LBUTTONDOWN: {
            SetFocus(window);
            const auto link = self->link_at({GET_X_LPARAM(l), GET_Y_LPARAM(l)});
            if (link && !self->document_.links[*link].empty() && self->on_link_) {
                self->on_link_(self->document_.links[*link]);
            }
            return 0;
        }
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            delete self;
            return DefWindowProcW(window, message, w, l);
        default:
            return DefWindowProcW(window, message, w, l);
    }
}

}  // namespace pixtallo::ui::win32
