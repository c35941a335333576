#include "editor/logic/TilesetCommands.h"

#include "editor/logic/DocumentFiles.h"
#include "model/App.h"
#include "render/MapRender.h"
#include "render/TilesetRender.h"

namespace {

constexpr const char* kOpenFilter = "Tileset (*.prg;*.bmp;*.chr)|*.prg;*.bmp;*.chr";
constexpr const char* kSaveFilter = "Tileset (.prg, .chr, .bmp)|*.prg;*.chr;*.bmp|";
constexpr const char* kTilesUsedFilter = "Tileset (.bmp)|*.bmp|";

}  // namespace

void mnuTilesetNew_Click(App& a) {
  if (!ConfirmedWarning(a, "Are you sure you want to clear the Tileset?")) return;
  // Cleared to Palette(0): a tileset saved now must read back as empty tiles.
  ClearTilePicture(a, a.frm.picTileSelected);
  ClearTilePicture(a, a.frm.picTileData);
  // A bitmap tileset may have left the sheet at another size.
  a.frm.picTileView.resize(512, 128);
  ClearTilePicture(a, a.frm.picTileView);
  a.host->DoEvents();
  TakeEditedTileFromBrush(a);
  LoadTileEditor(a);
  RedrawMap(a);
  UntieAsBlank(a, kTileset, "TILE.Blank.prg");
}

void mnuTilesetLoad_Click(App& a) {
  RunLoadCommand(a, {kTileset, "Load Tileset", kOpenFilter, &a.st.TilesDir, LoadTileset, true,
                     true});
}

SaveResult mnuTilesetSave_Click(App& a) {
  const bool identify = a.st.IdentifyMode;
  const SaveCommand cmd{kTileset, identify ? "Save Tiles Used Image" : "Save Tileset",
                        identify ? kTilesUsedFilter : kSaveFilter, &a.st.TilesDir, SaveTileset};
  return RunSaveCommand(a, cmd, identify);
}

SaveResult mnuTilesetSaveAs_Click(App& a) {
  return RunSaveAsCommand(a, kTileset, mnuTilesetSave_Click);
}

void mnuTILEMRU_Click(App& a, int index) { RunRecentCommand(a, kTileset, index, LoadTileset); }
