#include <QFile>

#include "editor/logic/DocumentFiles.h"
#include "editor/logic/FileCommands.h"
#include "editor/logic/Zoom.h"
#include "model/Formats.h"
#include "support/TestApp.h"

namespace {
class FileCommands : public AppTest {
 protected:
  void SetUp() override { startUp(); }
  // Ties a document to a file of the program folder, as a load would.
  void tie(int kind, const std::string& name) {
    DocIdentity id = Identity(a.st, kind);
    id.name = name;
    id.path = path(name);
    id.hasFile = true;
  }
};
using Load = void (*)(App&);
}  // namespace

TEST_F(FileCommands, SavingTiedDatamapAsksNothing) {
  tie(kDatamap, "world.map");
  a.st.DatamapAt(0, 0) = 0x11;
  writeBytes(path("world.map"), Bytes(40000, 0xEE));
  EXPECT_EQ(mnuDatamapSave_Click(a), SaveResult::Saved);
  const Bytes file = readBytes(path("world.map"));
  ASSERT_EQ(file.size(), 32772u);
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 5), (Bytes{0x00, 0x00, 0xFF, 0x7F, 0x11}));
  EXPECT_EQ(a.st.DatamapMRU[0], "");  // only a save through the dialog enters the list
}

TEST_F(FileCommands, SaveAsksForAFileWhenTheDocumentIsUntiedOrHasNoPath) {
  // Save As then Cancel writes nothing and leaves the document untied.
  tie(kDatamap, "world.map");
  prompts.answerSave("").answerSave("");
  EXPECT_EQ(mnuDatamapSaveAs_Click(a), SaveResult::Cancelled);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path("world.map"))));
  EXPECT_EQ(mnuDatamapSave_Click(a), SaveResult::Cancelled);  // untied, Save asks again
  EXPECT_EQ(prompts.shown().size(), 2u);
  // Tied but without a path, a document is saved through the dialog too.
  a.st.DatatypeHasFile = true;
  a.st.DatatypePath = "";
  prompts.answerSave(path("tags.prg"));
  EXPECT_EQ(mnuDatatypeSave_Click(a), SaveResult::Saved);
  EXPECT_EQ(readBytes(path("tags.prg")).size(), 32768u);
}

TEST_F(FileCommands, FailedSaveShowsTheMessageAndKeepsIdentityAndRecentList) {
  tie(kColormap, "colours.prg");
  a.st.ColormapMRU[0] = path("older.prg");
  // A folder that does not exist cannot take the file, even for root.
  prompts.answerSave(path("no-such-folder/c.prg")).answerMsgBox(vbOK);
  EXPECT_EQ(mnuCMapSaveAs_Click(a), SaveResult::Failed);
  EXPECT_EQ(prompts.last().title, "Colormap Save Error");
  EXPECT_TRUE(a.st.ColormapHasFile);
  EXPECT_EQ(a.st.ColormapPath, path("colours.prg"));
  EXPECT_EQ(a.st.ColormapMRU[0], path("older.prg"));
}

TEST_F(FileCommands, DialogPropertiesCarryOverBetweenCommands) {
  a.st.TilesDir = "/home/me/tiles";
  a.frm.CommonDialog1.Flags = 6;
  prompts.answerOpen("").answerOpen("");
  mnuTilesetLoad_Click(a);
  mnuDatatypeLoad_Click(a);
  // The datatype load sets no folder and no flags: the tileset's stay.
  const CommonDialog& shown = prompts.last().dialog;
  EXPECT_EQ(shown.DialogTitle, "Load Datatype");
  EXPECT_EQ(shown.InitDir, "/home/me/tiles");
  EXPECT_EQ(shown.Flags, 6);
}

TEST_F(FileCommands, MissingFilesAreReportedAndLoadNothing) {
  a.st.DatamapMRU[1] = path("gone.map");
  prompts.answerMsgBox(vbOK);
  mnuMWRTMRU_Click(a, 1);
  EXPECT_EQ(prompts.last().text, "Datamap file [" + path("gone.map") + "] does not exist!");
  EXPECT_EQ(prompts.last().title, "Datamap Load Error");
  EXPECT_EQ(a.st.DatamapMRU[1], path("gone.map"));  // the entry stays
  // A name typed into an open dialog ends like a Cancel.
  const std::string typed = path("nothere.prg");
  using Case = std::pair<Load, std::string>;
  for (auto [load, kind] :
       {Case{mnuDatamapLoad_Click, "Datamap"}, Case{mnuTilesetLoad_Click, "Tileset"},
        Case{mnuCMapLoad_Click, "Colormap"}, Case{mnuDatatypeLoad_Click, "Datatype"}}) {
    prompts.answerOpen(typed).answerMsgBox(vbOK);
    load(a);
    EXPECT_EQ(prompts.last().text, kind + " file [" + typed + "] does not exist!");
    EXPECT_EQ(prompts.last().title, kind + " Load Error");
    EXPECT_TRUE(a.frm.picMap.enabled);
  }
  EXPECT_FALSE(a.st.DatamapHasFile || a.st.TilesetHasFile || a.st.ColormapHasFile);
}

