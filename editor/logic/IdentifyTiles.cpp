#include "editor/logic/IdentifyTiles.h"

#include "editor/logic/MenuState.h"
#include "model/App.h"

namespace {

constexpr int kCell = 16;
constexpr int kSheetCols = 32;

void setLocked(App& a, bool locked) {
  MainForm& f = a.frm;
  f.picMap.enabled = !locked;
  f.Frame1.enabled = !locked;
  f.Frame3.enabled = !locked;
  f.Frame4.enabled = !locked;
}

void showMarker(App& a, int t) {
  Shape& marker = a.frm.shpTilesUsed[size_t(t)];
  marker.left = kCell * (t % kSheetCols);
  marker.top = kCell * (t / kSheetCols);
  marker.borderColor = a.st.SelectColor;
  marker.visible = true;
  a.frm.shpTilesUsedExists[size_t(t)] = true;
}

}  // namespace

void mnuIdentify_Click(App& a) {
  ProgramState& st = a.st;
  MainForm& f = a.frm;
  st.IdentifyMode = !st.IdentifyMode;
  if (st.IdentifyMode) {
    SetMenuState(a, 6);
    setLocked(a, true);
    f.menu("mnuTilesetSave").caption = "Save Tiles Used Image";
    // The whole array, not only the used part: a map made smaller by Resize
    // still holds its old tiles, and a later Resize can bring them back.
    st.TileUsed.fill(false);
    for (uint8_t t : st.Datamap) st.TileUsed[t] = true;
    for (int t = 0; t < 256; ++t)
      if (st.TileUsed[size_t(t)]) showMarker(a, t);
  } else {
    setLocked(a, false);
    f.menu("mnuTilesetSave").caption = "Save Tileset";
    SetMenuState(a, 7);
    for (int t = 1; t < 256; ++t) f.shpTilesUsedExists[size_t(t)] = false;
    f.shpTilesUsed[0].visible = false;
  }
}
