#include "ui/win32/win32_toolkit.hpp"

#include <windowsx.h>

#include <cstring>
#include <optional>

#include "engine/utf8.hpp"
#include "ui/layout/main_window_layout.hpp"
#include "ui/layout/pictures.hpp"
#include "ui/win32/gdi_fonts.hpp"
#include "ui/win32/hypertext_window.hpp"
#include "ui/win32/picture_window.hpp"
#include "ui/win32/window_class.hpp"

namespace pixtallo::ui::win32 {
namespace {

constexpr wchar_t main_class[] = L"PixtalloMainWindow";

// The icon from the layout's ARGB pixels: a 32-bit DIB with alpha and an empty mask.
HICON make_icon() {
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof header;
    header.bV5Width = icon_size;
    header.bV5Height = -icon_size;  // top-down, as the pixels are stored
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (colour == nullptr) {
        return nullptr;
    }
    std::memcpy(bits, window_icon_argb().data(), window_icon_argb().size() * 4);
    HBITMAP mask = CreateBitmap(icon_size, icon_size, 1, 1, nullptr);
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

DWORD window_style() {
    return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
}
DWORD window_ex_style() {
    return WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME;
}

}  // namespace

Win32Toolkit::Win32Toolkit(HINSTANCE instance) : instance_(instance) {
    register_window_class(instance, main_class, window_procedure);
    HypertextWindow::register_class(instance);
    register_picture_class(instance);
    edit_background_ = CreateSolidBrush(RGB(255, 255, 255));
}

Win32Toolkit::~Win32Toolkit() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    if (icon_ != nullptr) {
        DestroyIcon(icon_);
    }
    DeleteObject(edit_background_);
}

void Win32Toolkit::create_window(const WindowLayout& layout) {
    // Centred by the outer size, each division cutting off the fraction.
    const int left = (GetSystemMetrics(SM_CXSCREEN) - layout.outer_size.width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - layout.outer_size.height) / 2;
    window_ = CreateWindowExW(window_ex_style(), main_class, engine::to_wide(layout.title).c_str(),
                              window_style(), left, top, layout.outer_size.width,
                              layout.outer_size.height, nullptr, nullptr, instance_, this);
    icon_ = make_icon();
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(default_gui_font()), FALSE);
}

void Win32Toolkit::create_control(const ControlLayout& layout) {
    const std::wstring text = engine::to_wide(layout.text);
    const HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id));
    HWND control = nullptr;
    switch (layout.kind) {
        case Kind::Label:
            control = CreateWindowExW(0, L"STATIC", text.c_str(),
                                      WS_CHILD | SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_CENTERIMAGE,
                                      0, 0, 0, 0, window_, id, instance_, nullptr);
            break;
        case Kind::EditBox:
            control = CreateWindowExW(
                WS_EX_CLIENTEDGE, L"EDIT", text.c_str(),
                WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL | (layout.centred ? ES_CENTER : ES_LEFT), 0,
                0, 0, 0, window_, id, instance_, nullptr);
            break;
        case Kind::Button:
            control = CreateWindowExW(
                0, L"BUTTON", text.c_str(),
                WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, 0, 0,
                0, 0, window_, id, instance_, nullptr);
            break;
        case Kind::GroupBox:
            control = CreateWindowExW(0, L"BUTTON", text.c_str(), WS_CHILD | BS_GROUPBOX, 0, 0, 0,
                                      0, window_, id, instance_, nullptr);
            // Its children's notifications and colour requests go to it; pass them on.
            group_procedures_[control] = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(group_procedure)));
            break;
        case Kind::PicBox:
            control = create_picture_window(window_, layout.id, banner_jpeg());
            break;
        case Kind::SimpleHtml:
            control = HypertextWindow::create(window_, layout.id, layout.has_border,
                                              [this, id = layout.id](std::string_view address) {
                                                  sink_->link_pressed(id, address);
                                              });
            HypertextWindow::of(control)->set_content(layout.text);
            break;
        case Kind::Timer:  // no window: SetTimer on the main window, keyed by the control's place
            timer_places_[layout.id] = layout.rect;
            return;
        case Kind::Window:
            return;
    }
    controls_[layout.id] = control;
    ids_[control] = layout.id;
    SendMessageW(
        control, WM_SETFONT,
        reinterpret_cast<WPARAM>(layout.font ? song_font(*layout.font) : default_gui_font()),
        FALSE);
    MoveWindow(control, layout.rect.left, layout.rect.top, layout.rect.width, layout.rect.height,
               FALSE);
}

void Win32Toolkit::set_parent(ControlId child, ControlId group) {
    if (timer_places_.contains(child)) {
        return;  // a timer has no window to move
    }
    SetParent(controls_.at(child), controls_.at(group));
}

