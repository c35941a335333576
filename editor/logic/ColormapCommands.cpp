#include "editor/logic/ColormapCommands.h"

#include "editor/logic/DocumentFiles.h"
#include "model/App.h"
#include "render/MapRender.h"
#include "render/TilesetRender.h"

namespace {

constexpr const char* kFilter = "Colormap (*.prg)|*.prg";

}  // namespace

void mnuCMapNew_Click(App& a) {
  if (!ConfirmedWarning(a, "Are you sure you want to clear the Colormap?")) return;
  a.st.Colormap.fill(0x01);
  a.st.Colormap[0] = 0x3D;
  a.st.Colormap[1] = 0x32;
  RenderTileset(a);
  TakeEditedTileFromBrush(a);
  LoadTileEditor(a);
  RedrawMap(a);
  UntieAsBlank(a, kColormap, "CMAP.Blank.prg");
}

void mnuCMapLoad_Click(App& a) {
  RunLoadCommand(a, {kColormap, "Load Colormap", kFilter, nullptr, LoadColormap, true, true});
}

SaveResult mnuCMapSave_Click(App& a) {
  return RunSaveCommand(a, {kColormap, "Save Colormap", kFilter, nullptr, SaveColormap});
}

SaveResult mnuCMapSaveAs_Click(App& a) { return RunSaveAsCommand(a, kColormap, mnuCMapSave_Click); }

void mnuCMAPMRU_Click(App& a, int index) { RunRecentCommand(a, kColormap, index, LoadColormap); }
