#include "test_file_commands_fixture.h"

using namespace filecmd_test;

// ---- Save and Save As: when they ask, what they tie, and what a failure keeps

TEST_F(FileCommands, SavingTiedDatamapAsksNothing) {
  Tie(kDatamap, "world.map");
  a.st.DatamapAt(0, 0) = 0x11;
  a.st.DatamapAt(255, 127) = 0x22;
  WriteFile(Path("world.map"), ByteVec(40000, 0xEE));

  EXPECT_EQ(mnuDatamapSave_Click(a), SaveResult::Saved);

  EXPECT_TRUE(prompts.shown().empty());
  const ByteVec file = ReadFile(Path("world.map"));
  ASSERT_EQ(file.size(), 32772u);
  EXPECT_EQ(file[2], 0xFF);
  EXPECT_EQ(file[3], 0x7F);
  EXPECT_EQ(file[4], 0x11);
  EXPECT_EQ(file[32771], 0x22);
  // Only a save through the dialog enters the recent list.
  EXPECT_EQ(a.st.DatamapMRU[0], "");
}

TEST_F(FileCommands, SavingUntiedDatamapAsksForAFileAndTiesTheMapToIt) {
  a.st.MapsDir = "/maps";
  a.st.MapWidth = 40;
  a.st.MapHeight = 25;
  prompts.answerSave(Path("level1.map"));

  EXPECT_EQ(mnuDatamapSave_Click(a), SaveResult::Saved);

  ASSERT_EQ(prompts.shown().size(), 1u);
  const CommonDialog& shown = prompts.last().dialog;
  EXPECT_EQ(prompts.last().kind, "Save");
  EXPECT_EQ(shown.DialogTitle, "Save Datamap");
  EXPECT_EQ(shown.Filter, "Datamap (.map, .prg)|*.map;*.prg|");
  EXPECT_EQ(shown.InitDir, "/maps");
  EXPECT_EQ(shown.Flags, 6);
  EXPECT_EQ(shown.FileName, "");

  EXPECT_EQ(ReadFile(Path("level1.map")).size(), 32772u);
  EXPECT_TRUE(a.st.DatamapHasFile);
  EXPECT_EQ(a.st.DatamapFile, "level1.map");
  EXPECT_EQ(a.st.DatamapPath, Path("level1.map"));
  EXPECT_EQ(a.frm.lblMapName.caption, "level1.map");
  EXPECT_EQ(a.frm.lblMapName.tooltip, Path("level1.map"));
  EXPECT_EQ(a.frm.lblMapSize.caption, "(40x25)");
  EXPECT_EQ(a.st.DatamapMRU[0], Path("level1.map"));
}

TEST_F(FileCommands, SaveAsThenCancelWritesNothingAndLeavesTheDocumentUntied) {
  Tie(kDatamap, "world.map");
  a.frm.lblMapName.caption = "world.map";
  prompts.answerSave("");

  EXPECT_EQ(mnuDatamapSaveAs_Click(a), SaveResult::Cancelled);

  EXPECT_FALSE(Exists(Path("world.map")));
  EXPECT_FALSE(a.st.DatamapHasFile);
  EXPECT_EQ(a.st.DatamapFile, "world.map");
  EXPECT_EQ(a.st.DatamapPath, Path("world.map"));
  EXPECT_EQ(a.frm.lblMapName.caption, "world.map");
  EXPECT_EQ(a.st.DatamapMRU[0], "");

  // Untied, the next plain Save asks again.
  prompts.answerSave("");
  EXPECT_EQ(mnuDatamapSave_Click(a), SaveResult::Cancelled);
  EXPECT_EQ(prompts.shown().size(), 2u);
}

TEST_F(FileCommands, FailedSaveShowsTheMessageAndKeepsTheIdentity) {
  const std::string before = a.st.DatamapPath;
  a.frm.lblMapName.caption = "MWRT.Blank.PRG";
  // A folder that does not exist cannot take the file, even for root.
  const std::string target = Path("no-such-folder/world.map");
  prompts.answerSave(target).answerMsgBox(vbOK);

  EXPECT_EQ(mnuDatamapSave_Click(a), SaveResult::Failed);

  ASSERT_EQ(prompts.shown().size(), 2u);
  EXPECT_EQ(prompts.last().title, "Datamap Save Error");
  EXPECT_FALSE(a.st.DatamapHasFile);
  EXPECT_EQ(a.st.DatamapFile, "MWRT.Blank.PRG");
  EXPECT_EQ(a.st.DatamapPath, before);
  EXPECT_EQ(a.frm.lblMapName.caption, "MWRT.Blank.PRG");
  EXPECT_EQ(a.st.DatamapMRU[0], "");
}

