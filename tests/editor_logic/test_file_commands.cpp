#include <optional>

#include "editor/logic/BitmapExport.h"
#include "editor/logic/ColormapCommands.h"
#include "editor/logic/D64Export.h"
#include "editor/logic/DatamapCommands.h"
#include "editor/logic/DatatypeCommands.h"
#include "editor/logic/Exit.h"
#include "editor/logic/PaletteCommands.h"
#include "editor/logic/ProjectCommands.h"
#include "editor/logic/TilesetCommands.h"
#include "logic_fixture.h"

// The file commands' dialogs, when they ask, and what a failed write leaves.

using FileCommands = Started;
using S = std::string;

static SaveResult saveTilesUsedImage(App& a) {
  a.st.IdentifyMode = true;
  const SaveResult r = mnuTilesetSave_Click(a);
  a.st.IdentifyMode = false;
  return r;
}

TEST_F(FileCommands, EveryFileDialogStartsWhereItShouldAndKeepsWhatItDoesNotSet) {
  constexpr int K = 0x4000;  // flags left by an earlier use, with filter index 7 and folder k
  const std::string k = "/kept", m = "/maps", t = "/tiles", p = folder.dir(), g = path("games");
  // command, what an open dialog loads ("": a save dialog), initial folder, file name, flags
  const std::tuple<std::function<void(App&)>, S, S, S, int> rows[] = {
      {mnuDatamapLoad_Click, "Datamap", m, "", K}, {mnuDatatypeLoad_Click, "Datatype", k, "", K},
      {mnuTilesetLoad_Click, "Tileset", t, "", K}, {mnuCMapLoad_Click, "Colormap", k, "", K},
      {mnuLoadPalette_Click, "Palette", p, "", K}, {mnuProjectLoad_Click, "Project", k, "", K},
      {mnuDatamapSave_Click, "", m, "", 6},        {mnuDatatypeSave_Click, "", k, "", 6},
      {mnuTilesetSave_Click, "", t, "", 6},        {saveTilesUsedImage, "", t, "", 6},
      {mnuCMapSave_Click, "", k, "", 6},           {mnuDatamapExport_Click, "", k, "", K},
      {mnuDatatypeExport_Click, "", k, "", 6},     {mnuProjectSave_Click, "", k, "Game.mwj", 6},
      {mnuD64Extract_Click, "", g, "Game.D64", 6}, {mnuBitmap_Click, "", k, "", 6},
  };
  a.st.MapsDir = m;
  a.st.TilesDir = t;
  mkdir("games");
  a.st.ProjectName = "Game.mwj";
  a.st.ProjectPath = path("games/Game.mwj");
  int row = 0;
  // An open dialog is answered with a name of no file, which must end like Cancel.
  for (const auto& [command, kind, initDir, fileName, flags] : rows) {
    SCOPED_TRACE("row " + std::to_string(row++));
    a.frm.CommonDialog1 = {"left.over", "left.over", "?", "?", k, 7, K};
    prompts.clearShown();
    const bool open = !kind.empty();
    open ? prompts.answerOpen(path("typed")).answerMsgBox(vbOK) : prompts.answerSave("");
    const auto before = everything(a);
    command(a);
    const CommonDialog& d = prompts.shown().front().dialog;
    EXPECT_EQ(std::tuple(d.InitDir, d.FileName, d.FilterIndex, d.Flags),
              std::tuple(initDir, fileName, open ? 1 : 7, flags));
    EXPECT_NE(d.Filter.find(")|*."), S::npos) << d.Filter;  // its own, not the one left over
    // Nothing after a save dialog; after an open one, that the file does not exist.
    EXPECT_EQ(prompts.lastMessage(), open ? kind + " Load Error | " + kind + " file [" +
                                                path("typed") + "] does not exist!"
                                          : " | " + d.DialogTitle);
    EXPECT_TRUE(everything(a) == before && a.frm.picMap.enabled);
  }
  a.st.ProjectPath = path("gone/Game.mwj");  // a folder gone since: the program's instead
  prompts.answerSave("");
  mnuD64Extract_Click(a);
  EXPECT_EQ(prompts.last().dialog.InitDir, folder.dir());
}

