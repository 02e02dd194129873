#include "shell/main_window.h"

#include <commctrl.h>

#include "build_values.h"
#include "resource_ids.h"
#include "shell/banner.h"
#include "shell/control_looks.h"
#include "shell/painted_controls.h"
#include "shell/window_geometry.h"
#include "shell/window_init.h"
#include "shell/window_class.h"
#include "shell/window_title.h"

namespace shell {
namespace {

base::GdiObject BoldFont(const wchar_t* face) {
    return base::GdiObject(CreateFontW(-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, face));
}

base::IconHandle LoadIconSized(HINSTANCE instance, int cx, int cy) {
    return base::IconHandle(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_LAUNCHER), IMAGE_ICON, GetSystemMetrics(cx), GetSystemMetrics(cy), 0)));
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, stores::Stores& stores, actions::ProcessEntryRecord* processEntry)
    : instance_(instance),
      stores_(stores),
      processEntry_(processEntry),
      gameDialog_(FileDialog(Control::通用对话框1)),
      unusedDialog_(FileDialog(Control::通用对话框2)),
      toolDialog_(FileDialog(Control::通用对话框3)) {}

MainWindow::~MainWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool MainWindow::Create() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    const auto buttonFace = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!RegisterWindowClass(instance_, kClassName, WindowProc, 0, buttonFace) || !RegisterPaintedClasses(instance_) ||
        !Hyperlink::Register(instance_))
        return false;
    const Point origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    // Title bar, sizing border, system menu and a minimise box; no maximise box.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    CreateWindowExW(WS_EX_APPWINDOW, kClassName, kWindowTitle, style, origin.x, origin.y, kWindowWidth,
                    kWindowHeight, nullptr, nullptr, instance_, this);
    return hwnd_ != nullptr;
}

void MainWindow::Show() {
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
}

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CREATE:
            return OnCreate();
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return 0;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_MEASUREITEM:
            OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_DRAWITEM:
            DrawComboItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_ACTIVATE:
            OnActivate(wParam);
            return 0;
        case WM_SETFOCUS:
            OnSetFocus();
            return 0;
        case kItemSelected:
            OnItemSelected(wParam);
            return 0;
        default:
            return Default(msg, wParam, lParam);
    }
}

LRESULT MainWindow::OnCreate() {
    nsimsunBold_ = BoldFont(L"新宋体");
    simsunBold_ = BoldFont(L"宋体");
    bigIcon_ = LoadIconSized(instance_, SM_CXICON, SM_CYICON);
    smallIcon_ = LoadIconSized(instance_, SM_CXSMICON, SM_CYSMICON);
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.Get()));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));

    link_ = std::make_unique<Hyperlink>(build_values::kForumUrl, LoadCursorW(instance_, MAKEINTRESOURCEW(IDC_LINK_HAND)));
    const ControlFonts fonts{static_cast<HFONT>(nsimsunBold_.Get()), static_cast<HFONT>(simsunBold_.Get())};
    if (!CreateControls(hwnd_, instance_, fonts, *link_, controls_)) return -1;

    banner_ = LoadBanner(instance_);  // a missing or damaged picture leaves the box empty
    SetPicture(Window(Control::图片框1), static_cast<HBITMAP>(banner_.Get()));

    // The window's created event: fill the controls before it is shown.
    actions::ActionContext context{*this, stores_, processEntry_};
    InitializeWindow(context);
    return 0;
}

void MainWindow::OnDestroy() { PostQuitMessage(0); }

void MainWindow::Raise(Control control, Event event) {
    if (const actions::Action action = ActionFor(control, event)) {
        actions::ActionContext context{*this, stores_, processEntry_};
        action(context);
    }
}

void MainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    const auto control = ControlFromId(LOWORD(wParam));
    if (!control || !lParam || reinterpret_cast<HWND>(lParam) != Window(*control)) return;
    const WORD code = HIWORD(wParam);
    switch (Def(*control).kind) {
        case Kind::Radio:
            // Button controls of some Windows versions also send BN_CLICKED
            // when an unchecked radio merely receives the focus from the
            // keyboard; a real click or Space has checked it by now.
            if (code == BN_CLICKED && Checked(*control)) Raise(*control, Event::Clicked);
            break;
        case Kind::Button:
        case Kind::CheckBox:
            if (code == BN_CLICKED) Raise(*control, Event::Clicked);
            break;
        case Kind::Picture:
            if (code == STN_CLICKED) Raise(*control, Event::LeftButtonDown);
            break;
        case Kind::ComboBox:
            // Run the action after the combo box has finished with this
            // notification, so that it sees the new selection.
            if (code == CBN_SELENDOK) PostMessageW(hwnd_, kItemSelected, IndexOf(*control), 0);
            break;
        case Kind::Edit:
            if (code == EN_CHANGE) Raise(*control, Event::TextChanged);
            break;
        default:
            break;
    }
}

void MainWindow::OnMeasureItem(MEASUREITEMSTRUCT& item) {
    // Only the list's items: the text field of a drop-down keeps its height.
    if (item.CtlType == ODT_COMBOBOX && item.itemID != static_cast<UINT>(-1)) item.itemHeight = ComboItemHeight();
}