void Win32Toolkit::raise(ControlId id) {
    if (controls_.contains(id)) {
        SetWindowPos(controls_.at(id), HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void Win32Toolkit::show_control(ControlId id) {
    ShowWindow(controls_.at(id), SW_SHOWNA);
}

void Win32Toolkit::show_window() {
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetActiveWindow(window_);
}

void Win32Toolkit::close_window() {
    SendMessageW(window_, WM_CLOSE, 0, 0);
}

// Moving by the client area as a caption drag: the system's own move loop, until release.
void Win32Toolkit::begin_window_drag() {
    ReleaseCapture();
    SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void Win32Toolkit::set_focus(ControlId id) {
    SetFocus(controls_.at(id));
}

ControlId Win32Toolkit::focus() const {
    const ControlId id = control_of(GetFocus());
    return id > 0 ? id : window_id;
}

Rect Win32Toolkit::geometry(ControlId id) const {
    if (const auto place = timer_places_.find(id); place != timer_places_.end()) {
        return place->second;
    }
    HWND control = controls_.at(id);
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void Win32Toolkit::set_geometry(ControlId id, const Rect& rect) {
    if (auto place = timer_places_.find(id); place != timer_places_.end()) {
        place->second = rect;
        return;
    }
    MoveWindow(controls_.at(id), rect.left, rect.top, rect.width, rect.height, TRUE);
}

std::string Win32Toolkit::text(ControlId id) const {
    if (!controls_.contains(id)) {
        return {};
    }
    HWND control = controls_.at(id);
    if (const HypertextWindow* view = HypertextWindow::of(control)) {
        return view->content();
    }
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return engine::from_wide(text);
}

void Win32Toolkit::set_text(ControlId id, std::string_view text) {
    HWND control = controls_.at(id);
    if (HypertextWindow* view = HypertextWindow::of(control)) {
        view->set_content(text);
        return;
    }
    SetWindowTextW(control, engine::to_wide(text).c_str());
}

void Win32Toolkit::start_timer(ControlId id, int period_ms) {
    SetTimer(window_, static_cast<UINT_PTR>(id), static_cast<UINT>(period_ms), nullptr);
}

void Win32Toolkit::stop_timer(ControlId id) {
    KillTimer(window_, static_cast<UINT_PTR>(id));
}

Point Win32Toolkit::pointer_position() const {
    POINT point{};
    GetCursorPos(&point);
    return {point.x, point.y};
}

Size Win32Toolkit::client_size() const {
    RECT rect{};
    GetClientRect(window_, &rect);
    return {rect.right, rect.bottom};
}

Rect Win32Toolkit::window_rect() const {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

Point Win32Toolkit::client_origin() const {
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    return {origin.x, origin.y};
}

int Win32Toolkit::run() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!pre_translate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return 0;
}

void Win32Toolkit::pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            break;
        }
        if (!pre_translate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

bool Win32Toolkit::pre_translate(const MSG& message) {
    if (sink_ == nullptr || window_ == nullptr) {
        return false;
    }
    const ControlId target = control_of(message.hwnd);
    if (target < 0) {
        return false;
    }
    if (message.message == WM_KEYDOWN) {
        KeyPress key{Key::Other, GetKeyState(VK_SHIFT) < 0};
        switch (message.wParam) {
            case VK_ESCAPE:
                key.key = Key::Escape;
                break;
            case VK_TAB:
                key.key = Key::Tab;
                break;
            case VK_RETURN:
                key.key = Key::Enter;
                break;
            case VK_F1:
                key.key = Key::F1;
                break;
            default:
                break;
        }
        return sink_->key_pressed(key);
    }
    if (message.message == WM_LBUTTONDOWN) {
        // Positions inside the control are unsigned 16-bit values.
        const Point at{GET_X_LPARAM(message.lParam) & 0xFFFF,
                       GET_Y_LPARAM(message.lParam) & 0xFFFF};
        const int modifiers = ((message.wParam & MK_CONTROL) ? modifier_ctrl : 0) +
                              ((message.wParam & MK_SHIFT) ? modifier_shift : 0) +
                              (GetKeyState(VK_MENU) < 0 ? modifier_alt : 0);
        return sink_->left_pressed(target, at, modifiers) == PressOutcome::Swallow;
    }
    return false;
}

ControlId Win32Toolkit::control_of(HWND window) const {
    for (; window != nullptr; window = GetParent(window)) {
        if (window == window_) {
            return window_id;
        }
        if (const auto found = ids_.find(window); found != ids_.end()) {
            return found->second;
        }
    }
    return -1;
}

HBRUSH Win32Toolkit::colour_control(HDC dc, HWND control, bool edit) {
    const ControlId id = control_of(control);
    const std::optional<Rgb> colour = id > 0 ? ui::control(id).text_colour : std::nullopt;
    SetTextColor(dc, colour ? RGB(colour->red(), colour->green(), colour->blue()) : RGB(0, 0, 0));
    if (edit) {
        SetBkColor(dc, RGB(255, 255, 255));
        return edit_background_;
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

LRESULT Win32Toolkit::handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(w) == BN_CLICKED && ids_.contains(reinterpret_cast<HWND>(l))) {
                sink_->clicked(static_cast<ControlId>(LOWORD(w)));
            }
            return 0;
        case WM_TIMER:
            if (timer_places_.contains(static_cast<ControlId>(w))) {
                sink_->timer_ticked(static_cast<ControlId>(w));
            }
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return reinterpret_cast<LRESULT>(
                colour_control(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l), false));
        case WM_CTLCOLOREDIT:
            return reinterpret_cast<LRESULT>(
                colour_control(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l), true));
        case WM_DESTROY:
            for (const auto& [id, place] : timer_places_) {
                KillTimer(window_, static_cast<UINT_PTR>(id));
            }
            window_ = nullptr;
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, w, l);
    }
}

LRESULT CALLBACK Win32Toolkit::window_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<Win32Toolkit*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Toolkit*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->window_ != window) {
        return DefWindowProcW(window, message, w, l);
    }
    return self->handle(message, w, l);
}

LRESULT CALLBACK Win32Toolkit::group_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    HWND top = GetAncestor(window, GA_ROOT);
    auto* self = reinterpret_cast<Win32Toolkit*>(GetWindowLongPtrW(top, GWLP_USERDATA));
    switch (message) {
        case WM_COMMAND:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
            return SendMessageW(top, message, w, l);
        default:
            return CallWindowProcW(self->group_procedures_.at(window), window, message, w, l);
    }
}

}  // namespace pixtallo::ui::win32