TEST_F(FileCommands, EveryFailedWriteSaysSoUnderItsTitleAndKeepsTheOldFileAndEveryIdentity) {
  open();  // a 40 x 25 map
  // command, file extension, title, what the message names, a size limit one byte short of
  // the file (0: none, the members would fail first)
  const std::tuple<std::function<void(App&)>, S, S, S, rlim_t> rows[] = {
      {mnuDatamapExport_Click, "prg", "Datamap Save Error", "Datamap", 1001},
      {mnuDatatypeExport_Click, "prg", "Datatype Save Error", "Datatype", 999},
      {mnuBitmap_Click, "bmp", "Bitmap Export Error", "Bitmap", 768053},
      {mnuD64Extract_Click, "d64", "D64 Export Error", "D64", 174847},
      {mnuDatamapSaveAs_Click, "map", "Datamap Save Error", "Datamap", 32771},
      {mnuDatatypeSaveAs_Click, "prg", "Datatype Save Error", "Datatype", 32767},
      {mnuTilesetSaveAs_Click, "prg", "Tileset Save Error", "Tileset", 2049},
      {mnuTilesetSaveAs_Click, "chr", "Tileset Save Error", "Tileset", 2047},
      {mnuTilesetSaveAs_Click, "bmp", "Tileset Save Error", "Tileset", 196661},
      {saveTilesUsedImage, "bmp", "Tileset Save Error", "Tileset", 196661},
      {mnuCMapSaveAs_Click, "prg", "Colormap Save Error", "Colormap", 257},
      {mnuProjectSaveAs_Click, "mwj", "Project Save Error", "Project", 0},
  };
  for (const auto& [command, ext, title, kind, limitBytes] : rows)
    for (const int node : {0, S_IFDIR, S_IFIFO, S_IFCHR}) {
      if (!node && !limitBytes) continue;
      const std::string old = path("old." + ext);
      unlink(old.c_str());
      // Over the old file on a full disk, into it as a folder, over a pipe or a device node.
      const bool special = node == S_IFIFO || node == S_IFCHR;
      if (special && mknod(old.c_str(), node | 0600, 0x103) != 0) continue;  // /dev/null's 1, 3
      if (!special) writeBytes(old, {9, 8, 7});
      const std::string target = node == S_IFDIR ? old + "/new." + ext : old;
      prompts.clearShown();
      prompts.answerSave(target).answerMsgBox(vbOK);
      const auto before = everything(a);
      {
        std::optional<FileSizeLimit> limit;
        if (!node) limit.emplace(limitBytes);
        command(a);
      }
      ASSERT_EQ(prompts.shown().size(), 2u) << target;  // the dialog and the failure, no more
      EXPECT_EQ(prompts.lastMessage(),
                title + " | Cannot write " + kind + " file (" + target + ")!");
      EXPECT_EQ(prompts.last().style, vbCritical) << target;
      struct stat now {};
      if (special) EXPECT_TRUE(lstat(old.c_str(), &now) == 0 && int(now.st_mode & S_IFMT) == node);
      else EXPECT_EQ(readBytes(old), (Bytes{9, 8, 7})) << target;
      EXPECT_TRUE(everything(a) == before) << target;
    }
  prompts.answerSave(path("tiles.txt")).answerMsgBox(vbOK);  // a name of no tileset form
  EXPECT_TRUE(mnuTilesetSaveAs_Click(a) == SaveResult::Failed && a.st.TilesetPath == path("t.prg"));
  EXPECT_EQ(prompts.lastMessage(), "Tileset Save Error | Invalid Tileset Type (" +
                                       path("tiles.txt") + ") must be (PRG, CHR or BMP)");
}

TEST_F(FileCommands, SaveAsksForAFileOnlyWhenTheDocumentIsUntiedOrHasNoPath) {
  tie(kDatamap, "world.map");
  a.st.DatamapAt(0, 0) = 0x11;
  writeBytes(path("world.map"), Bytes(40000, 0xEE));
  EXPECT_EQ(mnuDatamapSave_Click(a), SaveResult::Saved);  // tied: no dialog
  EXPECT_EQ(readBytes(path("world.map")), padded({0x00, 0x00, 0xFF, 0x7F, 0x11}, 32772, 0));
  EXPECT_EQ(a.st.DatamapMRU[0], "");  // only a save through the dialog enters the list
  // Save As then Cancel writes nothing and unties: the next Save asks again.
  prompts.answerSave("").answerSave("");
  EXPECT_EQ(mnuDatamapSaveAs_Click(a), SaveResult::Cancelled);
  EXPECT_EQ(mnuDatamapSave_Click(a), SaveResult::Cancelled);
  EXPECT_EQ(readBytes(path("world.map"))[4], 0x11);
  // Tied but without a path, a document is saved through the dialog too.
  std::tie(a.st.DatatypePath, a.st.DatatypeHasFile) = std::tuple("", true);
  prompts.answerSave(path("tags.prg"));
  EXPECT_EQ(mnuDatatypeSave_Click(a), SaveResult::Saved);
  EXPECT_EQ(readBytes(path("tags.prg")).size(), 32768u);
}