void MainWindow::OnItemSelected(WPARAM index) {
    if (index < kControlCount) Raise(Controls()[index].control, Event::ItemSelected);
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
    if (header.hwndFrom != Window(Control::选择夹1)) return 0;
    if (header.code == TCN_SELCHANGE) {
        const auto index = SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0);
        const Page page = index == 1 ? Page::Paths : Page::Options;
        ShowPage(page);
        SetFocus(Window(FirstFocusOf(page)));
    } else if (header.code == NM_CLICK) {
        Raise(Control::选择夹1, Event::Clicked);
    }
    return 0;
}

LRESULT MainWindow::OnCtlColor(HDC dc, HWND control) {
    const Rgb text = control == Window(Control::分组框1) ? kGroupCaption : Rgb{0, 0, 0};
    SetTextColor(dc, ToColorref(text));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void MainWindow::OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) savedFocus_ = focus;
    } else if (!HIWORD(wParam)) {  // not while minimised
        OnSetFocus();
    }
}

void MainWindow::OnSetFocus() {
    // The first time the window gets the focus it goes to the start button,
    // later back to the control that had it.
    const HWND target =
        savedFocus_ && IsWindow(savedFocus_) && IsWindowVisible(savedFocus_) ? savedFocus_ : Window(Control::进入游戏);
    SetFocus(target);
}

void MainWindow::ShowPage(Page page) {
    for (const ControlDef& d : Controls())
        if (d.parent == Parent::Tab && d.page != page) ShowWindow(Window(d.control), SW_HIDE);
    for (const ControlDef& d : Controls())
        if (d.parent == Parent::Tab && d.page == page) ShowWindow(Window(d.control), SW_SHOW);
}

std::optional<Control> MainWindow::FocusedControl() const {
    // The focus may be inside a control, such as a combo box's text field.
    for (HWND h = GetFocus(); h && h != hwnd_; h = GetParent(h))
        for (std::size_t i = 0; i < kControlCount; ++i)
            if (controls_[i] == h) return Controls()[i].control;
    return std::nullopt;
}

void MainWindow::MoveFocus(bool backwards) {
    static const std::vector<Control> cycle = TabCycle();
    const auto current = FocusedControl();
    const auto n = static_cast<int>(cycle.size());
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (current && cycle[i] == *current) at = i;
    if (at < 0) at = backwards ? 0 : n - 1;  // outside the cycle: start from its ends
    for (int step = 1; step <= n; ++step) {
        const Control next = cycle[((at + (backwards ? -step : step)) % n + n) % n];
        const HWND h = Window(next);
        if (IsWindowVisible(h) && IsWindowEnabled(h)) {
            SetFocus(h);
            if (Def(next).kind == Kind::Edit) SendMessageW(h, EM_SETSEL, 0, -1);
            return;
        }
    }
}

bool MainWindow::MoveRadioCheck(bool backwards) {
    const auto current = FocusedControl();
    if (!current || Def(*current).kind != Kind::Radio) return false;
    const auto radios = RadioCycle();
    const auto n = static_cast<int>(radios.size());
    int at = 0;
    for (int i = 0; i < n; ++i)
        if (radios[i] == *current) at = i;
    const Control next = radios[((at + (backwards ? -1 : 1)) % n + n) % n];
    for (const Control r : radios) SetChecked(r, r == next);
    Raise(next, Event::Clicked);
    SetFocus(Window(next));  // already checked, so the focus raises nothing more
    return true;
}

bool MainWindow::PreTranslateKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || !hwnd_ || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))) return false;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool alt = GetKeyState(VK_MENU) < 0;
    switch (msg.wParam) {
        case VK_ESCAPE:
            if (ctrl || shift || alt) return false;
            SendMessageW(hwnd_, WM_CLOSE, 0, 0);
            return true;
        case VK_TAB:
            if (ctrl || alt) return false;
            MoveFocus(shift);
            return true;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            if (ctrl || shift || alt) return false;
            return MoveRadioCheck(msg.wParam == VK_LEFT || msg.wParam == VK_UP);
        default:
            return false;
    }
}

// --- the control operations of actions::Ui ---

std::string MainWindow::Text(Control edit) {
    const HWND h = Window(edit);
    // The ANSI length may overstate the text; the copy reports the truth.
    const int length = GetWindowTextLengthA(h);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(h, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

void MainWindow::SetText(Control edit, std::string_view text) {
    const std::string copy(text);  // the window wants a zero-ended string
    SetWindowTextA(Window(edit), copy.c_str());
}

bool MainWindow::Checked(Control button) { return SendMessageW(Window(button), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void MainWindow::SetChecked(Control button, bool checked) {
    // BM_SETCHECK changes this control alone and sends no BN_CLICKED.
    SendMessageW(Window(button), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int MainWindow::Selection(Control combo) {
    return static_cast<int>(SendMessageW(Window(combo), CB_GETCURSEL, 0, 0));  // CB_ERR is -1
}

FileDialogBox& MainWindow::Dialog(Control dialog) {
    switch (dialog) {
        case Control::通用对话框1:
            return gameDialog_;
        case Control::通用对话框3:
            return toolDialog_;
        default:
            return unusedDialog_;
    }
}

bool MainWindow::OpenFileDialog(Control dialog) { return Dialog(dialog).Open(hwnd_); }
std::string MainWindow::FileName(Control dialog) { return Dialog(dialog).FileName(); }

}  // namespace shell
