#include "editor/logic/FileDrops.h"

#include "editor/logic/DocumentFiles.h"
#include "editor/logic/TileSheet.h"
#include "editor/logic/Zoom.h"
#include "model/App.h"
#include "platform/FileAccess.h"
#include "platform/FileNames.h"
#include "render/MapRender.h"

namespace {

// Only the length tells a colormap from a tileset on the sheet. A file that
// cannot be measured (gone since the drag began) goes to the tileset loader,
// which reports that it cannot read it.
bool isColormapSized(const std::string& path) {
  return RecordedFileSize(path) == uint64_t(258);
}

// A redraw wipes the datatype labels; while the mode is on they are put back.
void redrawOverlay(App& a) {
  if (a.st.DatatypeMode) DrawDatatypeOverlay(a);
}

// The steps that end a drop that loaded everything it carried.
void finishDrop(App& a) {
  RedrawMap(a);
  redrawOverlay(a);
  // A still zoomed copy would go on showing what the map was before the drop.
  if (a.st.Zoom != 100) ApplyZoom(a);
  cmdHome_Click(a);
  a.host->DoEvents();
  // A random fill waiting for its tiles, identify mode and the zoomed view
  // each keep the map closed to the mouse until they end.
  if (a.st.RandomFillStep == 0 && !a.st.IdentifyMode && a.st.Zoom == 100)
    a.frm.picMap.enabled = true;
}

}  // namespace

void picMap_OLEDragDrop(App& a, const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  const std::string& path = paths.front();
  if (IsDirectory(path)) {
    a.prompts->MsgBox("Please load a Datamap file not a directory", vbInformation,
                      "Datamap Load Error");
    return;
  }
  const std::string ext = UpperExt3(path);
  if (ext != "PRG" && ext != "MAP") {
    a.prompts->MsgBox("This is not a Datamap file (*.map;*.prg)", vbCritical,
                      "Datamap Load Error");
    return;
  }
  LoadDatamap(a, path);
  finishDrop(a);
}

void picTileView_OLEDragDrop(App& a, const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  bool loadedAny = false;
  for (const std::string& path : paths) {
    const std::string ext = UpperExt3(path);
    const char* refusal = nullptr;
    int icon = vbCritical;
    if (IsDirectory(path)) {
      refusal = "Please load a Tileset/Colormap file not a directory";
      icon = vbInformation;
    } else if (ext != "PRG" && ext != "BMP" && ext != "CHR") {
      refusal = "This is not a Tileset/Colormap file (*.bmp;*.prg;*.chr)";
    }
    if (refusal) {
      a.prompts->MsgBox(refusal, icon, "Tileset/Colormap Load Error");
      // What the earlier paths loaded stays, and so must the labels over it.
      if (loadedAny) redrawOverlay(a);
      return;
    }
    if (isColormapSized(path))
      LoadColormap(a, path);
    else
      LoadTileset(a, path);
    loadedAny = true;
  }
  ResetTileSelection(a);
  finishDrop(a);
}