TEST_F(FileCommands, ResizeKeepsTheCellsAndClearNewPaletteAndExportsChangeOnlyWhatIsTheirs) {
  writeText(path("p.vpl"), "h\n0\n0\n0\n0\n0\n0\n01 02 03\n");  // colour 6, every tile's
  host.mapSizeDialog = [&] {  // the user enters 30 x 20 and presses OK
    std::tie(a.st.MapWidth, a.st.MapHeight, a.st.MsgResult) = std::tuple(30, 20, 1);
  };
  const auto palette = [&](App&) { prompts.answerOpen(path("p.vpl")); mnuLoadPalette_Click(a); };
  const auto exportTags = [&](App&) { prompts.answerSave(path("x")); mnuDatatypeExport_Click(a); };
  // command, what it asks to clear first, the kind it unties, its blank name, what it
  // changes (1 the cells, 2 the tags, 4 the colours, 8 the map's size)
  const std::tuple<std::function<void(App&)>, S, int, S, int> rows[] = {
      {mnuDatamapResize_Click, "", kProject, "", 8},
      {mnuDatamapClear_Click, "Datamap", kProject, "", 1},
      {mnuDatamapNew_Click, "", kDatamap, "MWRT.Blank.prg", 1 | 8},
      {mnuCMapNew_Click, "Colormap", kColormap, "CMAP.Blank.prg", 4},
      {mnuDatatypeNew_Click, "Datatype", kDatatype, "TYPE.Blank.prg", 2},
      {exportTags, "", kProject, "", 0},  // an export is no save: it asks even when tied
      {palette, "", kProject, "", 0}};
  for (const auto& [command, asks, kind, blank, changes] : rows) {
    open();  // a 40 x 25 map, the cells outside it set too
    const auto before = everything(a);
    if (!asks.empty()) {  // No first, which changes nothing
      prompts.answerMsgBox(vbNo).answerMsgBox(vbYes);
      command(a);
      EXPECT_EQ(prompts.lastMessage() + (everything(a) == before ? "" : ", and changed"),
                "WARNING!! | Are you sure you want to clear the " + asks + "?");
    }
    command(a);
    EXPECT_TRUE(a.st.Datamap == (changes & 1 ? CellArray{} : std::get<1>(before))) << blank;
    EXPECT_TRUE(a.st.DatatypeMap == (changes & 2 ? CellArray{} : std::get<2>(before))) << blank;
    EXPECT_EQ(Bytes(a.st.Colormap.begin(), a.st.Colormap.end()),
              changes & 4 ? padded({0x3D, 0x32}, 258, 1) : Bytes(258, 6));
    EXPECT_EQ(a.frm.picMap.width(), changes & 8 ? 30 * 16 : 40 * 16) << blank;
    const int32_t ink = a.st.Palette[a.st.Colormap[2] & 15];  // tile 0's, on the sheet and map
    EXPECT_TRUE(a.frm.picTileView.pixel(4, 2) == ink && a.frm.picMap.pixel(4, 2) == ink) << blank;
    auto ids = std::get<0>(before);  // each kind's name, path, tie, label, tooltip, recent list
    if (kind) std::copy_n(std::array<S, 3>{blank, path(blank), ""}.begin(), 3, &ids[10 * kind]);
    EXPECT_EQ(std::get<0>(everything(a)), ids) << blank;
  }
  EXPECT_EQ(a.frm.picMap.pixel(4, 2), RGBColor(1, 2, 3));  // the palette's colour 6 at last
  std::tie(a.st.MapWidth, a.st.MapHeight) = std::tuple(3, 2);  // an export holds the map in use
  prompts.answerSave(path("m.map"));  // over the longer file: nothing of it remains
  mnuDatamapExport_Click(a);
  EXPECT_EQ(readBytes(path("m.map")), (Bytes{0x00, 0x50, 0, 1, 2, 5, 6, 7}));
}

TEST_F(FileCommands, ExitWithYesWhoseSaveFailsOrIsCancelledKeepsTheWindowOpen) {
  a.st.AskSave = true;
  prompts.answerMsgBox(vbYes).answerSave(path("no/out.map")).answerMsgBox(vbOK);
  prompts.answerMsgBox(vbYes).answerSave("");
  bool failed = false, cancelled = false;
  Form_Unload(a, failed);
  Form_Unload(a, cancelled);
  EXPECT_TRUE(failed && cancelled);
  EXPECT_EQ(prompts.shown()[0].text, "Do you want to save your datamap before exiting?");
  EXPECT_EQ(prompts.shown()[2].title, "Datamap Save Error");
}
