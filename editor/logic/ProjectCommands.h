#pragma once

#include "editor/logic/DocumentCommands.h"

struct App;

void mnuProjectNew_Click(App& a);
void mnuProjectLoad_Click(App& a);
SaveResult mnuProjectSave_Click(App& a);
SaveResult mnuProjectSaveAs_Click(App& a);
void mnuMWJMRU_Click(App& a, int index);