TEST_F(FileCommands, ClearAsksFirstAndClearsOnlyOnYes) {
  a.st.DatamapAt(5, 5) = 7;
  prompts.answerMsgBox(vbNo).answerMsgBox(vbYes);
  mnuDatamapClear_Click(a);
  EXPECT_EQ(prompts.last().text, "Are you sure you want to clear the Datamap?");
  EXPECT_EQ(prompts.last().title, "WARNING!!");
  EXPECT_EQ(prompts.last().style, 4);
  EXPECT_EQ(a.st.DatamapAt(5, 5), 7);
  mnuDatamapClear_Click(a);
  EXPECT_EQ(a.st.DatamapAt(5, 5), 0);
}

TEST_F(FileCommands, ANewTilesetSavesAsEmptyTilesWhateverColourZeroIs) {
  a.st.Palette[0] = 10 + 20 * 256 + 30 * 65536;
  Bytes tiles{0x00, 0x30};
  tiles.resize(2050, 0xA5);
  writeBytes(path("t.prg"), tiles);
  LoadTileset(a, path("t.prg"));
  prompts.answerMsgBox(vbYes);
  mnuTilesetNew_Click(a);
  ASSERT_TRUE(SaveTileset(a, path("new.prg")));
  Bytes empty{0x00, 0x30};
  empty.resize(2050, 0x00);
  EXPECT_EQ(readBytes(path("new.prg")), empty);
}

TEST_F(FileCommands, ResizingToFortyAndBackKeepsEveryCell) {
  a.st.DatamapAt(39, 24) = 1;
  a.st.DatamapAt(200, 100) = 2;
  for (int width : {40, 256}) {
    host.mapSizeDialog = [&] {  // the user enters the width and presses OK
      a.st.MapWidth = int16_t(width);
      a.st.MsgResult = 1;
    };
    mnuDatamapResize_Click(a);
    EXPECT_EQ(a.frm.picMap.width(), 16 * width);
  }
  EXPECT_EQ(a.st.DatamapAt(39, 24), 1);
  EXPECT_EQ(a.st.DatamapAt(200, 100), 2);
}

TEST_F(FileCommands, ExportsWriteTheirOwnFileOnly) {
  tie(kDatamap, "world.map");
  a.st.MapWidth = 40;
  a.st.MapHeight = 25;
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 256; ++x) a.st.DatamapAt(x, y) = uint8_t(3 * x + 7 * y);
  writeBytes(path("out.prg"), Bytes(5000, 0xEE));
  prompts.answerSave(path("out.prg"));
  mnuDatamapExport_Click(a);
  const Bytes file = readBytes(path("out.prg"));
  ASSERT_EQ(file.size(), 1002u);
  // Load address 0x5000, then cells (0, 0), (1, 0) .. (39, 0), (0, 1) .. (39, 24),
  // the last 117 + 168 = 285, 29 as a byte.
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 4), (Bytes{0x00, 0x50, 0, 3}));
  EXPECT_EQ(Bytes(file.begin() + 41, file.begin() + 43), (Bytes{117, 7}));
  EXPECT_EQ(file[1001], 29);
  EXPECT_EQ(a.st.DatamapPath, path("world.map"));
  EXPECT_EQ(a.st.DatamapMRU[0], "");

  tie(kDatatype, "tags.prg");
  prompts.answerSave(path("tags-export.prg"));
  mnuDatatypeExport_Click(a);
  EXPECT_EQ(a.st.DatatypePath, path("tags.prg"));
  EXPECT_EQ(a.st.DatatypeMRU[0], "");
}

TEST_F(FileCommands, TilesetAndColormapLoadsGoHomeButADatamapLoadDoesNot) {
  // command, file, its first bytes and size, whether it shows the map from its corner
  using Case = std::tuple<Load, const char*, Bytes, size_t, bool>;
  for (auto [load, file, head, size, home] :
       {Case{mnuTilesetLoad_Click, "t.prg", {0, 0x30}, 2050, true},
        Case{mnuCMapLoad_Click, "c.prg", {0, 0xC0}, 258, true},
        Case{mnuDatamapLoad_Click, "m.map", {0, 0x40, 40, 25}, 32772, false}}) {
    head.resize(size, 5);
    writeBytes(path(file), head);
    SetScrollValue(a, false, 3);
    SetScrollValue(a, true, 2);
    prompts.answerOpen(path(file));
    load(a);
    EXPECT_EQ(a.frm.scrHorz.value == 0 && a.frm.scrVert.value == 0 && a.frm.picMap.top == 0, home)
        << file;
  }
  EXPECT_TRUE(a.st.TilesetHasFile && a.st.ColormapHasFile && a.st.DatamapHasFile);
}
