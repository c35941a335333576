#include "editor/logic/MainWindowLogic.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>
#include <initializer_list>

#include "editor/logic/DocumentFiles.h"
#include "editor/logic/FileCommands.h"
#include "editor/logic/ProjectFile.h"
#include "editor/logic/TileSheet.h"
#include "model/App.h"
#include "model/DocumentLabel.h"
#include "model/Formats.h"
#include "model/Settings.h"
#include "platform/FileAccess.h"
#include "platform/NumericText.h"
#include "platform/FileNames.h"
#include "platform/ProgramFolder.h"
#include "render/TilesetRender.h"

namespace {

std::string versionText() {
  return "Mosaicwright v" + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
}

// The project the command line names, or "". The shell has already removed
// any quotes, so the text is the path itself; a pair of enclosing quotes that
// survived (a quoted argument passed through a launcher) is dropped.
std::string projectFromCommandLine(const std::string& commandLine) {
  std::string arg = commandLine;
  if (arg.size() >= 2 && arg.front() == '"' && arg.back() == '"') arg = arg.substr(1, arg.size() - 2);
  if (arg.size() <= 1) return {};
  if (UpperExt3(arg) != "MWJ") return {};
  // Document paths are kept whole: a relative argument is taken from the
  // folder the program was started in.
  const QString q = QString::fromStdString(arg);
  if (QFileInfo(q).isRelative()) return QDir::current().absoluteFilePath(q).toStdString();
  return arg;
}

void setEnabled(App& a, std::initializer_list<const char*> names, bool enabled) {
  for (const char* n : names) a.frm.menu(n).enabled = enabled;
}

void restorePlacement(App& a) {
  const ProgramState& st = a.st;
  WindowPlacement p;
  // A state the window cannot take (a hand-edited settings file) restores as
  // a normal window rather than leaving the placement half applied.
  p.state = (st.WindowState == 1 || st.WindowState == 2) ? st.WindowState : 0;
  p.top = st.WindowTop;
  p.left = st.WindowLeft;
  p.width = st.WindowWidth;
  p.height = st.WindowHeight;
  a.host->ApplyPlacement(p, p.state == 0);
}

}  // namespace

void Form_Load(App& a, const std::string& commandLine) {
  ProgramState& st = a.st;
  MainForm& f = a.frm;

  f.caption = versionText() + " [" + kBuildStamp + "]";

  st.DatatypeMode = false;
  st.IdentifyMode = false;
  st.Zoom = 100;
  st.Selecting = false;
  st.MapBufferValid = false;
  st.RandomFillStep = 0;
  st.UndoLevel = 0;
  st.MapWidthByte = 255;
  st.MapHeightByte = 127;
  st.MapWidth = 256;
  st.MapHeight = 128;

  f.lblMapSize.caption = MapSizeText(st.MapWidth, st.MapHeight);
  f.statusPanel[0] = "X = 1";
  f.statusPanel[1] = "Y = 1";

  st.HoverPreview = false;
  for (Picture* hover : {&f.picMapBufferHover, &f.picTileSelectedHover}) {
    hover->visible = false;
    hover->enabled = false;
  }
  f.picZoom.visible = false;
  for (Shape& marker : f.shpTilesUsed) marker.visible = false;

  st.ProjectHasFile = st.DatamapHasFile = st.DatatypeHasFile = st.TilesetHasFile =
      st.ColormapHasFile = false;
  st.ProjectName = "Blank";
  for (int kind : {kDatamap, kDatatype, kTileset, kColormap}) {
    DocIdentity id = Identity(st, kind);
    id.name = std::string(DocTag(kind)) + "." + st.ProjectName + ".PRG";
    id.path = AppPath() + "/" + id.name;
    SetMemberLabel(DocumentLabel(f, kind), id.name, id.path);
  }
  st.ProjectName += ".mwj";
  st.ProjectPath = AppPath() + "/" + st.ProjectName;
  SetProjectLabel(f.lblProject, st.ProjectName, st.ProjectPath);

  st.Colormap[0] = 0x3D;
  st.Colormap[1] = 0x32;
  st.DatatypeMap.fill(0);
  std::fill(st.Colormap.begin() + 2, st.Colormap.end(), uint8_t(1));

  LoadSettings(a);
  f.shpTileSelected.borderColor = st.SelectColor;
  // The tile pictures start in the palette's background colour, so that an
  // untouched tileset reads back as empty tiles whatever Palette(0) is.
  RenderTileset(a);

  std::string project = projectFromCommandLine(commandLine);
  if (project.empty()) project = st.StartupProject;

  if (!project.empty()) {
    LoadProject(a, project);
  } else {
    st.StartupError.clear();
    if (!st.StartupTileset.empty()) {
      if (FileExists(st.StartupTileset))
        LoadTileset(a, st.StartupTileset);
      else
        st.StartupError = "Default Tileset file (" + st.StartupTileset + ") NOT FOUND!";
    }
    if (!st.StartupDatamap.empty()) {
      if (FileExists(st.StartupDatamap))
        LoadDatamap(a, st.StartupDatamap);
      else
        st.StartupError = "Default Datamap file (" + st.StartupDatamap + ") NOT FOUND!";
    }
    if (!st.StartupError.empty())
      a.prompts->MsgBox(st.StartupError, vbOKOnly + vbCritical, "Default Load Error");
  }

  ResetTileSelection(a);

  if (st.SaveWindow) restorePlacement(a);
}

