// A window class in the shape of the classic BaseWindow<T>: a static thunk
// finds the C++ object and hands each message to its HandleMessage.
#pragma once

#include <windows.h>

namespace shell {

template <typename Derived>
class BaseWindow {
public:
    HWND Hwnd() const { return hwnd_; }

protected:
    BaseWindow() = default;
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;
    ~BaseWindow() = default;

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        Derived* self = nullptr;
        if (msg == WM_NCCREATE) {
            // The object arrives with the first message; keep it with the window.
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            self = static_cast<Derived*>(create->lpCreateParams);
            self->hwnd_ = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        }
        // Messages sent before WM_NCCREATE (WM_GETMINMAXINFO) have no object yet.
        if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
        const LRESULT result = self->HandleMessage(msg, wParam, lParam);
        if (msg == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return result;
    }

    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam) { return DefWindowProcW(hwnd_, msg, wParam, lParam); }

    HWND hwnd_ = nullptr;
};

}  // namespace shell
