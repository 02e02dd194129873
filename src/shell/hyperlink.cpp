#include "shell/hyperlink.h"

#include <shellapi.h>

#include <algorithm>

#include "base/win_handles.h"
#include "shell/browser_command.h"
#include "shell/control_looks.h"
#include "shell/window_class.h"

namespace shell {
namespace {

// The default value of HKEY_CLASSES_ROOT\<key> as text; empty when absent.
std::string ClassesRootDefault(const std::string& key) {
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) return {};
    const base::RegKey owned(raw);
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(raw, nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
    if ((type != REG_SZ && type != REG_EXPAND_SZ) || size == 0) return {};
    std::string value(size, '\0');
    if (RegQueryValueExA(raw, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value.data()), &size) !=
        ERROR_SUCCESS)
        return {};
    // The stored text may or may not carry its terminating zero.
    value.resize(std::min<std::size_t>(size, value.find('\0')));
    return value;
}

}  // namespace

bool OpenWebAddress(const std::string& address) {
    const auto shellResult = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOW));
    if (shellResult > 32) return true;
    const std::string pageClass = ClassesRootDefault(".htm");
    if (pageClass.empty()) return false;
    const std::string registered = ClassesRootDefault(pageClass + "\\shell\\open\\command");
    // Without a registered command there is nothing sensible to run.
    if (registered.empty()) return false;
    const std::string command = BrowserCommand(registered, address);
    return WinExec(command.c_str(), SW_SHOW) > 32;
}

bool Hyperlink::Register(HINSTANCE instance) { return RegisterWindowClass(instance, kClassName, WindowProc); }

LRESULT Hyperlink::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam)) InvalidateRect(hwnd_, nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        case WM_SETCURSOR:
            SetCursor(hand_);
            return TRUE;
        case WM_MOUSEMOVE:
            OnMouseMove();
            return 0;
        case WM_MOUSELEAVE:
            OnMouseLeave();
            return 0;
        case WM_LBUTTONDOWN:
            OnLButtonDown();
            return 0;
        default:
            return Default(msg, wParam, lParam);
    }
}

void Hyperlink::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT rc;
    GetClientRect(hwnd_, &rc);
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    wchar_t text[128];
    const int n = GetWindowTextW(hwnd_, text, static_cast<int>(std::size(text)));
    const HGDIOBJ oldFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorref(hover_ ? kLinkHover : visited_ ? kLinkVisited : kLinkNormal));
    DrawTextW(dc, text, n, &rc, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    EndPaint(hwnd_, &ps);
}

void Hyperlink::SetHover(bool hover) {
    if (hover_ == hover) return;
    hover_ = hover;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Hyperlink::TrackLeave() {
    // Ask for WM_MOUSELEAVE so the hover colour ends with the pointer.
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
    TrackMouseEvent(&track);
}

void Hyperlink::OnMouseMove() {
    if (!hover_) TrackLeave();
    SetHover(true);
}

void Hyperlink::OnMouseLeave() { SetHover(false); }

void Hyperlink::OnLButtonDown() {
    visited_ = OpenWebAddress(address_);
    InvalidateRect(hwnd_, nullptr, TRUE);
    // Opening the address can end the leave tracking (the shell may pump
    // messages or track the mouse itself): look where the pointer is now.
    POINT at{};
    RECT mine{};
    GetCursorPos(&at);
    GetWindowRect(hwnd_, &mine);
    if (PtInRect(&mine, at)) {
        TrackLeave();
    } else {
        SetHover(false);
    }
}

}  // namespace shell
