#pragma once

#include "editor/logic/DocumentCommands.h"

struct App;

void mnuCMapNew_Click(App& a);
void mnuCMapLoad_Click(App& a);
SaveResult mnuCMapSave_Click(App& a);
SaveResult mnuCMapSaveAs_Click(App& a);
void mnuCMAPMRU_Click(App& a, int index);
