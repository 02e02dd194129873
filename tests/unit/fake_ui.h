// A window stand-in for action tests: control states in maps, file dialogs
// that answer as scripted.
#pragma once

#include <map>
#include <string>

#include "actions/ui.h"

namespace testing_support {

class FakeUi : public actions::Ui {
public:
    std::map<shell::Control, std::string> texts;
    std::map<shell::Control, bool> checked;
    std::map<shell::Control, int> selections;
    std::map<shell::Control, std::string> fileNames;  // each dialog's file-name property
    std::string nextChoice;  // the file a dialog confirms; empty: the player cancels
    int dialogsOpened = 0;

    std::string Text(shell::Control c) override { return texts[c]; }
    void SetText(shell::Control c, std::string_view t) override { texts[c] = std::string(t); }
    bool Checked(shell::Control c) override { return checked[c]; }
    void SetChecked(shell::Control c, bool v) override { checked[c] = v; }
    int Selection(shell::Control c) override { return selections.count(c) ? selections[c] : -1; }
    bool OpenFileDialog(shell::Control dialog) override {
        ++dialogsOpened;
        if (nextChoice.empty()) return false;
        fileNames[dialog] = nextChoice;
        return true;
    }
    std::string FileName(shell::Control dialog) override { return fileNames[dialog]; }
};

}  // namespace testing_support
