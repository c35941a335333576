#include "editor/logic/FileCommands.h"

#include <algorithm>

#include "editor/logic/DocumentFiles.h"
#include "editor/logic/TileSheet.h"
#include "editor/logic/Zoom.h"
#include "model/App.h"
#include "model/DocumentLabel.h"
#include "model/Formats.h"
#include "model/Palettes.h"
#include "model/RecentFiles.h"
#include "platform/FileAccess.h"
#include "platform/FileNames.h"
#include "platform/ProgramFolder.h"
#include "render/MapRender.h"
#include "render/TilesetRender.h"

namespace {

using Loader = void (*)(App&, const std::string&);
using Saver = bool (*)(App&, const std::string&);

constexpr int kSaveFlags = cdlOFNOverwritePrompt | cdlOFNHideReadOnly;

constexpr const char* kDatamapOpenFilter = "Datamap (*.map;*.prg)|*.map;*.prg";
constexpr const char* kDatatypeFilter = "Datatype (*.prg)|*.prg";
constexpr const char* kTilesetOpenFilter = "Tileset (*.prg;*.bmp;*.chr)|*.prg;*.bmp;*.chr";
constexpr const char* kColormapFilter = "Colormap (*.prg)|*.prg";
constexpr const char* kDatamapSaveFilter = "Datamap (.map, .prg)|*.map;*.prg|";
constexpr const char* kTilesetSaveFilter = "Tileset (.prg, .chr, .bmp)|*.prg;*.chr;*.bmp|";
constexpr const char* kTilesUsedFilter = "Tileset (.bmp)|*.bmp|";

const char* kindName(int kind) {
  switch (kind) {
    case kDatamap: return "Datamap";
    case kDatatype: return "Datatype";
    case kTileset: return "Tileset";
    case kColormap: return "Colormap";
    default: return "Project";
  }
}

void showMissingFile(App& a, const std::string& kind, const std::string& path) {
  a.prompts->MsgBox(kind + " file [" + path + "] does not exist!", vbCritical,
                    kind + " Load Error");
}

// The open dialog lets the user type any name; only an existing file goes on
// to the loader, which would otherwise report an unreadable file in its own words.
std::string askOpen(App& a, const std::string& kind, const std::string* initDir,
                    const char* title, const char* filter) {
  CommonDialog& dlg = a.frm.CommonDialog1;
  dlg.FileName.clear();
  if (initDir) dlg.InitDir = *initDir;
  dlg.DialogTitle = title;
  dlg.Filter = filter;
  dlg.FilterIndex = 1;
  a.prompts->ShowOpen(dlg);
  const std::string chosen = dlg.FileName;
  if (chosen.empty()) return {};
  if (!FileExists(chosen)) {
    showMissingFile(a, kind, chosen);
    return {};
  }
  return chosen;
}

void loadCommand(App& a, int kind, bool clearsCopiedBlock, const std::string* initDir,
                 const char* title, const char* filter, Loader loader, bool goesHome) {
  a.frm.picMap.enabled = false;
  // The copied cells stay valid; only their image goes.
  if (clearsCopiedBlock) a.frm.picMapBuffer.clear();
  const std::string path = askOpen(a, kindName(kind), initDir, title, filter);
  if (path.empty()) {
    a.frm.picMap.enabled = true;
    return;
  }
  loader(a, path);
  if (goesHome) cmdHome_Click(a);
  a.host->DoEvents();
  a.frm.picMap.enabled = true;
}

void setMapSizeLabel(App& a) {
  a.frm.lblMapSize.caption = MapSizeText(a.st.MapWidth, a.st.MapHeight);
}

struct SaveCommand {
  int kind;
  const char* title;
  const char* filter;
  const std::string* initDir;  // nullptr: the dialog keeps its folder
  Saver writer;
};

SaveResult saveCommand(App& a, const SaveCommand& cmd, bool alwaysAsk) {
  DocIdentity id = Identity(a.st, cmd.kind);
  // A tied document with no path would otherwise be written to "".
  const bool ask = alwaysAsk || !id.hasFile || id.path.empty();
  std::string path = id.path;
  if (ask) {
    CommonDialog& dlg = a.frm.CommonDialog1;
    dlg.FileName.clear();
    dlg.DialogTitle = cmd.title;
    dlg.Filter = cmd.filter;
    if (cmd.initDir) dlg.InitDir = *cmd.initDir;
    dlg.Flags = kSaveFlags;
    a.prompts->ShowSave(dlg);
    if (dlg.FileName.empty()) return SaveResult::Cancelled;
    path = dlg.FileName;
  }
  // The identity follows the file only once it has really been written.
  if (!cmd.writer(a, path)) return SaveResult::Failed;
  if (ask) {
    id.name = FileNameOf(path);
    id.path = path;
    AddMRU(a, cmd.kind, path);
  }
  id.hasFile = true;
  if (cmd.kind == kDatamap) setMapSizeLabel(a);
  SetMemberLabel(DocumentLabel(a.frm, cmd.kind), id.name, id.path);
  return SaveResult::Saved;
}

// Untie, then save: a cancelled dialog leaves the document untied so that the
// next Save asks again, while a failed write must not lose the tie it had.
SaveResult saveAsCommand(App& a, int kind, SaveResult (*save)(App&)) {
  bool& hasFile = Identity(a.st, kind).hasFile;
  const bool was = hasFile;
  hasFile = false;
  const SaveResult r = save(a);
  if (r == SaveResult::Failed) hasFile = was;
  return r;
}

void recentCommand(App& a, int kind, int index, Loader loader) {
  if (index < 0 || index > 4) return;
  // A copy: the loader moves the entry to the top of this very list.
  const std::string entry = Identity(a.st, kind).mru[size_t(index)];
  if (FileExists(entry))
    loader(a, entry);
  else
    showMissingFile(a, kindName(kind), entry);
}

bool confirmed(App& a, const std::string& text) {
  a.st.MsgResult = int16_t(a.prompts->MsgBox(text, vbYesNo, "WARNING!!"));
  return a.st.MsgResult == vbYes;
}

// A New leaves the label showing the previous file until the next load or save.
void untieAsBlank(App& a, int kind, const std::string& name) {
  DocIdentity id = Identity(a.st, kind);
  id.hasFile = false;
  id.name = name;
  id.path = AppPath() + "/" + name;
}

bool askMapSize(App& a) {
  // A host that shows no dialog must not leave an earlier OK standing.
  a.st.MsgResult = vbCancel;
  a.host->ShowMapSizeDialog();
  return a.st.MsgResult == 1;
}

void sizeMapPicture(App& a) {
  a.frm.picMap.resize(std::max<int>(a.st.MapWidth, 1) * 16,
                      std::max<int>(a.st.MapHeight, 1) * 16);
  setMapSizeLabel(a);
}

}  // namespace

