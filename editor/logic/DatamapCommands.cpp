#include "editor/logic/DatamapCommands.h"

#include <algorithm>

#include "editor/logic/DocumentFiles.h"
#include "editor/logic/Zoom.h"
#include "model/App.h"
#include "model/DocumentLabel.h"
#include "model/Formats.h"
#include "platform/FileAccess.h"
#include "render/MapRender.h"

namespace {

constexpr const char* kOpenFilter = "Datamap (*.map;*.prg)|*.map;*.prg";
constexpr const char* kSaveFilter = "Datamap (.map, .prg)|*.map;*.prg|";

bool askMapSize(App& a) {
  // A host that shows no dialog must not leave an earlier OK standing.
  a.st.MsgResult = vbCancel;
  a.host->ShowMapSizeDialog();
  return a.st.MsgResult == 1;
}

void sizeMapPicture(App& a) {
  a.frm.picMap.resize(std::max<int>(a.st.MapWidth, 1) * 16,
                      std::max<int>(a.st.MapHeight, 1) * 16);
  a.frm.lblMapSize.caption = MapSizeText(a.st.MapWidth, a.st.MapHeight);
}

}  // namespace

void mnuDatamapNew_Click(App& a) {
  if (!askMapSize(a)) return;
  a.st.Datamap.fill(0);
  sizeMapPicture(a);
  UntieAsBlank(a, kDatamap, "MWRT.Blank.prg");
  RedrawMap(a);
  cmdHome_Click(a);
}

void mnuDatamapResize_Click(App& a) {
  if (!askMapSize(a)) return;
  sizeMapPicture(a);
  RedrawMap(a);
  cmdHome_Click(a);
}

void mnuDatamapClear_Click(App& a) {
  if (!ConfirmedWarning(a, "Are you sure you want to clear the Datamap?")) return;
  a.st.Datamap.fill(0);
  RedrawMap(a);
  cmdHome_Click(a);
}

void mnuDatamapLoad_Click(App& a) {
  RunLoadCommand(a, {kDatamap, "Load Datamap", kOpenFilter, &a.st.MapsDir, LoadDatamap, false,
                     false});
}

SaveResult mnuDatamapSave_Click(App& a) {
  return RunSaveCommand(a, {kDatamap, "Save Datamap", kSaveFilter, &a.st.MapsDir, SaveDatamap});
}

SaveResult mnuDatamapSaveAs_Click(App& a) {
  return RunSaveAsCommand(a, kDatamap, mnuDatamapSave_Click);
}

void mnuDatamapExport_Click(App& a) {
  ProgramState& st = a.st;
  const int w = std::max<int>(st.MapWidth, 0), h = std::max<int>(st.MapHeight, 0);
  st.ExportHeaderLo = 0;
  st.MapWidthByte = uint8_t(st.MapWidth - 1);
  st.MapHeightByte = uint8_t(st.MapHeight - 1);
  st.ExportMap.assign(size_t(w) * size_t(h), 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) st.ExportMap[size_t(x + w * y)] = st.DatamapAt(x, y);

  CommonDialog& dlg = a.frm.CommonDialog1;
  dlg.FileName.clear();
  dlg.DialogTitle = "Export Datamap";
  dlg.Filter = "Datamap Files (.map, .prg)|*.map;*.prg|";
  a.prompts->ShowSave(dlg);
  const std::string path = dlg.FileName;
  if (path.empty()) return;
  // Replaced whole, so an older longer file leaves nothing behind, and a
  // failed write leaves the old file as it was.
  if (!writeWholeFile(path, encodeDatamapExport(st.Datamap, w, h)))
    a.prompts->MsgBox("Cannot write Datamap file (" + path + ")!", vbCritical,
                      "Datamap Save Error");
}

void mnuMWRTMRU_Click(App& a, int index) { RunRecentCommand(a, kDatamap, index, LoadDatamap); }
