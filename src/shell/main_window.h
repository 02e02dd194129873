// The launcher's one window: its controls, their events, the keys it handles
// whatever control has the focus, and the control operations actions use.
#pragma once

#include <windows.h>

#include <memory>

#include "actions/actions.h"
#include "base/win_handles.h"
#include "shell/base_window.h"
#include "shell/control_factory.h"
#include "shell/event_table.h"
#include "shell/file_dialog.h"
#include "shell/hyperlink.h"

namespace shell {

class MainWindow : public BaseWindow<MainWindow>, public actions::Ui {
public:
    MainWindow(HINSTANCE instance, stores::Stores& stores, actions::ProcessEntryRecord* processEntry);
    ~MainWindow();

    // Builds the window hidden with all its controls and runs its created
    // action (the window initialisation). False when it cannot be built.
    bool Create();
    // Shows the window normally and activates it.
    void Show();
    // The window's own key handling, given each key message before it is
    // dispatched; true when the message was used up.
    bool PreTranslateKey(const MSG& msg);

    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    HWND Window(Control c) const { return controls_[IndexOf(c)]; }

    // actions::Ui
    std::string Text(Control edit) override;
    void SetText(Control edit, std::string_view text) override;
    bool Checked(Control button) override;
    void SetChecked(Control button, bool checked) override;
    int Selection(Control combo) override;
    bool OpenFileDialog(Control dialog) override;
    std::string FileName(Control dialog) override;

    static constexpr wchar_t kClassName[] = L"MoyuLauncherWindow";
    static constexpr UINT kItemSelected = WM_APP + 1;  // wParam: control index

private:
    LRESULT OnCreate();
    void OnDestroy();
    void OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnNotify(const NMHDR& header);
    LRESULT OnCtlColor(HDC dc, HWND control);
    void OnActivate(WPARAM wParam);
    void OnSetFocus();
    void OnItemSelected(WPARAM index);
    void OnMeasureItem(MEASUREITEMSTRUCT& item);

    void Raise(Control control, Event event);
    void ShowPage(Page page);
    void MoveFocus(bool backwards);
    bool MoveRadioCheck(bool backwards);
    std::optional<Control> FocusedControl() const;
    FileDialogBox& Dialog(Control dialog);

    HINSTANCE instance_;
    stores::Stores& stores_;
    actions::ProcessEntryRecord* processEntry_;
    ControlWindows controls_{};
    base::GdiObject nsimsunBold_, simsunBold_, banner_;
    base::IconHandle bigIcon_, smallIcon_;
    std::unique_ptr<Hyperlink> link_;
    FileDialogBox gameDialog_, unusedDialog_, toolDialog_;
    HWND savedFocus_ = nullptr;
};

}  // namespace shell
