#pragma once

#include "editor/logic/DocumentCommands.h"

struct App;

void mnuTilesetNew_Click(App& a);
void mnuTilesetLoad_Click(App& a);
// In identify mode it saves the tiles-used image, always through the dialog.
SaveResult mnuTilesetSave_Click(App& a);
SaveResult mnuTilesetSaveAs_Click(App& a);
void mnuTILEMRU_Click(App& a, int index);
