// The forum link: one centred line of text, a pointing hand over it, the
// hover colour while the pointer is over it and the visited colour after a
// press that opened the address.
#pragma once

#include <windows.h>

#include <string>

#include "shell/base_window.h"

namespace shell {

class Hyperlink : public BaseWindow<Hyperlink> {
public:
    static bool Register(HINSTANCE instance);
    static constexpr wchar_t kClassName[] = L"MoyuHyperlink";

    Hyperlink(std::string address, HCURSOR hand) : address_(std::move(address)), hand_(hand) {}
    // Create with CreateWindowExW(kClassName, ..., this) so the thunk finds it.

    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    friend class BaseWindow<Hyperlink>;

    void OnPaint();
    void OnMouseMove();
    void OnMouseLeave();
    void OnLButtonDown();
    void SetHover(bool hover);
    void TrackLeave();

    std::string address_;
    HCURSOR hand_;
    HFONT font_ = nullptr;
    bool hover_ = false;
    bool visited_ = false;
};

// Opens the address with the shell's "open" verb; when the shell reports
// failure, with the browser registered for .htm pages. True when the last
// call reported success (a result above 32).
bool OpenWebAddress(const std::string& address);

}  // namespace shell
