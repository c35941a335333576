#include "editor/logic/Zoom.h"
#include "test_file_commands_fixture.h"

using namespace filecmd_test;

// ---- Load commands and the shared file dialog

TEST_F(FileCommands, DialogPropertiesCarryOverBetweenCommands) {
  a.st.TilesDir = "/home/me/tiles";
  a.frm.CommonDialog1.Flags = 6;
  prompts.answerOpen("").answerOpen("");

  mnuTilesetLoad_Click(a);
  mnuDatatypeLoad_Click(a);

  const auto& s = prompts.shown();
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(s[0].dialog.DialogTitle, "Load Tileset");
  EXPECT_EQ(s[0].dialog.Filter, "Tileset (*.prg;*.bmp;*.chr)|*.prg;*.bmp;*.chr");
  EXPECT_EQ(s[0].dialog.InitDir, "/home/me/tiles");
  EXPECT_EQ(s[1].dialog.DialogTitle, "Load Datatype");
  EXPECT_EQ(s[1].dialog.Filter, "Datatype (*.prg)|*.prg");
  EXPECT_EQ(s[1].dialog.FilterIndex, 1);
  // The datatype load sets no folder and no flags: the tileset's stay.
  EXPECT_EQ(s[1].dialog.InitDir, "/home/me/tiles");
  EXPECT_EQ(s[1].dialog.Flags, 6);
  EXPECT_EQ(a.frm.CommonDialog1.InitDir, "/home/me/tiles");
}

TEST_F(FileCommands, LoadDialogsOfDatamapAndColormapHaveTheirTitlesAndFilters) {
  a.st.MapsDir = "/maps";
  prompts.answerOpen("").answerOpen("");

  mnuDatamapLoad_Click(a);
  mnuCMapLoad_Click(a);

  const auto& s = prompts.shown();
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(s[0].dialog.DialogTitle, "Load Datamap");
  EXPECT_EQ(s[0].dialog.Filter, "Datamap (*.map;*.prg)|*.map;*.prg");
  EXPECT_EQ(s[0].dialog.InitDir, "/maps");
  EXPECT_EQ(s[1].dialog.DialogTitle, "Load Colormap");
  EXPECT_EQ(s[1].dialog.Filter, "Colormap (*.prg)|*.prg");
  EXPECT_EQ(s[1].dialog.InitDir, "/maps");
}

TEST_F(FileCommands, CancelledLoadLeavesTheMapViewUsable) {
  prompts.answerOpen("");
  mnuDatamapLoad_Click(a);
  EXPECT_TRUE(a.frm.picMap.enabled);
  EXPECT_FALSE(a.st.DatamapHasFile);
}

TEST_F(FileCommands, DatamapLoadReadsTheChosenFileAndKeepsTheViewWhereItWas) {
  WriteFile(Path("small.map"), DatamapFile(40, 25, 9));
  SetScrollValue(a, false, 3);
  prompts.answerOpen(Path("small.map"));

  mnuDatamapLoad_Click(a);

  EXPECT_EQ(a.st.MapWidth, 40);
  EXPECT_EQ(a.st.MapHeight, 25);
  EXPECT_EQ(a.st.DatamapAt(0, 0), 9);
  EXPECT_TRUE(a.st.DatamapHasFile);
  EXPECT_EQ(a.st.DatamapPath, Path("small.map"));
  EXPECT_TRUE(a.frm.picMap.enabled);
  EXPECT_EQ(a.frm.scrHorz.value, 3);
}

TEST_F(FileCommands, ColormapLoadBringsTheViewBackToItsOrigin) {
  ByteVec colours{0x00, 0xC0};
  colours.resize(258, 0x05);
  WriteFile(Path("colours.prg"), colours);
  SetScrollValue(a, false, 3);
  SetScrollValue(a, true, 2);
  prompts.answerOpen(Path("colours.prg"));

  mnuCMapLoad_Click(a);

  EXPECT_EQ(a.st.Colormap[2], 0x05);
  EXPECT_TRUE(a.st.ColormapHasFile);
  EXPECT_EQ(a.frm.scrHorz.value, 0);
  EXPECT_EQ(a.frm.scrVert.value, 0);
  EXPECT_EQ(a.frm.picMap.left, 0);
  EXPECT_EQ(a.frm.picMap.top, 0);
}

TEST_F(FileCommands, TypedNameOfAMissingFileIsRefusedLikeACancel) {
  const std::string typed = Path("nothere.map");
  prompts.answerOpen(typed).answerMsgBox(vbOK);

  mnuDatamapLoad_Click(a);

  ASSERT_EQ(prompts.shown().size(), 2u);
  EXPECT_EQ(prompts.last().text, "Datamap file [" + typed + "] does not exist!");
  EXPECT_EQ(prompts.last().title, "Datamap Load Error");
  EXPECT_EQ(prompts.last().style, 16);
  EXPECT_FALSE(a.st.DatamapHasFile);
  EXPECT_EQ(a.st.DatamapMRU[0], "");
  EXPECT_TRUE(a.frm.picMap.enabled);
  EXPECT_FALSE(Exists(typed));
}

