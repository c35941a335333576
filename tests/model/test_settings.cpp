#include <QFileInfo>
#include <gtest/gtest.h>

#include "model/Settings.h"
#include "platform/IniFile.h"
#include "platform/FileAccess.h"
#include "support/DocumentFilesHelpers.h"
#include "support/TestApp.h"

namespace {

class Settings : public AppTest {
 protected:
  std::string ini() const { return path("Mosaicwright.ini"); }
  // Another program start over the given settings file.
  void load(App& b, const std::string& text) {
    if (!text.empty()) writeText(ini(), text);
    b.prompts = &prompts;
    b.host = &host;
    LoadSettings(b);
  }
};

TEST_F(Settings, MissingEmptyAndOddValuesLoadTheirFallbacks) {
  const struct {
    const char* ini;
    int state, fill1;
    bool askSave;
  } rows[] = {
      {"[Window]\n", 2, 75, false},  // keys missing
      {"[Window]\nState=\n[Defaults]\nRandomFill1=\nAskSave=\n", 0, 75, false},
      {"[Window]\nState=7\n[Defaults]\nRandomFill1=40.5\nAskSave=true\n", 0, 40, true},
      {"[Window]\nState=-1\n[Defaults]\nRandomFill1=12abc\nAskSave=1\n", 0, 12, true},
      {"[Window]\nState=1\n[Defaults]\nRandomFill1=90\nAskSave=0\n", 1, 90, false},
  };
  for (const auto& r : rows) {
    App b;
    load(b, r.ini);
    EXPECT_EQ(b.st.WindowState, r.state) << r.ini;
    EXPECT_EQ(b.st.RandomFill[1], r.fill1) << r.ini;
    EXPECT_EQ(b.st.AskSave, r.askSave) << r.ini;
  }
  App b;
  load(b, "[Window]\nTop=\n[Defaults]\nSelectColor=orange\n");
  EXPECT_EQ(b.st.WindowTop, 0);      // empty: 0
  EXPECT_EQ(b.st.WindowLeft, 3000);  // missing: the window's own
  EXPECT_EQ(b.st.SelectColor, 0);    // no number: black
}

TEST_F(Settings, DatatypeNamesFillAllItemsWithTheirHexPrefixes) {
  App b;
  load(b, "[DataTypes]\nD000=\"Floor\"\nD005=\nD010=\"  Deep Water \"\nD255=Edge\n");
  const auto& items = b.frm.lstDatatypes.items;
  ASSERT_EQ(items.size(), 256u);
  EXPECT_EQ(items[0], "00 = Floor");
  EXPECT_EQ(items[5], "05 = UNDEFINED");
  EXPECT_EQ(items[10], "0A =   Deep Water ");
  EXPECT_EQ(items[255], "FF = Edge");
  EXPECT_EQ(b.frm.lstDatatypes.listIndex, 0);
}

TEST_F(Settings, SavedValuesLoadBackAndOtherSectionsStay) {
  writeText(ini(), "[MRU]\nTILE0=/t.prg\n");
  a.st.WindowTop = -150;
  a.st.DatatypeColor = -1;
  a.st.StartupProject = "/p/a b.mwj";
  a.st.StartupTileset = "/" + std::string(350, 'd') + "/t.prg";  // longer than any old limit
  SaveSettings(a);
  EXPECT_NE(readText(ini()).find("\nTop=-150\n"), std::string::npos);
  EXPECT_EQ(readText(ini()).rfind("[MRU]\nTILE0=/t.prg\n", 0), 0u);

  App b;
  load(b, "");
  EXPECT_EQ(b.st.WindowTop, -150);
  EXPECT_EQ(b.st.DatatypeColor, -1);
  EXPECT_EQ(b.st.StartupProject, "/p/a b.mwj");
  EXPECT_EQ(b.st.StartupTileset, a.st.StartupTileset);
  EXPECT_EQ(b.st.TilesetMRU[0], "/t.prg");
}

TEST_F(Settings, LineFeedsOnlyOrAFileTooLongToBeOursLoadAsAnEmptyFileDoes) {
  const auto loaded = [](const App& b) {
    const ProgramState& s = b.st;
    return std::make_tuple(s.AskSave, s.SelectColor, s.DatatypeColor, s.RandomFill,
                           s.StartupProject, s.TilesDir, s.StartupTileset, s.SaveWindow,
                           s.WindowState, s.WindowTop, s.WindowHeight, s.Palette,
                           b.frm.lstDatatypes.items, s.ProjectMRU, s.ColormapMRU);
  };
  writeText(ini(), "");
  App empty;
  load(empty, "");
  App feeds;
  load(feeds, std::string(2 << 20, '\n'));
  EXPECT_TRUE(loaded(feeds) == loaded(empty));

  constexpr uint64_t kHuge = (uint64_t(1) << 32) + 5;
  ASSERT_TRUE(writeSparse(ini(), kHuge));
  App huge;
  load(huge, "");
  EXPECT_TRUE(loaded(huge) == loaded(empty));
  SaveSettings(huge);  // neither this nor the first-run write may replace the file
  EXPECT_EQ(QFileInfo(QString::fromStdString(ini())).size(), qint64(kHuge));
  EXPECT_EQ(readFileHead(ini(), 4), Bytes(4, 0));
}

TEST_F(Settings, StartupPathWithALineBreakCannotInjectKeys) {
  writeText(ini(), "[Files]\nProject=\n");
  a.st.StartupProject = "/p/x.mwj\n[Files]\nTile=/evil.prg";
  SaveSettings(a);
  EXPECT_EQ(GetPrivateProfileString("Files", "Tile", "none", ini()), "");
  EXPECT_EQ(GetPrivateProfileString("Files", "Project", "none", ini()), "");
}

}  // namespace