TEST_F(FileCommands, FailedSaveAsKeepsTheDocumentTiedToItsOldFile) {
  Tie(kColormap, "colours.prg");
  // A path that is a folder cannot be replaced by a file.
  QDir(QString::fromStdString(dir)).mkdir("taken");
  prompts.answerSave(Path("taken")).answerMsgBox(vbOK);

  EXPECT_EQ(mnuCMapSaveAs_Click(a), SaveResult::Failed);

  EXPECT_EQ(prompts.last().title, "Colormap Save Error");
  EXPECT_TRUE(a.st.ColormapHasFile);
  EXPECT_EQ(a.st.ColormapPath, Path("colours.prg"));
  EXPECT_EQ(a.st.ColormapFile, "colours.prg");
  EXPECT_EQ(a.st.ColormapMRU[0], "");

  // Still tied: a plain Save goes to the old file without asking.
  prompts.clearShown();
  EXPECT_EQ(mnuCMapSave_Click(a), SaveResult::Saved);
  EXPECT_TRUE(prompts.shown().empty());
  EXPECT_EQ(ReadFile(Path("colours.prg")).size(), 258u);
}

TEST_F(FileCommands, TiedDocumentWithoutAPathIsSavedThroughTheDialog) {
  a.st.DatatypeHasFile = true;
  a.st.DatatypePath = "";
  prompts.answerSave("");

  EXPECT_EQ(mnuDatatypeSave_Click(a), SaveResult::Cancelled);

  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(prompts.last().text, "Save Datatype");
}

TEST_F(FileCommands, EachKindsSaveDialogHasItsTitleFilterAndFolder) {
  a.st.TilesDir = "/tiles";
  a.frm.CommonDialog1.InitDir = "/elsewhere";
  prompts.answerSave("").answerSave("").answerSave("");

  mnuDatatypeSave_Click(a);
  mnuTilesetSave_Click(a);
  mnuCMapSave_Click(a);

  const auto& s = prompts.shown();
  ASSERT_EQ(s.size(), 3u);
  EXPECT_EQ(s[0].dialog.DialogTitle, "Save Datatype");
  EXPECT_EQ(s[0].dialog.Filter, "Datatype (*.prg)|*.prg");
  EXPECT_EQ(s[0].dialog.InitDir, "/elsewhere");  // the datatype sets no folder
  EXPECT_EQ(s[1].dialog.DialogTitle, "Save Tileset");
  EXPECT_EQ(s[1].dialog.Filter, "Tileset (.prg, .chr, .bmp)|*.prg;*.chr;*.bmp|");
  EXPECT_EQ(s[1].dialog.InitDir, "/tiles");
  EXPECT_EQ(s[2].dialog.DialogTitle, "Save Colormap");
  EXPECT_EQ(s[2].dialog.Filter, "Colormap (*.prg)|*.prg");
  EXPECT_EQ(s[2].dialog.InitDir, "/tiles");  // kept from the tileset's dialog
  for (const auto& shown : s) EXPECT_EQ(shown.dialog.Flags, 6);
}

TEST_F(FileCommands, TilesetSaveInIdentifyModeAlwaysAsksForTheTilesUsedImage) {
  Tie(kTileset, "chars.prg");
  a.st.IdentifyMode = true;
  prompts.answerSave("");

  EXPECT_EQ(mnuTilesetSave_Click(a), SaveResult::Cancelled);

  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(prompts.last().dialog.DialogTitle, "Save Tiles Used Image");
  EXPECT_EQ(prompts.last().dialog.Filter, "Tileset (.bmp)|*.bmp|");
  EXPECT_TRUE(a.st.TilesetHasFile);  // a cancelled dialog changes nothing
}

TEST_F(FileCommands, SavedDatatypeIsTiedAndEntersItsRecentList) {
  a.st.DatatypeAt(3, 0) = 0x5A;
  prompts.answerSave(Path("tags.prg"));

  EXPECT_EQ(mnuDatatypeSave_Click(a), SaveResult::Saved);

  const ByteVec file = ReadFile(Path("tags.prg"));
  ASSERT_EQ(file.size(), 32768u);
  EXPECT_EQ(file[3], 0x5A);
  EXPECT_TRUE(a.st.DatatypeHasFile);
  EXPECT_EQ(a.st.DatatypeFile, "tags.prg");
  EXPECT_EQ(a.frm.lblTYPEName.caption, "tags.prg");
  EXPECT_EQ(a.st.DatatypeMRU[0], Path("tags.prg"));
}