void Form_Unload(App& a, bool& cancel) {
  ProgramState& st = a.st;
  cancel = false;

  if (st.SaveWindow) {
    const WindowPlacement p = a.host->CurrentPlacement();
    st.WindowState = p.state;
    st.WindowTop = p.top;
    st.WindowLeft = p.left;
    st.WindowWidth = p.width;
    st.WindowHeight = p.height;
    if (p.state != 0) {
      st.WindowTop = int32_t(RoundHalfEven((a.host->ScreenHeightTwips() - double(p.height)) / 2));
      st.WindowLeft = int32_t(RoundHalfEven((a.host->ScreenWidthTwips() - double(p.width)) / 2));
    }
    SaveSettings(a);
  }

  if (st.AskSave) {
    st.MsgResult = int16_t(a.prompts->MsgBox("Do you want to save your datamap before exiting?",
                                             vbYesNoCancel, "Save Datamap On Exit?"));
    if (st.MsgResult == vbCancel) {
      cancel = true;
    } else if (st.MsgResult == vbYes) {
      // A save that failed has already said so; closing now would lose the
      // very map the user asked to keep.
      if (mnuDatamapSaveAs_Click(a) == SaveResult::Failed) cancel = true;
    }
  }
}

void SetMenuState(App& a, int code) {
  if (code < 0 || code > 7) return;
  const bool enable = code % 2 == 1;
  switch (code / 2) {
    case 0:
      setEnabled(a, {"mnuFile", "mnuEdit", "mnuOptions"}, enable);
      break;
    case 1:
      setEnabled(a, {"mnuFile", "mnuEdit", "mnuIdentify", "mnuSettings"}, enable);
      break;
    case 2:
      setEnabled(a, {"mnuFile", "mnuUndo", "mnuIdentify", "mnuZoom", "mnuSettings"}, enable);
      break;
    case 3:
      setEnabled(a,
                 {"mnuProject", "mnuDatamap", "mnuDatatype", "mnuCMap", "mnuTilesetLoad",
                  "mnuTilesetNew", "mnuTilesetSaveAs", "mnuTILEMRU(0)", "mnuTILEMRU(1)",
                  "mnuTILEMRU(2)", "mnuTILEMRU(3)", "mnuTILEMRU(4)", "mnuLoadPalette", "mnuEdit",
                  "mnuBitmap", "mnuZoom", "mnuSettings"},
                 enable);
      break;
  }
}

void UpdateCaption(App& a, const std::string& suffix) { a.frm.caption = versionText() + suffix; }

void mnuHelp_Click(App& a) {
  const std::string path = AppPath() + "/Mosaicwright-Help.chm";
  // The help file is not part of the program; without it nothing is shown.
  if (!FileExists(path)) return;
  a.host->OpenUrl(QUrl::fromLocalFile(QString::fromStdString(path)).toString().toStdString());
}

void mnuVisit_Click(App& a) { a.host->OpenUrl(kMakerUrl); }

void mnuSettings_Click(App& a) { a.host->ShowSettingsDialog(); }

void mnuCredits_Click(App& a) { a.host->ShowCreditsBox(); }

void StatusBar1_PanelClick(App& a, int panel) {
  if (panel < 1 || panel > int(a.frm.statusPanel.size())) return;
  if (a.frm.statusPanel[size_t(panel - 1)] == "Visit Ostrel Forge") mnuVisit_Click(a);
}
