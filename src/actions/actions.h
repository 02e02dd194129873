// Every action a control event can run. Each takes the window, the stores and
// the process-entry record that start-up owns. No Windows header here.
#pragma once

#include "actions/ui.h"
#include "stores/stores.h"

namespace actions {

struct ProcessEntryRecord;  // PROCESSENTRY32A, defined on the Windows side

struct ActionContext {
    Ui& ui;
    stores::Stores& stores;
    ProcessEntryRecord* processEntry;
};

using Action = void (*)(ActionContext&);

void DoNothing(ActionContext&);

void SaveSettings(ActionContext&);
void BrowseGame(ActionContext&);
void StartGame(ActionContext&);  // Windows only

void ChooseGunHand(ActionContext&);
void ChooseCrosshairColour(ActionContext&);
void ChooseCrosshairSize(ActionContext&);
void ToggleCrosshairTranslucency(ActionContext&);

void ToggleWindowed(ActionContext&);
void Choose1024x768(ActionContext&);
void Choose800x600(ActionContext&);
void Choose640x480(ActionContext&);

void BrowseInputTool(ActionContext&);
void ToggleInputTool(ActionContext&);  // Windows only

}  // namespace actions
