// Building the window's controls from the control table.
#pragma once

#include <windows.h>

#include <array>

#include "shell/control_table.h"

namespace shell {

class Hyperlink;

using ControlWindows = std::array<HWND, kControlCount>;  // null for file dialogs

struct ControlFonts {
    HFONT nsimsunBold;
    HFONT simsunBold;
};

// Creates the controls from the last row to the first, each first as a child
// of the main window, then moves the group box's and the tab control's
// children into them at the same coordinates, and stacks each parent's
// children in table order (upper rows above). The page "设置路径" starts
// hidden. False when any control could not be created.
bool CreateControls(HWND main, HINSTANCE instance, const ControlFonts& fonts, Hyperlink& link,
                    ControlWindows& out);

// Height of a combo box's list items: one pixel more than a plain list's
// items in the default GUI font.
UINT ComboItemHeight();
// Draws one item of an owner-drawn combo box list in the system's colours.
void DrawComboItem(const DRAWITEMSTRUCT& item);

}  // namespace shell
