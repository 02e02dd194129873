// What an action may do with the window: read and write an edit box's text,
// a check box's or radio's checked state, read a combo box's selection, and
// open a file dialog and read its file name. Texts are 8-bit ANSI bytes.
// Writes made here raise no clicked or item-selected event.
// No Windows header here.
#pragma once

#include <string>
#include <string_view>

#include "shell/control_table.h"

namespace actions {

class Ui {
public:
    virtual ~Ui() = default;
    virtual std::string Text(shell::Control edit) = 0;
    virtual void SetText(shell::Control edit, std::string_view text) = 0;
    virtual bool Checked(shell::Control button) = 0;
    virtual void SetChecked(shell::Control button, bool checked) = 0;
    // Index of the selected list item from 0, or -1 for none.
    virtual int Selection(shell::Control combo) = 0;
    // True when the player confirmed a file; the file name then is its full path.
    virtual bool OpenFileDialog(shell::Control dialog) = 0;
    virtual std::string FileName(shell::Control dialog) = 0;
};

}  // namespace actions