// ---- Datamap

void mnuDatamapNew_Click(App& a) {
  if (!askMapSize(a)) return;
  a.st.Datamap.fill(0);
  sizeMapPicture(a);
  untieAsBlank(a, kDatamap, "MWRT.Blank.prg");
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
  if (!confirmed(a, "Are you sure you want to clear the Datamap?")) return;
  a.st.Datamap.fill(0);
  RedrawMap(a);
  cmdHome_Click(a);
}

void mnuDatamapLoad_Click(App& a) {
  loadCommand(a, kDatamap, false, &a.st.MapsDir, "Load Datamap", kDatamapOpenFilter,
              LoadDatamap, false);
}

SaveResult mnuDatamapSave_Click(App& a) {
  return saveCommand(a, {kDatamap, "Save Datamap", kDatamapSaveFilter, &a.st.MapsDir,
                         SaveDatamap},
                     false);
}

SaveResult mnuDatamapSaveAs_Click(App& a) {
  return saveAsCommand(a, kDatamap, mnuDatamapSave_Click);
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

void mnuMWRTMRU_Click(App& a, int index) { recentCommand(a, kDatamap, index, LoadDatamap); }

// ---- Datatype

void mnuDatatypeNew_Click(App& a) {
  if (!confirmed(a, "Are you sure you want to clear the Datatype?")) return;
  a.st.DatatypeMap.fill(0);
  untieAsBlank(a, kDatatype, "TYPE.Blank.prg");
}

void mnuDatatypeLoad_Click(App& a) {
  loadCommand(a, kDatatype, true, nullptr, "Load Datatype", kDatatypeFilter, LoadDatatype,
              false);
}

SaveResult mnuDatatypeSave_Click(App& a) {
  return saveCommand(a, {kDatatype, "Save Datatype", kDatatypeFilter, nullptr, SaveDatatype},
                     false);
}

SaveResult mnuDatatypeSaveAs_Click(App& a) {
  return saveAsCommand(a, kDatatype, mnuDatatypeSave_Click);
}

void mnuDatatypeExport_Click(App& a) {
  CommonDialog& dlg = a.frm.CommonDialog1;
  dlg.FileName.clear();
  dlg.DialogTitle = "Export Datatype";
  dlg.Filter = kDatatypeFilter;
  dlg.Flags = kSaveFlags;
  a.prompts->ShowSave(dlg);
  const std::string path = dlg.FileName;
  if (path.empty()) return;
  // The layer's identity and recent list belong to its own file, not the export.
  ExportDatatype(a, path);
}

void mnuTYPEMRU_Click(App& a, int index) { recentCommand(a, kDatatype, index, LoadDatatype); }

// ---- Tileset

void mnuTilesetNew_Click(App& a) {
  if (!confirmed(a, "Are you sure you want to clear the Tileset?")) return;
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
  untieAsBlank(a, kTileset, "TILE.Blank.prg");
}

void mnuTilesetLoad_Click(App& a) {
  loadCommand(a, kTileset, true, &a.st.TilesDir, "Load Tileset", kTilesetOpenFilter,
              LoadTileset, true);
}

SaveResult mnuTilesetSave_Click(App& a) {
  const bool identify = a.st.IdentifyMode;
  const SaveCommand cmd{kTileset, identify ? "Save Tiles Used Image" : "Save Tileset",
                      identify ? kTilesUsedFilter : kTilesetSaveFilter, &a.st.TilesDir,
                      SaveTileset};
  return saveCommand(a, cmd, identify);
}

SaveResult mnuTilesetSaveAs_Click(App& a) {
  return saveAsCommand(a, kTileset, mnuTilesetSave_Click);
}

void mnuTILEMRU_Click(App& a, int index) { recentCommand(a, kTileset, index, LoadTileset); }

// ---- Colormap

void mnuCMapNew_Click(App& a) {
  if (!confirmed(a, "Are you sure you want to clear the Colormap?")) return;
  a.st.Colormap.fill(0x01);
  a.st.Colormap[0] = 0x3D;
  a.st.Colormap[1] = 0x32;
  RenderTileset(a);
  TakeEditedTileFromBrush(a);
  LoadTileEditor(a);
  RedrawMap(a);
  untieAsBlank(a, kColormap, "CMAP.Blank.prg");
}

void mnuCMapLoad_Click(App& a) {
  loadCommand(a, kColormap, true, nullptr, "Load Colormap", kColormapFilter, LoadColormap,
              true);
}

SaveResult mnuCMapSave_Click(App& a) {
  return saveCommand(a, {kColormap, "Save Colormap", kColormapFilter, nullptr, SaveColormap},
                     false);
}

SaveResult mnuCMapSaveAs_Click(App& a) { return saveAsCommand(a, kColormap, mnuCMapSave_Click); }

void mnuCMAPMRU_Click(App& a, int index) { recentCommand(a, kColormap, index, LoadColormap); }

// ---- Palette

void mnuLoadPalette_Click(App& a) {
  a.frm.picMap.enabled = false;
  const std::string programFolder = AppPath();
  const std::string path = askOpen(a, "Palette", &programFolder, "Load Palette",
                                   "Palette (*.ini;*.vpl)|*.ini;*.vpl");
  if (path.empty()) {
    a.frm.picMap.enabled = true;
    return;
  }
  const std::string ext = UpperExt3(path);
  if (ext == "INI")
    LoadPaletteINI(a, path);
  else if (ext == "VPL")
    LoadPaletteVPL(a, path);
  RenderTileset(a);
  RedrawMap(a);
  ResetTileSelection(a);
  a.host->DoEvents();
  a.frm.picMap.enabled = true;
}

// ---- Label pop-ups

void lblMapName_MouseUp(App& a) { a.host->ShowPopupMenu("mnuDatamap"); }
void lblTYPEName_Click(App& a) { a.host->ShowPopupMenu("mnuDatatype"); }
void lblTileName_MouseUp(App& a) { a.host->ShowPopupMenu("mnuTileset"); }
void lblCMAPName_MouseUp(App& a) { a.host->ShowPopupMenu("mnuCMap"); }
void lblProject_Click(App& a) { a.host->ShowPopupMenu("mnuProject"); }
