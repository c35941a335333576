#include <QFile>

#include "model/Formats.h"
#include "render/TilesetRender.h"
#include "test_startup_fixture.h"

using namespace startup_test;

TEST_F(Startup, FirstRunShowsTheBlankDocumentsAndTheBuildStamp) {
  Form_Load(a, "");

  EXPECT_EQ(a.frm.caption, "Mosaicwright v2.1 [December 20th 2011 02:44pm]");
  EXPECT_EQ(a.frm.lblMapName.caption, "MWRT.Blank.PRG");
  EXPECT_EQ(a.frm.lblTYPEName.caption, "TYPE.Blank.PRG");
  EXPECT_EQ(a.frm.lblTileName.caption, "TILE.Blank.PRG");
  EXPECT_EQ(a.frm.lblCMAPName.caption, "CMAP.Blank.PRG");
  EXPECT_EQ(a.frm.lblProject.caption, "Project - Blank.mwj");
  EXPECT_EQ(a.frm.lblMapName.tooltip, dir + "/MWRT.Blank.PRG");
  EXPECT_EQ(a.frm.lblCMAPName.tooltip, dir + "/CMAP.Blank.PRG");
  EXPECT_EQ(a.frm.lblProject.tooltip, dir + "/Blank.mwj");
  EXPECT_EQ(a.st.TilesetPath, dir + "/TILE.Blank.PRG");
  EXPECT_EQ(a.frm.lblMapSize.caption, "(256x128)");
  EXPECT_EQ(a.frm.statusPanel[0], "X = 1");
  EXPECT_EQ(a.frm.statusPanel[1], "Y = 1");
  EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(Startup, FirstRunStartsWithAnEmptyFullSizeMapAndDefaultColours) {
  a.st.DatatypeMap.fill(7);
  a.st.UndoLevel = 4;
  Form_Load(a, "");

  EXPECT_EQ(a.st.MapWidth, 256);
  EXPECT_EQ(a.st.MapHeight, 128);
  EXPECT_EQ(a.st.MapWidthByte, 255);
  EXPECT_EQ(a.st.MapHeightByte, 127);
  EXPECT_EQ(a.st.UndoLevel, 0);
  EXPECT_EQ(a.st.Zoom, 100);
  EXPECT_EQ(a.st.Colormap[0], 0x3D);
  EXPECT_EQ(a.st.Colormap[1], 0x32);
  EXPECT_EQ(a.st.Colormap[2], 1);
  EXPECT_EQ(a.st.Colormap[257], 1);
  EXPECT_EQ(a.st.DatatypeMap[0], 0);
  EXPECT_EQ(a.st.DatatypeMap[kMapCells - 1], 0);
  EXPECT_FALSE(a.frm.picTileSelectedHover.visible);
  EXPECT_FALSE(a.frm.picTileSelectedHover.enabled);
  EXPECT_FALSE(a.frm.picMapBufferHover.visible);
  EXPECT_FALSE(a.frm.picMapBufferHover.enabled);
  EXPECT_EQ(a.frm.shpTileSelected.borderColor, 16744448);
}

TEST_F(Startup, FirstRunWritesTheSettingsFileInKeyOrderWithoutNamesOrRecentFiles) {
  Form_Load(a, "");
  const std::string ini = readText("Mosaicwright.ini");
  const char* expected[] = {
      "[Defaults]",     "AskSave=False", "SelectColor=16744448", "DatatypeColor=65535",
      "RandomFill1=75", "RandomFill2=20", "RandomFill3=5",       "[Files]",
      "Project=",       "TilesDir=",      "MapsDir=",            "Tile=",
      "Map=",           "[Window]",       "Save=False",          "State=2",
      "Top=1500",       "Left=3000",      "Width=15435",         "Height=12000",
      "[ColorPalette]", "Color0=0,0,0",   "Color1=255,255,255",  "Color15=159,159,159",
  };
  size_t at = 0;
  for (const char* line : expected) {
    const size_t found = ini.find(line, at);
    ASSERT_NE(found, std::string::npos) << line << " missing or out of order in\n" << ini;
    at = found + 1;
  }
  EXPECT_EQ(ini.find("[DataTypes]"), std::string::npos);
  EXPECT_EQ(ini.find("[MRU]"), std::string::npos);
}

TEST_F(Startup, UntouchedTilesetReadsBackEmptyWhateverTheBackgroundColour) {
  writeText("Mosaicwright.ini", "[ColorPalette]\nColor0=10,20,30\n");
  Form_Load(a, "");

  const std::string bits = TilesetToBits(a);
  EXPECT_EQ(bits, std::string(16384, '0'));
  const int32_t back = 10 + 20 * 256 + 30 * 65536;
  EXPECT_EQ(a.frm.picTileView.pixel(511, 127), back);
  EXPECT_EQ(a.frm.picTileSelected.pixel(0, 0), back);
  EXPECT_EQ(a.st.TilePixels[63], back);
}

TEST_F(Startup, MissingStartupTilesetIsReportedAsDefaultLoadError) {
  const std::string gone = path("gone.prg");
  writeText("Mosaicwright.ini", "[Files]\nTile=" + gone + "\n");
  prompts.answerMsgBox(vbOK);
  Form_Load(a, "");

  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(prompts.last().text, "Default Tileset file (" + gone + ") NOT FOUND!");
  EXPECT_EQ(prompts.last().title, "Default Load Error");
  EXPECT_EQ(prompts.last().style, 16);
  EXPECT_EQ(a.frm.lblTileName.caption, "TILE.Blank.PRG");
}

TEST_F(Startup, BothStartupFilesMissingReportOnlyTheDatamap) {
  const std::string tiles = path("gone.prg"), map = path("gone.map");
  writeText("Mosaicwright.ini", "[Files]\nTile=" + tiles + "\nMap=" + map + "\n");
  prompts.answerMsgBox(vbOK);
  Form_Load(a, "");

  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(prompts.last().text, "Default Datamap file (" + map + ") NOT FOUND!");
}

TEST_F(Startup, ExistingStartupTilesetIsLoaded) {
  Bytes prg{0x00, 0x30};
  prg.resize(2050, 0);
  prg[2] = 0x80;  // tile 0, row 0: its leftmost pixel set
  ASSERT_TRUE(writeWholeFile(path("font.prg"), prg));
  writeText("Mosaicwright.ini", "[Files]\nTile=" + path("font.prg") + "\n");
  Form_Load(a, "");

  EXPECT_TRUE(prompts.shown().empty());
  EXPECT_EQ(a.frm.lblTileName.caption, "font.prg");
  EXPECT_EQ(a.st.TilesetPath, path("font.prg"));
  // Tile 0 is the brush, so the editor shows its set pixel.
  EXPECT_NE(a.st.TilePixels[0], a.st.Palette[0]);
  EXPECT_EQ(a.st.TilePixels[1], a.st.Palette[0]);
}

TEST_F(Startup, StartupProjectWinsOverStartupTilesetAndDatamap) {
  writeText("Mosaicwright.ini", "[Files]\nProject=" + path("level.mwj") + "\nTile=" +
                                    path("gone.prg") + "\nMap=" + path("gone.map") + "\n");
  Form_Load(a, "");
  EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(Startup, CommandLineProjectReplacesTheStartupFilesForThisStartOnly) {
  writeText("Mosaicwright.ini", "[Files]\nTile=" + path("gone.prg") + "\n");
  Form_Load(a, path("level.mwj"));

  EXPECT_TRUE(prompts.shown().empty());
  EXPECT_EQ(a.st.StartupProject, "");
}

TEST_F(Startup, CommandLineProjectEndingInUpperCaseOrQuotedCounts) {
  writeText("Mosaicwright.ini", "[Files]\nTile=" + path("gone.prg") + "\n");
  Form_Load(a, path("LEVEL.MWJ"));
  EXPECT_TRUE(prompts.shown().empty());

  App b;
  b.prompts = &prompts;
  b.host = &host;
  Form_Load(b, "\"" + path("level.Mwj") + "\"");
  EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(Startup, CommandLineNamingAnythingButAProjectIsIgnored) {
  writeText("Mosaicwright.ini", "[Files]\nTile=" + path("gone.prg") + "\n");
  for (const std::string& arg : {path("level.mwjx"), path("level.txt"), std::string("j")}) {
    App b;
    b.prompts = &prompts;
    b.host = &host;
    prompts.answerMsgBox(vbOK);
    Form_Load(b, arg);
  }
  ASSERT_EQ(prompts.shown().size(), 3u);
  for (const auto& shown : prompts.shown())
    EXPECT_EQ(shown.text, "Default Tileset file (" + path("gone.prg") + ") NOT FOUND!");
}

TEST_F(Startup, WindowPlacementIsNotRestoredWithoutWindowSaving) {
  Form_Load(a, "");
  EXPECT_TRUE(host.applied.empty());
}

TEST_F(Startup, MaximizedWindowRestoresWithoutItsStoredGeometry) {
  writeText("Mosaicwright.ini",
            "[Window]\nSave=True\nState=2\nTop=150\nLeft=300\nWidth=9000\nHeight=6000\n");
  Form_Load(a, "");
  ASSERT_EQ(host.applied.size(), 1u);
  EXPECT_EQ(host.applied[0].first.state, 2);
  EXPECT_FALSE(host.applied[0].second);
}

TEST_F(Startup, NormalWindowRestoresItsStoredGeometry) {
  writeText("Mosaicwright.ini",
            "[Window]\nSave=True\nState=0\nTop=150\nLeft=300\nWidth=9000\nHeight=6000\n");
  Form_Load(a, "");
  ASSERT_EQ(host.applied.size(), 1u);
  const WindowPlacement& p = host.applied[0].first;
  EXPECT_EQ(p.state, 0);
  EXPECT_TRUE(host.applied[0].second);
  EXPECT_EQ(p.top, 150);
  EXPECT_EQ(p.left, 300);
  EXPECT_EQ(p.width, 9000);
  EXPECT_EQ(p.height, 6000);
}

TEST_F(Startup, UnknownWindowStateRestoresAsNormal) {
  writeText("Mosaicwright.ini",
            "[Window]\nSave=True\nState=5\nTop=150\nLeft=300\nWidth=9000\nHeight=6000\n");
  Form_Load(a, "");
  ASSERT_EQ(host.applied.size(), 1u);
  EXPECT_EQ(host.applied[0].first.state, 0);
  EXPECT_TRUE(host.applied[0].second);
}

TEST_F(Startup, VisitPanelOpensTheMakersSiteAndOtherPanelsDoNothing) {
  Form_Load(a, "");
  StatusBar1_PanelClick(a, 1);
  StatusBar1_PanelClick(a, 6);
  EXPECT_TRUE(host.urls.empty());
  StatusBar1_PanelClick(a, 7);
  ASSERT_EQ(host.urls.size(), 1u);
  EXPECT_EQ(host.urls[0], kMakerUrl);
}

TEST_F(Startup, HelpOpensTheHelpFileBesideTheProgramOnlyWhenItExists) {
  Form_Load(a, "");
  mnuHelp_Click(a);
  EXPECT_TRUE(host.urls.empty());

  writeText("Mosaicwright-Help.chm", "help");
  mnuHelp_Click(a);
  ASSERT_EQ(host.urls.size(), 1u);
  EXPECT_EQ(host.urls[0], "file://" + path("Mosaicwright-Help.chm"));
}

TEST_F(Startup, ZoomCaptionReplacesTheBuildStamp) {
  Form_Load(a, "");
  UpdateCaption(a, " - [Zoom 50%]");
  EXPECT_EQ(a.frm.caption, "Mosaicwright v2.1 - [Zoom 50%]");
}