TEST_F(FileCommands, LoadingAColormapClearsTheCopiedBlockImageButNotADatamapLoad) {
  a.frm.picMapBuffer.setPixel(1, 1, 0x123456);
  prompts.answerOpen("");
  mnuDatamapLoad_Click(a);
  EXPECT_EQ(a.frm.picMapBuffer.pixel(1, 1), 0x123456);

  prompts.answerOpen("");
  mnuCMapLoad_Click(a);
  EXPECT_EQ(a.frm.picMapBuffer.pixel(1, 1), a.frm.picMapBuffer.backColor());
}

// ---- Recent-file entries

TEST_F(FileCommands, MissingRecentEntryIsReportedAndStaysInTheList) {
  const std::string gone = Path("gone.map");
  a.st.DatamapMRU[0] = Path("other.map");
  a.st.DatamapMRU[1] = gone;
  prompts.answerMsgBox(vbOK);

  mnuMWRTMRU_Click(a, 1);

  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(prompts.last().text, "Datamap file [" + gone + "] does not exist!");
  EXPECT_EQ(prompts.last().title, "Datamap Load Error");
  EXPECT_EQ(prompts.last().style, 16);
  EXPECT_EQ(a.st.DatamapMRU[1], gone);
}

TEST_F(FileCommands, EachRecentListNamesItsKindWhenAnEntryIsGone) {
  a.st.DatatypeMRU[0] = Path("t.prg");
  a.st.TilesetMRU[0] = Path("c.prg");
  a.st.ColormapMRU[0] = Path("m.prg");
  prompts.answerMsgBox(vbOK).answerMsgBox(vbOK).answerMsgBox(vbOK);

  mnuTYPEMRU_Click(a, 0);
  mnuTILEMRU_Click(a, 0);
  mnuCMAPMRU_Click(a, 0);

  const auto& s = prompts.shown();
  ASSERT_EQ(s.size(), 3u);
  EXPECT_EQ(s[0].text, "Datatype file [" + Path("t.prg") + "] does not exist!");
  EXPECT_EQ(s[0].title, "Datatype Load Error");
  EXPECT_EQ(s[1].text, "Tileset file [" + Path("c.prg") + "] does not exist!");
  EXPECT_EQ(s[1].title, "Tileset Load Error");
  EXPECT_EQ(s[2].text, "Colormap file [" + Path("m.prg") + "] does not exist!");
  EXPECT_EQ(s[2].title, "Colormap Load Error");
}

TEST_F(FileCommands, RecentEntryLoadsWithoutADialogAndMovesToTheTop) {
  WriteFile(Path("a.map"), DatamapFile(16, 8, 4));
  a.st.DatamapMRU[0] = Path("b.map");
  a.st.DatamapMRU[1] = Path("a.map");
  SetScrollValue(a, true, 2);

  mnuMWRTMRU_Click(a, 1);

  EXPECT_TRUE(prompts.shown().empty());
  EXPECT_EQ(a.st.MapWidth, 16);
  EXPECT_EQ(a.st.MapHeight, 8);
  EXPECT_EQ(a.st.DatamapPath, Path("a.map"));
  EXPECT_EQ(a.st.DatamapMRU[0], Path("a.map"));
  EXPECT_EQ(a.st.DatamapMRU[1], Path("b.map"));
  EXPECT_EQ(a.frm.scrVert.value, 2);  // a recent entry does not go back to the origin
}

// ---- New and Clear

TEST_F(FileCommands, ClearAsksFirstAndClearsOnlyOnYes) {
  Tie(kDatamap, "world.map");
  a.st.MapWidth = 40;
  a.st.DatamapAt(5, 5) = 7;
  a.st.DatamapAt(200, 100) = 8;
  prompts.answerMsgBox(vbNo);

  mnuDatamapClear_Click(a);

  EXPECT_EQ(prompts.last().text, "Are you sure you want to clear the Datamap?");
  EXPECT_EQ(prompts.last().title, "WARNING!!");
  EXPECT_EQ(prompts.last().style, 4);
  EXPECT_EQ(a.st.MsgResult, vbNo);
  EXPECT_EQ(a.st.DatamapAt(5, 5), 7);

  SetScrollValue(a, false, 4);
  prompts.answerMsgBox(vbYes);
  mnuDatamapClear_Click(a);

  EXPECT_EQ(a.st.MsgResult, vbYes);
  EXPECT_EQ(a.st.DatamapAt(5, 5), 0);
  EXPECT_EQ(a.st.DatamapAt(200, 100), 0);  // outside the map in use too
  EXPECT_EQ(a.frm.scrHorz.value, 0);
  EXPECT_TRUE(a.st.DatamapHasFile);  // Clear keeps the map's file and size
  EXPECT_EQ(a.st.DatamapPath, Path("world.map"));
  EXPECT_EQ(a.st.MapWidth, 40);
}

