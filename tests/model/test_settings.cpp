#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/ScriptedPrompts.h"
#include "model/App.h"
#include "model/Settings.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"

namespace {

class PlacedHost : public WindowHost {
 public:
  WindowPlacement p;
  WindowPlacement CurrentPlacement() const override { return p; }
};

class SettingsTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  ScriptedPrompts prompts;
  PlacedHost host;
  App a;

  void SetUp() override {
    SetAppPathForTesting(dir.path().toStdString());
    a.prompts = &prompts;
    a.host = &host;
    host.p.top = 1200;
    host.p.left = 900;
    host.p.width = 15435;
    host.p.height = 11700;
  }
  void TearDown() override { SetAppPathForTesting(""); }

  std::string ini() const { return dir.filePath("Mosaicwright.ini").toStdString(); }
  void put(const std::string& text) {
    QFile f(QString::fromStdString(ini()));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.data(), qint64(text.size()));
  }
  std::string content() const {
    QFile f(QString::fromStdString(ini()));
    if (!f.open(QIODevice::ReadOnly)) return "<missing>";
    return f.readAll().toStdString();
  }
};

TEST_F(SettingsTest, SettingsFileLivesInTheProgramFolder) {
  EXPECT_EQ(SettingsPath(), dir.path().toStdString() + "/Mosaicwright.ini");
}

TEST_F(SettingsTest, FirstRunWritesDefaultsWindowPlacementAndBuiltInPalette) {
  LoadSettings(a);
  EXPECT_EQ(content(),
            "[Defaults]\n"
            "AskSave=False\n"
            "SelectColor=16744448\n"
            "DatatypeColor=65535\n"
            "RandomFill1=75\n"
            "RandomFill2=20\n"
            "RandomFill3=5\n"
            "\n"
            "[Files]\n"
            "Project=\n"
            "TilesDir=\n"
            "MapsDir=\n"
            "Tile=\n"
            "Map=\n"
            "\n"
            "[Window]\n"
            "Save=False\n"
            "State=2\n"
            "Top=1200\n"
            "Left=900\n"
            "Width=15435\n"
            "Height=11700\n"
            "\n"
            "[ColorPalette]\n"
            "Color0=0,0,0\n"
            "Color1=255,255,255\n"
            "Color2=116,67,53\n"
            "Color3=124,172,186\n"
            "Color4=123,72,144\n"
            "Color5=100,151,79\n"
            "Color6=64,50,133\n"
            "Color7=191,205,122\n"
            "Color8=123,91,47\n"
            "Color9=79,69,0\n"
            "Color10=163,144,101\n"
            "Color11=80,80,80\n"
            "Color12=120,120,120\n"
            "Color13=164,215,142\n"
            "Color14=120,106,189\n"
            "Color15=159,159,159\n");
}

TEST_F(SettingsTest, FirstRunLoadsDefaultsEverywhere) {
  LoadSettings(a);
  EXPECT_FALSE(a.st.AskSave);
  EXPECT_EQ(a.st.SelectColor, 0xFF8000);
  EXPECT_EQ(a.st.DatatypeColor, 0x00FFFF);
  EXPECT_EQ(a.st.RandomFill[1], 75);
  EXPECT_EQ(a.st.RandomFill[2], 20);
  EXPECT_EQ(a.st.RandomFill[3], 5);
  EXPECT_EQ(a.st.WindowState, 2);
  EXPECT_EQ(a.st.WindowTop, 1200);
  EXPECT_EQ(a.st.WindowLeft, 900);
  EXPECT_EQ(a.st.Palette[2], 116 + 256 * 67 + 65536 * 53);
  EXPECT_EQ(a.frm.picColor[15], 159 + 256 * 159 + 65536 * 159);
  EXPECT_EQ(a.frm.lstDatatypes.items.size(), 256u);
  EXPECT_EQ(a.frm.lstDatatypes.items[255], "FF = UNDEFINED");
  EXPECT_FALSE(a.frm.menu("mnuBar11").visible);
  EXPECT_FALSE(a.frm.menu("mnuTILEMRU(0)").visible);
}

TEST_F(SettingsTest, ExistingFileIsNotRewrittenByLoading) {
  const std::string text = "[Defaults]\r\nAskSave=true\r\n";
  put(text);
  LoadSettings(a);
  EXPECT_EQ(content(), text);
  EXPECT_TRUE(a.st.AskSave);
}

