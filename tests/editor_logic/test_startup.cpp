#include "support/TestApp.h"

using Startup = AppTest;

TEST_F(Startup, FirstRunShowsBlankDocumentsAndWritesTheSettingsFile) {
  startUp();
  EXPECT_EQ(a.frm.statusPanel[0] + " " + a.frm.statusPanel[1], "X = 1 Y = 1");
  EXPECT_EQ(readText(path("Mosaicwright.ini")),
            "[Defaults]\nAskSave=False\nSelectColor=16744448\nDatatypeColor=65535\n"
            "RandomFill1=75\nRandomFill2=20\nRandomFill3=5\n\n"
            "[Files]\nProject=\nTilesDir=\nMapsDir=\nTile=\nMap=\n\n"
            "[Window]\nSave=False\nState=2\nTop=1500\nLeft=3000\nWidth=15435\nHeight=12000\n\n"
            "[ColorPalette]\nColor0=0,0,0\nColor1=255,255,255\nColor2=116,67,53\n"
            "Color3=124,172,186\nColor4=123,72,144\nColor5=100,151,79\nColor6=64,50,133\n"
            "Color7=191,205,122\nColor8=123,91,47\nColor9=79,69,0\nColor10=163,144,101\n"
            "Color11=80,80,80\nColor12=120,120,120\nColor13=164,215,142\n"
            "Color14=120,106,189\nColor15=159,159,159\n");
  // The tile pictures start in the palette's background, the frame in its saved colour.
  writeText(path("Mosaicwright.ini"), "[Defaults]\nSelectColor=9\n[ColorPalette]\nColor0=10,20,30");
  startUp();
  EXPECT_EQ(std::pair(a.frm.picTileView.pixel(511, 127), a.frm.shpTileSelected.borderColor),
            std::pair(10 + 20 * 256 + 30 * 65536, 9));
}

TEST_F(Startup, TheStartUpProjectReportsOnlyTheMembersItNamesAFileFor) {
  // Saved by an editor that puts a byte order mark first; it names a file for the tileset alone.
  writeText(path("game.mwj"),
            "\xEF\xBB\xBF[Files]\nMWRT=\nTYPE=\nTILE=" + path("gone.prg") + "\nCMAP=\n");
  writeText(path("Mosaicwright.ini"), "[Files]\nProject=" + path("game.mwj") + "\n");
  prompts.answerMsgBox(vbOK);
  startUp(path("x.mwj") + "\"");  // a lone closing quote stays: it names no project
  EXPECT_EQ(prompts.lastMessage(),
            "Project Load Error | \nTileset file (" + path("gone.prg") + ") NOT FOUND!");
  writeText(path("other.mwj"), readText(path("game.mwj")));
  prompts.answerMsgBox(vbOK);
  startUp("\"" + path("other.mwj") + "\"");  // quoted by a launcher; it goes before the settings'
  EXPECT_EQ(a.frm.lblProject.caption, "Project - other.mwj");
}

TEST_F(Startup, AStoredWindowStateIsRestoredOnlyAsTheWindowCanTakeIt) {
  using Case = std::tuple<int, int, bool>;  // stored state, state applied, geometry too
  for (auto [stored, state, geometry] :
       {Case{0, 0, true}, {1, 1, false}, {2, 2, false}, {5, 0, true}, {-1, 0, true}}) {
    writeText(path("Mosaicwright.ini"), "[Window]\nSave=True\nState=" + std::to_string(stored) +
                                            "\nTop=150\nLeft=300\nWidth=9000\nHeight=6000\n");
    host.applied.clear();
    startUp();
    ASSERT_EQ(host.applied.size(), 1u) << stored;
    const auto& [p, geometryToo] = host.applied[0];
    EXPECT_EQ(std::vector<int32_t>({p.state, p.top, p.left, p.width, p.height, geometryToo}),
              std::vector<int32_t>({state, 150, 300, 9000, 6000, geometry})) << stored;
  }
}
