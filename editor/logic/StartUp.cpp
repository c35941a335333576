#include "editor/logic/StartUp.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "editor/logic/DocumentFiles.h"
#include "editor/logic/ProjectFile.h"
#include "editor/logic/TileSheet.h"
#include "editor/logic/WindowCaption.h"
#include "model/App.h"
#include "model/DocumentLabel.h"
#include "model/ProgramInfo.h"
#include "model/Settings.h"
#include "platform/FileAccess.h"
#include "platform/FileNames.h"
#include "platform/ProgramFolder.h"
#include "render/MapRender.h"
#include "render/TilesetRender.h"

namespace {

// The project the command line names, or "". The shell has already removed
// any quotes, so the text is the path itself; a pair of enclosing quotes that
// survived (a quoted argument passed through a launcher) is dropped.
std::string projectFromCommandLine(const std::string& commandLine) {
  std::string arg = commandLine;
  if (arg.size() >= 2 && arg.front() == '"' && arg.back() == '"')
    arg = arg.substr(1, arg.size() - 2);
  if (arg.size() <= 1) return {};
  if (UpperExt3(arg) != "MWJ") return {};
  // Document paths are kept whole: a relative argument is taken from the
  // folder the program was started in.
  const QString q = QString::fromStdString(arg);
  if (QFileInfo(q).isRelative()) return QDir::current().absoluteFilePath(q).toStdString();
  return arg;
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

  UpdateCaption(a, std::string(" [") + kBuildStamp + "]");

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
  f.picMapBufferHover.visible = f.picTileSelectedHover.visible = false;
  f.picZoom.visible = false;
  for (Shape& marker : f.shpTilesUsed) marker.visible = false;

  st.ProjectHasFile = st.DatamapHasFile = st.DatatypeHasFile = st.TilesetHasFile =
      st.ColormapHasFile = false;
  st.ProjectName = "Blank";
  for (int kind : {kDatamap, kDatatype, kTileset, kColormap}) {
    PlaceInProgramFolder(st, kind, MemberFileName(kind, st.ProjectName));
    DocIdentity id = Identity(st, kind);
    SetMemberLabel(DocumentLabel(f, kind), id.name, id.path);
  }
  PlaceInProgramFolder(st, kProject, st.ProjectName + ".mwj");
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
    {
      // The tileset would draw the map at full size before the datamap sizes it.
      const HeldMapRedraw held(a);
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
    }
    if (!st.StartupError.empty())
      a.prompts->MsgBox(st.StartupError, vbOKOnly + vbCritical, "Default Load Error");
  }

  ResetTileSelection(a);

  if (st.SaveWindow) restorePlacement(a);
}