TEST_F(SettingsTest, EmptyValuesTakeTheFallbackMissingKeysTheDefault) {
  put("[Window]\nState=\nTop=\nLeft=\n[Defaults]\nRandomFill1=\nSelectColor=\n");
  LoadSettings(a);
  EXPECT_EQ(a.st.WindowState, 0);
  EXPECT_EQ(a.st.WindowTop, 0);
  EXPECT_EQ(a.st.WindowLeft, 0);
  EXPECT_EQ(a.st.WindowWidth, 15435);   // key missing: the window's own width
  EXPECT_EQ(a.st.WindowHeight, 11700);
  EXPECT_EQ(a.st.RandomFill[1], 75);
  EXPECT_EQ(a.st.SelectColor, 16744448);
}

TEST_F(SettingsTest, FileWithoutStateKeyRestoresMaximized) {
  put("[Window]\nSave=True\n");
  LoadSettings(a);
  EXPECT_EQ(a.st.WindowState, 2);
  EXPECT_TRUE(a.st.SaveWindow);
}

TEST_F(SettingsTest, UnknownWindowStateRestoresNormal) {
  put("[Window]\nState=7\n");
  LoadSettings(a);
  EXPECT_EQ(a.st.WindowState, 0);
  put("[Window]\nState=-1\n");
  LoadSettings(a);
  EXPECT_EQ(a.st.WindowState, 0);
  put("[Window]\nState=1\n");
  LoadSettings(a);
  EXPECT_EQ(a.st.WindowState, 1);
}

TEST_F(SettingsTest, PercentagesFollowTheNumericRule) {
  put("[Defaults]\nRandomFill1=40.5\nRandomFill2=12abc\nRandomFill3=90\n");
  LoadSettings(a);
  EXPECT_EQ(a.st.RandomFill[1], 40);
  EXPECT_EQ(a.st.RandomFill[2], 12);
  EXPECT_EQ(a.st.RandomFill[3], 90);  // taken as it stands, whatever the sum
}

TEST_F(SettingsTest, FlagsAcceptAnyLetterCaseOrNumbers) {
  put("[Defaults]\nAskSave=true\n[Window]\nSave=1\n");
  LoadSettings(a);
  EXPECT_TRUE(a.st.AskSave);
  EXPECT_TRUE(a.st.SaveWindow);
  put("[Defaults]\nAskSave=0\n[Window]\nSave=FALSE\n");
  LoadSettings(a);
  EXPECT_FALSE(a.st.AskSave);
  EXPECT_FALSE(a.st.SaveWindow);
  put("[Defaults]\nAskSave=yes\n");
  LoadSettings(a);
  EXPECT_FALSE(a.st.AskSave);
}

TEST_F(SettingsTest, ColourMadeOfLettersLoadsAsBlack) {
  put("[Defaults]\nSelectColor=orange\nDatatypeColor=&HFF\n");
  LoadSettings(a);
  EXPECT_EQ(a.st.SelectColor, 0);
  EXPECT_EQ(a.st.DatatypeColor, 255);
}

TEST_F(SettingsTest, PathOfBlanksOnlyIsEmptyAndLongPathsAreReadWhole) {
  std::string longPath = "/" + std::string(350, 'd') + "/start.mwj";
  put("[Files]\nProject=" + longPath + "\nTilesDir= \nMapsDir=/maps\n");
  LoadSettings(a);
  EXPECT_EQ(a.st.StartupProject, longPath);
  EXPECT_EQ(a.st.TilesDir, "");
  EXPECT_EQ(a.st.MapsDir, "/maps");
}