TEST_F(FileCommands, ColormapNewUntiesButTheLabelKeepsTheOldFile) {
  Tie(kColormap, "colours.prg");
  a.frm.lblCMAPName.caption = "colours.prg";
  a.frm.lblCMAPName.tooltip = Path("colours.prg");
  a.st.Colormap[7] = 0x0E;
  prompts.answerMsgBox(vbYes);

  mnuCMapNew_Click(a);

  EXPECT_EQ(prompts.last().text, "Are you sure you want to clear the Colormap?");
  EXPECT_EQ(a.st.Colormap[0], 0x3D);
  EXPECT_EQ(a.st.Colormap[1], 0x32);
  EXPECT_EQ(a.st.Colormap[7], 0x01);
  EXPECT_EQ(a.st.Colormap[257], 0x01);
  EXPECT_FALSE(a.st.ColormapHasFile);
  EXPECT_EQ(a.st.ColormapFile, "CMAP.Blank.prg");
  EXPECT_EQ(a.st.ColormapPath, dir + "/CMAP.Blank.prg");
  EXPECT_EQ(a.frm.lblCMAPName.caption, "colours.prg");
  EXPECT_EQ(a.frm.lblCMAPName.tooltip, Path("colours.prg"));

  prompts.answerSave("");
  EXPECT_EQ(mnuCMapSave_Click(a), SaveResult::Cancelled);
  EXPECT_EQ(prompts.last().kind, "Save");
}

TEST_F(FileCommands, DatatypeAndTilesetNewActOnlyOnYes) {
  Tie(kDatatype, "tags.prg");
  Tie(kTileset, "chars.prg");
  a.st.DatatypeAt(1, 1) = 3;
  a.frm.picTileView.setPixel(4, 4, 0x00FF00);
  prompts.answerMsgBox(vbNo).answerMsgBox(vbNo);
  mnuDatatypeNew_Click(a);
  mnuTilesetNew_Click(a);
  EXPECT_EQ(a.st.DatatypeAt(1, 1), 3);
  EXPECT_EQ(a.frm.picTileView.pixel(4, 4), 0x00FF00);
  EXPECT_TRUE(a.st.TilesetHasFile);

  prompts.answerMsgBox(vbYes).answerMsgBox(vbYes);
  mnuDatatypeNew_Click(a);
  mnuTilesetNew_Click(a);

  const auto& s = prompts.shown();
  EXPECT_EQ(s[2].text, "Are you sure you want to clear the Datatype?");
  EXPECT_EQ(s[3].text, "Are you sure you want to clear the Tileset?");
  EXPECT_EQ(a.st.DatatypeAt(1, 1), 0);
  EXPECT_FALSE(a.st.DatatypeHasFile);
  EXPECT_EQ(a.st.DatatypeFile, "TYPE.Blank.prg");
  EXPECT_EQ(a.frm.picTileView.pixel(4, 4), a.frm.picTileView.backColor());
  EXPECT_FALSE(a.st.TilesetHasFile);
  EXPECT_EQ(a.st.TilesetFile, "TILE.Blank.prg");
  EXPECT_EQ(a.st.TilesetPath, dir + "/TILE.Blank.prg");
}

// ---- Load Palette

TEST_F(FileCommands, PaletteFileOfAnotherKindChangesNoColourButRedrawsAndResetsTheSelection) {
  WriteFile(Path("colours.txt"), ByteVec{'1', '2'});
  a.st.Palette[1] = 0x0000FF;
  a.frm.shpTileSelected.left = 48;
  a.frm.shpTileSelected.top = 16;
  prompts.answerOpen(Path("colours.txt"));

  mnuLoadPalette_Click(a);

  const CommonDialog& shown = prompts.last().dialog;
  EXPECT_EQ(shown.DialogTitle, "Load Palette");
  EXPECT_EQ(shown.Filter, "Palette (*.ini;*.vpl)|*.ini;*.vpl");
  EXPECT_EQ(shown.InitDir, dir);
  EXPECT_EQ(shown.FilterIndex, 1);
  EXPECT_EQ(a.st.Palette[1], 0x0000FF);
  EXPECT_EQ(a.frm.shpTileSelected.left, 0);
  EXPECT_EQ(a.frm.shpTileSelected.top, 0);
  EXPECT_TRUE(a.frm.picMap.enabled);
}

TEST_F(FileCommands, CancelledPaletteLoadLeavesTheSelectionAlone) {
  a.frm.shpTileSelected.left = 48;
  prompts.answerOpen("");
  mnuLoadPalette_Click(a);
  EXPECT_EQ(a.frm.shpTileSelected.left, 48);
  EXPECT_TRUE(a.frm.picMap.enabled);
}

// ---- Label pop-ups

TEST_F(FileCommands, EachDocumentLabelPopsUpItsOwnMenu) {
  lblMapName_MouseUp(a);
  lblTYPEName_Click(a);
  lblTileName_MouseUp(a);
  lblCMAPName_MouseUp(a);
  lblProject_Click(a);
  EXPECT_EQ(host.popups, (std::vector<std::string>{"mnuDatamap", "mnuDatatype", "mnuTileset",
                                                   "mnuCMap", "mnuProject"}));
}
