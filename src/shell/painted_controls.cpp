#include "shell/painted_controls.h"

#include "shell/control_looks.h"
#include "shell/window_class.h"

namespace shell {
namespace {

constexpr int kFontSlot = 0;    // window extra bytes: the font set by WM_SETFONT
constexpr int kBitmapSlot = 0;  // picture box: the bitmap it shows

void PaintLabel(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));

    const auto control = ControlFromId(GetDlgCtrlID(hwnd));
    const Look look = control ? LookOf(*control) : Look{};
    wchar_t text[256];
    const int n = GetWindowTextW(hwnd, text, static_cast<int>(std::size(text)));

    const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(GetWindowLongPtrW(hwnd, kFontSlot)));
    SetBkMode(dc, TRANSPARENT);
    const UINT format =
        DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (look.align == Align::Centre ? DT_CENTER : DT_LEFT);
    if (look.raisedText) {
        SetTextColor(dc, RGB(255, 255, 255));
        DrawTextW(dc, text, n, &rc, format);
        OffsetRect(&rc, 1, 1);
    }
    SetTextColor(dc, ToColorref(look.text));
    DrawTextW(dc, text, n, &rc, format);
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK LabelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT:
            PaintLabel(hwnd);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT fills the whole client area
        case WM_SETFONT:
            SetWindowLongPtrW(hwnd, kFontSlot, static_cast<LONG_PTR>(wParam));
            if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return GetWindowLongPtrW(hwnd, kFontSlot);
        case WM_SETTEXT: {
            const LRESULT r = DefWindowProcW(hwnd, msg, wParam, lParam);
            InvalidateRect(hwnd, nullptr, TRUE);
            return r;
        }
        case WM_NCHITTEST:
            return HTTRANSPARENT;  // a label is never a target of the mouse
        default:
            return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

LRESULT CALLBACK PictureProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT rc;
            GetClientRect(hwnd, &rc);
            FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
            if (const auto bitmap = reinterpret_cast<HBITMAP>(GetWindowLongPtrW(hwnd, kBitmapSlot))) {
                BITMAP info{};
                GetObjectW(bitmap, sizeof info, &info);
                HDC source = CreateCompatibleDC(dc);
                const HGDIOBJ old = SelectObject(source, bitmap);
                BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
                SelectObject(source, old);
                DeleteDC(source);
            }
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN:
            SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), STN_CLICKED),
                         reinterpret_cast<LPARAM>(hwnd));
            return 0;
        default:
            return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}


}  // namespace

bool RegisterPaintedClasses(HINSTANCE instance) {
    // One pointer-sized slot: the label's font, the picture box's bitmap.
    return RegisterWindowClass(instance, kLabelClass, LabelProc, sizeof(LONG_PTR)) &&
           RegisterWindowClass(instance, kPictureClass, PictureProc, sizeof(LONG_PTR));
}

void SetPicture(HWND pictureBox, HBITMAP bitmap) {
    SetWindowLongPtrW(pictureBox, kBitmapSlot, reinterpret_cast<LONG_PTR>(bitmap));
    InvalidateRect(pictureBox, nullptr, TRUE);
}

}  // namespace shell