TEST_F(SettingsTest, SavedSettingsLoadBackUnchanged) {
  put("[Defaults]\nAskSave=False\n");
  a.st.AskSave = true;
  a.st.SelectColor = 255;
  a.st.DatatypeColor = -1;
  a.st.RandomFill = {0, 50, 30, 20};
  a.st.StartupProject = "/p/a b.mwj";
  a.st.TilesDir = "/t";
  a.st.MapsDir = "/m";
  a.st.StartupTileset = "/t/x.prg";
  a.st.StartupDatamap = "/m/y.prg";
  a.st.SaveWindow = true;
  a.st.WindowState = 1;
  a.st.WindowTop = -150;
  a.st.WindowLeft = 70000;
  a.st.WindowWidth = 9000;
  a.st.WindowHeight = 8000;
  SaveSettings(a);

  App b;
  b.prompts = &prompts;
  LoadSettings(b);
  EXPECT_TRUE(b.st.AskSave);
  EXPECT_EQ(b.st.SelectColor, 255);
  EXPECT_EQ(b.st.DatatypeColor, -1);
  EXPECT_EQ(b.st.RandomFill[1], 50);
  EXPECT_EQ(b.st.RandomFill[2], 30);
  EXPECT_EQ(b.st.RandomFill[3], 20);
  EXPECT_EQ(b.st.StartupProject, "/p/a b.mwj");
  EXPECT_EQ(b.st.TilesDir, "/t");
  EXPECT_EQ(b.st.MapsDir, "/m");
  EXPECT_EQ(b.st.StartupTileset, "/t/x.prg");
  EXPECT_EQ(b.st.StartupDatamap, "/m/y.prg");
  EXPECT_TRUE(b.st.SaveWindow);
  EXPECT_EQ(b.st.WindowState, 1);
  EXPECT_EQ(b.st.WindowTop, -150);
  EXPECT_EQ(b.st.WindowLeft, 70000);
  EXPECT_EQ(b.st.WindowWidth, 9000);
  EXPECT_EQ(b.st.WindowHeight, 8000);
}

TEST_F(SettingsTest, SaveWritesNegativeNumbersWithALeadingMinusAndTouchesNothingElse) {
  put("[MRU]\nTILE0=/t.prg\n[DataTypes]\nD001=\"Wall\"\n");
  a.st.WindowTop = -150;
  SaveSettings(a);
  std::string text = content();
  EXPECT_NE(text.find("\nTop=-150\n"), std::string::npos);
  EXPECT_EQ(text.rfind("[MRU]\nTILE0=/t.prg\n[DataTypes]\nD001=\"Wall\"\n", 0), 0u);
}

TEST_F(SettingsTest, StartupPathWithALineBreakCannotInjectKeys) {
  put("[Files]\nProject=\n");
  a.st.StartupProject = "/p/x.mwj\n[Files]\nTile=/evil.prg";
  SaveSettings(a);
  EXPECT_EQ(GetPrivateProfileString("Files", "Tile", "none", ini()), "");
  EXPECT_EQ(GetPrivateProfileString("Files", "Project", "none", ini()), "");
}

TEST_F(SettingsTest, DatatypeNamesFillTheListWithHexPrefixes) {
  put("[DataTypes]\nD000=\"Floor\"\nD005=\nD010=\"  Deep Water \"\nD255=Edge\n");
  LoadSettings(a);
  const auto& items = a.frm.lstDatatypes.items;
  ASSERT_EQ(items.size(), 256u);
  EXPECT_EQ(items[0], "00 = Floor");
  EXPECT_EQ(items[5], "05 = UNDEFINED");
  EXPECT_EQ(items[10], "0A =   Deep Water ");
  EXPECT_EQ(items[171], "AB = UNDEFINED");
  EXPECT_EQ(items[255], "FF = Edge");
  EXPECT_EQ(a.frm.lstDatatypes.listIndex, 0);
}

TEST_F(SettingsTest, BadPaletteEntryInSettingsIsReportedWhileLoading) {
  put("[ColorPalette]\nColor5=0,300,0\n");
  prompts.answerMsgBox(vbOK);
  LoadSettings(a);
  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(prompts.last().text, "Invalid GREEN in Color5!");
  EXPECT_EQ(a.st.Palette[5], 0);
  EXPECT_EQ(a.frm.picColor[5], 0);
}

TEST_F(SettingsTest, RecentFileListsAreLoadedAndShown) {
  put("[MRU]\nTILE0=/a.prg\nTILE1=\nTILE2=/c.prg\nMWJ0=/p.mwj\n");
  LoadSettings(a);
  EXPECT_EQ(a.st.TilesetMRU[0], "/a.prg");
  EXPECT_EQ(a.st.ProjectMRU[0], "/p.mwj");
  EXPECT_TRUE(a.frm.menu("mnuTILEMRU(0)").visible);
  EXPECT_FALSE(a.frm.menu("mnuTILEMRU(1)").visible);
  EXPECT_TRUE(a.frm.menu("mnuTILEMRU(2)").visible);
  EXPECT_TRUE(a.frm.menu("mnuBar11").visible);
  EXPECT_TRUE(a.frm.menu("mnuBar8").visible);
  EXPECT_FALSE(a.frm.menu("mnuBar9").visible);
}

}  // namespace
