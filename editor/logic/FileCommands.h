#pragma once

struct App;

// What a Save or Save As command came to: the exit question and the project
// save act on it (a failed save must not close the window over unsaved work).
enum class SaveResult { Saved, Cancelled, Failed };

void mnuDatamapNew_Click(App& a);
void mnuDatamapLoad_Click(App& a);
SaveResult mnuDatamapSave_Click(App& a);
SaveResult mnuDatamapSaveAs_Click(App& a);
void mnuDatamapExport_Click(App& a);
void mnuDatamapResize_Click(App& a);
void mnuDatamapClear_Click(App& a);
void mnuMWRTMRU_Click(App& a, int index);

void mnuDatatypeNew_Click(App& a);
void mnuDatatypeLoad_Click(App& a);
SaveResult mnuDatatypeSave_Click(App& a);
SaveResult mnuDatatypeSaveAs_Click(App& a);
void mnuDatatypeExport_Click(App& a);
void mnuTYPEMRU_Click(App& a, int index);

void mnuTilesetNew_Click(App& a);
void mnuTilesetLoad_Click(App& a);
SaveResult mnuTilesetSave_Click(App& a);
SaveResult mnuTilesetSaveAs_Click(App& a);
void mnuTILEMRU_Click(App& a, int index);

void mnuCMapNew_Click(App& a);
void mnuCMapLoad_Click(App& a);
SaveResult mnuCMapSave_Click(App& a);
SaveResult mnuCMapSaveAs_Click(App& a);
void mnuCMAPMRU_Click(App& a, int index);

void mnuLoadPalette_Click(App& a);

void lblMapName_MouseUp(App& a);
void lblTYPEName_Click(App& a);
void lblTileName_MouseUp(App& a);
void lblCMAPName_MouseUp(App& a);
void lblProject_Click(App& a);
