#include "editor/logic/PaletteCommands.h"

#include "editor/logic/DocumentCommands.h"
#include "editor/logic/TileSheet.h"
#include "model/App.h"
#include "model/Palettes.h"
#include "platform/FileNames.h"
#include "platform/ProgramFolder.h"
#include "render/MapRender.h"
#include "render/TilesetRender.h"

void mnuLoadPalette_Click(App& a) {
  a.frm.picMap.enabled = false;
  const std::string programFolder = AppPath();
  const std::string path = AskForExistingFile(a, "Palette", &programFolder, "Load Palette",
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
