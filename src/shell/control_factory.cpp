#include "shell/control_factory.h"

#include <commctrl.h>

#include <string>

#include "build_values.h"
#include "shell/control_looks.h"
#include "shell/hyperlink.h"
#include "shell/painted_controls.h"

namespace shell {
namespace {

constexpr int kComboDropHeight = 160;  // the whole drop-down area

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind KindStyle(const ControlDef& d) {
    const Look look = LookOf(d.control);
    switch (d.kind) {
        case Kind::Picture:
            return {kPictureClass, 0, 0};
        case Kind::Label:
            return {kLabelClass, look.frame == Frame::ThinLine ? DWORD{WS_BORDER} : 0,
                    look.frame == Frame::RaisedDouble ? DWORD{WS_EX_DLGMODALFRAME} : 0};
        case Kind::CheckBox:
            return {L"BUTTON", BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER | BS_MULTILINE | WS_TABSTOP, 0};
        case Kind::Radio:
            // No control of the page starts a group, so the three radios form one.
            return {L"BUTTON", BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER | BS_MULTILINE | WS_TABSTOP, 0};
        case Kind::ComboBox:
            // The list draws its own items: only an owner-drawn list lets its
            // items be taller than the font's default (Wine ignores
            // CB_SETITEMHEIGHT on others).
            return {L"COMBOBOX",
                    CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP, 0};
        case Kind::Edit:
            return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP | ((d.style & kMasked) ? DWORD{ES_PASSWORD} : 0),
                    WS_EX_CLIENTEDGE};
        case Kind::Button:
            return {L"BUTTON", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE | WS_TABSTOP, 0};
        case Kind::Tab:
            return {WC_TABCONTROLW, TCS_MULTILINE | WS_CLIPCHILDREN, 0};
        case Kind::Hyperlink:
            return {Hyperlink::kClassName, 0, 0};
        case Kind::GroupBox:
            return {L"BUTTON", BS_GROUPBOX | BS_CENTER, 0};
        case Kind::FileDialog:
            break;
    }
    return {nullptr, 0, 0};
}

std::wstring WideCaption(const ControlDef& d) {
    std::wstring text(d.caption.begin(), d.caption.end());
    if (d.kind == Kind::Hyperlink) text.append(std::begin(build_values::kChatGroup), std::end(build_values::kChatGroup) - 1);
    return text;
}

HFONT FontFor(Control c, const ControlFonts& fonts) {
    switch (LookOf(c).font) {
        case FontFace::NSimSunBold:
            return fonts.nsimsunBold;
        case FontFace::SimSunBold:
            return fonts.simsunBold;
        case FontFace::Default:
            break;
    }
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void FillControl(HWND h, const ControlDef& d) {
    switch (d.kind) {
        case Kind::ComboBox: {
            for (const std::u16string_view item : d.items) {
                const std::wstring w(item.begin(), item.end());
                SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
            }
            // The text field shows the caption while no item is selected.
            const std::wstring caption = WideCaption(d);
            SetWindowTextW(h, caption.c_str());
            break;
        }
        case Kind::Edit:
            SendMessageW(h, EM_SETLIMITTEXT, 0, 0);  // 0: as long as the system allows
            if (d.style & kMasked) SendMessageW(h, EM_SETPASSWORDCHAR, L'*', 0);
            break;
        case Kind::Tab: {
            int index = 0;
            for (const std::u16string_view page : d.items) {
                std::wstring w(page.begin(), page.end());
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = w.data();
                SendMessageW(h, TCM_INSERTITEMW, index++, reinterpret_cast<LPARAM>(&item));
            }
            break;
        }
        default:
            break;
    }
}

HWND ParentWindow(Parent p, HWND main, const ControlWindows& made) {
    switch (p) {
        case Parent::Group:
            return made[IndexOf(Control::分组框1)];
        case Parent::Tab:
            return made[IndexOf(Control::选择夹1)];
        default:
            return main;
    }
}

constexpr UINT_PTR kGroupSubclass = 1;
constexpr UINT_PTR kTabSubclass = 2;

// The group box and the tab control are parents of controls but do not pass
// their notifications on; these go to the main window as if sent to it.
LRESULT CALLBACK ForwardToMain(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR main) {
    switch (msg) {
        case WM_ERASEBKGND:
            // A group box paints only its frame and caption; the main window
            // clips its children, so the group box fills its own background.
            if (id == kGroupSubclass) {
                RECT rc;
                GetClientRect(hwnd, &rc);
                FillRect(reinterpret_cast<HDC>(wParam), &rc, GetSysColorBrush(COLOR_BTNFACE));
                return 1;
            }
            return DefSubclassProc(hwnd, msg, wParam, lParam);
        case WM_COMMAND:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return SendMessageW(reinterpret_cast<HWND>(main), msg, wParam, lParam);
        default:
            return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
}

void Stack(Parent parent, const ControlWindows& made) {
    HWND above = HWND_TOP;
    for (const Control c : StackingOrder(parent)) {
        const HWND h = made[IndexOf(c)];
        if (!h) continue;
        SetWindowPos(h, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = h;
    }
}

}  // namespace

UINT ComboItemHeight() {
    HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return static_cast<UINT>(tm.tmHeight) + 1;
}

void DrawComboItem(const DRAWITEMSTRUCT& item) {
    const bool selected = item.itemState & ODS_SELECTED;
    RECT rc = item.rcItem;
    FillRect(item.hDC, &rc, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID != static_cast<UINT>(-1)) {
        wchar_t text[64] = {};
        const LRESULT length = SendMessageW(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0);
        if (length >= 0 && length < static_cast<LRESULT>(std::size(text)))
            SendMessageW(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text));
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        rc.left += 2;
        DrawTextW(item.hDC, text, -1, &rc, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

bool CreateControls(HWND main, HINSTANCE instance, const ControlFonts& fonts, Hyperlink& link, ControlWindows& out) {
    out.fill(nullptr);
    const auto rows = Controls();
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        const ControlDef& d = *it;
        if (!HasWindow(d.control)) continue;
        const WindowKind k = KindStyle(d);
        const DWORD visible = d.page == Page::Paths ? 0 : WS_VISIBLE;
        const int height = d.kind == Kind::ComboBox ? kComboDropHeight : d.rect.height;
        const std::wstring caption = d.kind == Kind::ComboBox ? std::wstring() : WideCaption(d);
        void* param = d.kind == Kind::Hyperlink ? static_cast<void*>(&link) : nullptr;
        const HWND h = CreateWindowExW(k.exStyle, k.className, caption.c_str(),
                                       WS_CHILD | WS_CLIPSIBLINGS | visible | k.style, d.rect.left, d.rect.top,
                                       d.rect.width, height, main,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(d.control))),
                                       instance, param);
        if (!h) return false;
        out[IndexOf(d.control)] = h;
        SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(d.control, fonts)), FALSE);
        FillControl(h, d);
        // A child keeps its coordinates when moved: they now count from the
        // new parent's corner.
        if (d.parent == Parent::Group || d.parent == Parent::Tab) SetParent(h, ParentWindow(d.parent, main, out));
    }
    const auto mainRef = reinterpret_cast<DWORD_PTR>(main);
    if (!SetWindowSubclass(out[IndexOf(Control::分组框1)], ForwardToMain, kGroupSubclass, mainRef) ||
        !SetWindowSubclass(out[IndexOf(Control::选择夹1)], ForwardToMain, kTabSubclass, mainRef))
        return false;
    Stack(Parent::Window, out);
    Stack(Parent::Group, out);
    Stack(Parent::Tab, out);
    return true;
}

}  // namespace shell
