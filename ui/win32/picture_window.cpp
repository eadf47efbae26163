#include "ui/win32/picture_window.hpp"

#include "ui/win32/window_class.hpp"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>

namespace pixtallo::ui::win32 {
namespace {

constexpr wchar_t class_name[] = L"PixtalloPicture";

struct Picture {
    IPicture* picture = nullptr;
    HBITMAP bitmap = nullptr;  // owned by `picture`
    SIZE size{0, 0};
};

Picture decode_jpeg(std::span<const std::uint8_t> jpeg) {
    Picture decoded;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, jpeg.size());
    if (memory == nullptr) {
        return decoded;
    }
    std::memcpy(GlobalLock(memory), jpeg.data(), jpeg.size());
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(memory, TRUE, &stream) != S_OK) {
        GlobalFree(memory);
        return decoded;
    }
    if (OleLoadPicture(stream, static_cast<LONG>(jpeg.size()), FALSE, IID_IPicture,
                       reinterpret_cast<void**>(&decoded.picture)) == S_OK) {
        OLE_HANDLE handle = 0;
        decoded.picture->get_Handle(&handle);
        decoded.bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
        BITMAP info{};
        if (GetObjectW(decoded.bitmap, sizeof info, &info) != 0) {
            decoded.size = {info.bmWidth, info.bmHeight};
        }
    }
    stream->Release();  // frees the memory too
    return decoded;
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    auto* picture = reinterpret_cast<Picture*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_NCCREATE: {
            const auto* jpeg = static_cast<const std::span<const std::uint8_t>*>(
                reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(new Picture(decode_jpeg(*jpeg))));
            return DefWindowProcW(window, message, w, l);
        }
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(window, &paint);
            if (picture != nullptr && picture->bitmap != nullptr) {
                HDC source = CreateCompatibleDC(dc);
                const HGDIOBJ old = SelectObject(source, picture->bitmap);
                BitBlt(dc, 0, 0, picture->size.cx, picture->size.cy, source, 0, 0, SRCCOPY);
                SelectObject(source, old);
                DeleteDC(source);
            }
            EndPaint(window, &paint);
            return 0;
        }
        case WM_NCDESTROY:
            if (picture != nullptr) {
                if (picture->picture != nullptr) {
                    picture->picture->Release();
                }
                delete picture;
            }
            return DefWindowProcW(window, message, w, l);
        default:
            return DefWindowProcW(window, message, w, l);
    }
}

}  // namespace

void register_picture_class(HINSTANCE instance) {
    register_window_class(instance, class_name, procedure);
}

HWND create_picture_window(HWND parent, int id, std::span<const std::uint8_t> jpeg) {
    return CreateWindowExW(0, class_name, L"", WS_CHILD, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                           &jpeg);
}

SIZE picture_size(HWND picture_window) {
    const auto* picture =
        reinterpret_cast<const Picture*>(GetWindowLongPtrW(picture_window, GWLP_USERDATA));
    return picture != nullptr ? picture->size : SIZE{0, 0};
}

}  // namespace pixtallo::ui::win32
