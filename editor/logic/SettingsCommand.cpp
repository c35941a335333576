#include "editor/logic/SettingsCommand.h"

#include "model/App.h"

void mnuSettings_Click(App& a) { a.host->ShowSettingsDialog(); }
