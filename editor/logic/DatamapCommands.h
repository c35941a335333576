#pragma once

#include "editor/logic/DocumentCommands.h"

struct App;

void mnuDatamapNew_Click(App& a);
void mnuDatamapLoad_Click(App& a);
SaveResult mnuDatamapSave_Click(App& a);
SaveResult mnuDatamapSaveAs_Click(App& a);
void mnuDatamapExport_Click(App& a);
void mnuDatamapResize_Click(App& a);
void mnuDatamapClear_Click(App& a);
void mnuMWRTMRU_Click(App& a, int index);
