#include "editor/logic/TilesetCommands.h"

#include "editor/logic/DocumentFiles.h"
#include "model/App.h"
#include "platform/FileNames.h"
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
  if (!a.st.IdentifyMode)
    return RunSaveCommand(a, {kTileset, "Save Tileset", kSaveFilter, &a.st.TilesDir, SaveTileset});
  const SaveCommand cmd{kTileset, "Save Tiles Used Image", kTilesUsedFilter, &a.st.TilesDir,
                        SaveTileset};
  const std::string path = AskForFileToSave(a, cmd);
  if (path.empty()) return SaveResult::Cancelled;
  // The marked sheet is a picture of the tileset, not the tileset: the tileset
  // stays tied to its own file. A .prg or .chr name saves the tileset itself.
  if (UpperExt3(path) != "BMP") return SaveToChosenFile(a, cmd, path);
  return ExportTilesUsedImage(a, path) ? SaveResult::Saved : SaveResult::Failed;
}

SaveResult mnuTilesetSaveAs_Click(App& a) {
  return RunSaveAsCommand(a, kTileset, mnuTilesetSave_Click);
}

void mnuTILEMRU_Click(App& a, int index) { RunRecentCommand(a, kTileset, index, LoadTileset); }