// ---- Exports: their own file only

TEST_F(FileCommands, DatamapExportReplacesALongerFileWithTheUsedCells) {
  a.st.MapWidth = 40;
  a.st.MapHeight = 25;
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 256; ++x) a.st.DatamapAt(x, y) = uint8_t(3 * x + 7 * y);
  WriteFile(Path("out.prg"), ByteVec(5000, 0xEE));
  a.frm.CommonDialog1.Flags = 6;
  Tie(kDatamap, "world.map");
  prompts.answerSave(Path("out.prg"));

  mnuDatamapExport_Click(a);

  const CommonDialog& shown = prompts.last().dialog;
  EXPECT_EQ(shown.DialogTitle, "Export Datamap");
  EXPECT_EQ(shown.Filter, "Datamap Files (.map, .prg)|*.map;*.prg|");
  EXPECT_EQ(shown.Flags, 6);  // the export sets no flags of its own
  const ByteVec file = ReadFile(Path("out.prg"));
  ASSERT_EQ(file.size(), 1002u);
  EXPECT_EQ(file[0], 0x00);
  EXPECT_EQ(file[1], 0x50);
  EXPECT_EQ(file[2], 0);        // cell (0, 0)
  EXPECT_EQ(file[3], 3);        // cell (1, 0)
  EXPECT_EQ(file[41], 117);     // cell (39, 0)
  EXPECT_EQ(file[42], 7);       // cell (0, 1): row 1 follows column 39 of row 0
  EXPECT_EQ(file[1001], 29);    // cell (39, 24): 117 + 168 = 285, as a byte
  EXPECT_EQ(a.st.DatamapPath, Path("world.map"));
  EXPECT_EQ(a.st.DatamapMRU[0], "");
}

TEST_F(FileCommands, CancelledDatamapExportHasStillPreparedTheExportMap) {
  a.st.MapWidth = 2;
  a.st.MapHeight = 2;
  a.st.DatamapAt(0, 0) = 1;
  a.st.DatamapAt(1, 0) = 2;
  a.st.DatamapAt(0, 1) = 3;
  a.st.DatamapAt(1, 1) = 4;
  prompts.answerSave("");

  mnuDatamapExport_Click(a);

  EXPECT_EQ(a.st.MapWidthByte, 1);
  EXPECT_EQ(a.st.MapHeightByte, 1);
  EXPECT_EQ(a.st.ExportHeaderLo, 0);
  EXPECT_EQ(a.st.ExportMap, (ByteVec{1, 2, 3, 4}));
}

TEST_F(FileCommands, FailedDatamapExportIsReported) {
  prompts.answerSave(Path("no-such-folder/out.prg")).answerMsgBox(vbOK);

  mnuDatamapExport_Click(a);

  EXPECT_EQ(prompts.last().kind, "MsgBox");
  EXPECT_EQ(prompts.last().style, 16);
}

TEST_F(FileCommands, DatatypeExportOfATiedLayerAsksAndLeavesItsIdentity) {
  Tie(kDatatype, "tags.prg");
  a.frm.lblTYPEName.caption = "tags.prg";
  a.st.MapWidth = 1;
  a.st.MapHeight = 1;
  a.st.DatatypeAt(0, 0) = 0x42;
  prompts.answerSave(Path("tags-export.prg"));

  mnuDatatypeExport_Click(a);

  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(prompts.last().dialog.DialogTitle, "Export Datatype");
  EXPECT_EQ(prompts.last().dialog.Filter, "Datatype (*.prg)|*.prg");
  EXPECT_EQ(prompts.last().dialog.Flags, 6);
  EXPECT_EQ(ReadFile(Path("tags-export.prg")), (ByteVec{0x42}));
  EXPECT_EQ(a.st.DatatypePath, Path("tags.prg"));
  EXPECT_EQ(a.st.DatatypeFile, "tags.prg");
  EXPECT_TRUE(a.st.DatatypeHasFile);
  EXPECT_EQ(a.frm.lblTYPEName.caption, "tags.prg");
  EXPECT_EQ(a.st.DatatypeMRU[0], "");
}
