#pragma once

#include "editor/logic/DocumentCommands.h"

struct App;

void mnuDatatypeNew_Click(App& a);
void mnuDatatypeLoad_Click(App& a);
SaveResult mnuDatatypeSave_Click(App& a);
SaveResult mnuDatatypeSaveAs_Click(App& a);
void mnuDatatypeExport_Click(App& a);
void mnuTYPEMRU_Click(App& a, int index);
