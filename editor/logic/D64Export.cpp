#include "editor/logic/D64Export.h"

#include <optional>
#include <vector>

#include "d64/D64Writer.h"
#include "d64/DirectoryArt.h"
#include "editor/logic/DocumentCommands.h"
#include "editor/logic/ProjectFile.h"
#include "model/App.h"
#include "model/Formats.h"
#include "platform/FileAccess.h"
#include "platform/FileNames.h"
#include "platform/ProgramFolder.h"
#include "render/TilesetRender.h"

namespace {

constexpr const char* kErrorTitle = "D64 Export Error";

std::string asciiUpper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

// The project's folder, or the program's when that folder has gone meanwhile
// (a dialog would otherwise open wherever the platform likes).
std::string initialFolder(const std::string& projectPath) {
  const std::string folder = FolderOf(projectPath);
  if (!folder.empty() && IsDirectory(folder)) return folder;
  return AppPath();
}

// What SaveTileset would write to a new file of the tileset's name, without
// the saver's tie, read-back and redraw; nothing for a name of no tileset form.
std::optional<Bytes> tilesetFileBytes(const App& a) {
  const std::string form = UpperExt3(a.st.TilesetFile);
  if (form == "BMP") return a.frm.picTileView.bmpBytes();
  if (form != "PRG" && form != "CHR") return std::nullopt;
  const Bytes tiles = SheetToBytes(a);
  if (form == "CHR") return encodeChrTileset(tiles);
  uint8_t lo = a.st.LoadAddrLo, hi = a.st.LoadAddrHi;
  // As the saver does: $7000 stands in for a load address that was never set.
  if (lo == 0 && hi == 0) hi = 0x70;
  return encodePrgTileset(lo, hi, tiles);
}

// The twelve entries: the art, then datamap, datatype layer, tileset and
// colormap under their file names. Staged in memory, so nothing but the image
// is ever written.
std::optional<std::vector<D64Source>> projectSources(App& a) {
  const ProgramState& st = a.st;
  const std::optional<Bytes> tileset = tilesetFileBytes(a);
  if (!tileset) {
    a.prompts->MsgBox("Invalid Tileset Type (" + st.TilesetFile + ") must be (PRG, CHR or BMP)",
                      vbCritical, kErrorTitle);
    return std::nullopt;
  }
  // The colormap encoder turns colour 0 into 1 in the array it is given; the
  // document keeps its own bytes.
  std::array<uint8_t, 258> colormap = st.Colormap;
  std::vector<D64Source> sources = D64DirectoryArtSources();
  sources.push_back({st.DatamapFile, encodeDatamap(st.LoadAddrLo, st.LoadAddrHi, st.MapWidth,
                                                   st.MapHeight, st.Datamap)});
  sources.push_back({st.DatatypeFile, encodeDatatype(st.DatatypeMap)});
  sources.push_back({st.TilesetFile, *tileset});
  sources.push_back({st.ColormapFile, encodeColormap(colormap)});
  return sources;
}

}  // namespace

void mnuD64Extract_Click(App& a) {
  const ProgramState& st = a.st;
  const std::string baseName = ProjectStem(st.ProjectName);
  CommonDialog& dlg = a.frm.CommonDialog1;
  dlg.DialogTitle = "Export To D64";
  dlg.InitDir = initialFolder(st.ProjectPath);
  dlg.FileName = baseName + ".D64";
  dlg.Filter = "D64 Files (*.d64 *.D64)|*.d64;*.D64";
  dlg.Flags = kSaveDialogFlags;
  a.prompts->ShowSave(dlg);
  const std::string path = dlg.FileName;
  if (path.empty()) return;

  const std::optional<std::vector<D64Source>> sources = projectSources(a);
  if (!sources) return;
  // The writer refuses a project that does not fit before it writes a byte,
  // and replaces the file whole or not at all.
  if (const D64Error e = WriteD64(path, asciiUpper(baseName), kD64ExportDiskId, *sources)) {
    a.prompts->MsgBox(*e, vbCritical, kErrorTitle);
    return;
  }
  a.prompts->MsgBox("Project files exported to " + path, vbInformation, "D64 File Export Complete");
}
