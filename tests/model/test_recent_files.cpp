#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "model/App.h"
#include "model/RecentFiles.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"
#include "support/ScriptedPrompts.h"

namespace {

class RecentFilesTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  ScriptedPrompts prompts;
  App a;

  void SetUp() override {
    SetAppPathForTesting(dir.path().toStdString());
    a.prompts = &prompts;
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
  void fullTilesetList() { a.st.TilesetMRU = {"/t0.prg", "/t1.prg", "/t2.prg", "/t3.prg", "/t4.prg"}; }
};

TEST_F(RecentFilesTest, FirstPathGoesToSlotZeroAndAllFiveKeysAreWritten) {
  AddMRU(a, kTileset, "/home/u/tiles.prg");
  EXPECT_EQ(a.st.TilesetMRU[0], "/home/u/tiles.prg");
  for (int i = 1; i < 5; ++i) EXPECT_EQ(a.st.TilesetMRU[size_t(i)], "");
  EXPECT_EQ(content(), "[MRU]\nTILE0=/home/u/tiles.prg\nTILE1=\nTILE2=\nTILE3=\nTILE4=\n");
  EXPECT_TRUE(a.frm.menu("mnuBar11").visible);
  EXPECT_TRUE(a.frm.menu("mnuTILEMRU(0)").visible);
  EXPECT_EQ(a.frm.menu("mnuTILEMRU(0)").caption, "/home/u/tiles.prg");
  for (int i = 1; i < 5; ++i)
    EXPECT_FALSE(a.frm.menu("mnuTILEMRU(" + std::to_string(i) + ")").visible);
}

TEST_F(RecentFilesTest, PathAlreadyFirstKeepsTheOrderButIsWrittenAgain) {
  fullTilesetList();
  put("[MRU]\nTILE0=stale\n");
  AddMRU(a, kTileset, "/t0.prg");
  EXPECT_EQ(a.st.TilesetMRU,
            (std::array<std::string, 5>{"/t0.prg", "/t1.prg", "/t2.prg", "/t3.prg", "/t4.prg"}));
  EXPECT_EQ(content(),
            "[MRU]\nTILE0=/t0.prg\nTILE1=/t1.prg\nTILE2=/t2.prg\nTILE3=/t3.prg\nTILE4=/t4.prg\n");
}

TEST_F(RecentFilesTest, PathFromSlotThreeMovesToTheTopAndSlotFourStays) {
  fullTilesetList();
  AddMRU(a, kTileset, "/t3.prg");
  EXPECT_EQ(a.st.TilesetMRU,
            (std::array<std::string, 5>{"/t3.prg", "/t0.prg", "/t1.prg", "/t2.prg", "/t4.prg"}));
}

TEST_F(RecentFilesTest, SixthPathDropsTheOldestFromListMenuAndFile) {
  fullTilesetList();
  AddMRU(a, kTileset, "/new.prg");
  EXPECT_EQ(a.st.TilesetMRU,
            (std::array<std::string, 5>{"/new.prg", "/t0.prg", "/t1.prg", "/t2.prg", "/t3.prg"}));
  EXPECT_EQ(a.frm.menu("mnuTILEMRU(4)").caption, "/t3.prg");
  EXPECT_EQ(content().find("/t4.prg"), std::string::npos);
}

TEST_F(RecentFilesTest, EmptySlotsMoveDownLikeTheOthers) {
  a.st.DatamapMRU = {"/a", "", "/c", "", ""};
  AddMRU(a, kDatamap, "/n");
  EXPECT_EQ(a.st.DatamapMRU, (std::array<std::string, 5>{"/n", "/a", "", "/c", ""}));
  EXPECT_FALSE(a.frm.menu("mnuMWRTMRU(2)").visible);
  EXPECT_TRUE(a.frm.menu("mnuMWRTMRU(3)").visible);
}

TEST_F(RecentFilesTest, PathsDifferingOnlyInLetterCaseAreTwoEntries) {
  AddMRU(a, kColormap, "/x/Map.cmap");
  AddMRU(a, kColormap, "/x/map.cmap");
  EXPECT_EQ(a.st.ColormapMRU[0], "/x/map.cmap");
  EXPECT_EQ(a.st.ColormapMRU[1], "/x/Map.cmap");
}

TEST_F(RecentFilesTest, EmptyPathChangesNoListAndWritesNothing) {
  fullTilesetList();
  AddMRU(a, kTileset, "");
  EXPECT_EQ(a.st.TilesetMRU[0], "/t0.prg");
  EXPECT_EQ(a.st.TilesetMRU[4], "/t4.prg");
  EXPECT_EQ(content(), "<missing>");
  EXPECT_TRUE(a.frm.menu("mnuTILEMRU(4)").visible);  // menus still refreshed
}

TEST_F(RecentFilesTest, PathWithALineBreakIsNotRemembered) {
  fullTilesetList();
  AddMRU(a, kTileset, "/odd\nname.prg");
  EXPECT_EQ(a.st.TilesetMRU[0], "/t0.prg");
  EXPECT_EQ(content(), "<missing>");
}

TEST_F(RecentFilesTest, OutOfRangeKindTouchesNothingButRefreshesMenus) {
  a.st.ProjectMRU[0] = "/p.mwj";
  AddMRU(a, 5, "/x");
  AddMRU(a, -1, "/x");
  EXPECT_EQ(content(), "<missing>");
  EXPECT_EQ(a.frm.menu("mnuMWJMRU(0)").caption, "/p.mwj");
  EXPECT_TRUE(a.frm.menu("mnuBar8").visible);
}

TEST_F(RecentFilesTest, AddingToOneListRewritesOnlyItsKeysButRefreshesEveryMenu) {
  put("[MRU]\nMWJ0=/p.mwj\nTILE0=/keep.prg\n");
  a.st.ProjectMRU[0] = "/p.mwj";
  AddMRU(a, kDatamap, "/m.prg");
  EXPECT_EQ(content(),
            "[MRU]\nMWJ0=/p.mwj\nTILE0=/keep.prg\nMWRT0=/m.prg\nMWRT1=\nMWRT2=\nMWRT3=\nMWRT4=\n");
  EXPECT_TRUE(a.frm.menu("mnuMWJMRU(0)").visible);
  EXPECT_EQ(a.frm.menu("mnuMWJMRU(0)").caption, "/p.mwj");
  EXPECT_TRUE(a.frm.menu("mnuBar8").visible);
  EXPECT_FALSE(a.frm.menu("mnuBar12").visible);
}

TEST_F(RecentFilesTest, CaptionIsTheRawFullPath) {
  AddMRU(a, kProject, "/home/u/R&D projects/level 1.mwj");
  EXPECT_EQ(a.frm.menu("mnuMWJMRU(0)").caption, "/home/u/R&D projects/level 1.mwj");
}

TEST_F(RecentFilesTest, HiddenItemKeepsItsOldCaption) {
  a.frm.menu("mnuCMAPMRU(2)").caption = "/old.cmap";
  RefreshMRUMenu(a, kColormap);
  EXPECT_FALSE(a.frm.menu("mnuCMAPMRU(2)").visible);
  EXPECT_EQ(a.frm.menu("mnuCMAPMRU(2)").caption, "/old.cmap");
  EXPECT_FALSE(a.frm.menu("mnuBar12").visible);
}

TEST_F(RecentFilesTest, LoadingReadsAllTwentyFiveKeysWithGapsKept) {
  put("[MRU]\nTILE0=/a.prg\nTILE1=\nTILE2=/c.prg\nTYPE4=/t4.typ\nCMAP0=/c0\nMWRT3=/m3\nMWJ1=/p1\n");
  a.st.TilesetMRU[3] = "stale";
  LoadMRU(a, ini());
  EXPECT_EQ(a.st.TilesetMRU, (std::array<std::string, 5>{"/a.prg", "", "/c.prg", "", ""}));
  EXPECT_EQ(a.st.DatatypeMRU[4], "/t4.typ");
  EXPECT_EQ(a.st.ColormapMRU[0], "/c0");
  EXPECT_EQ(a.st.DatamapMRU[3], "/m3");
  EXPECT_EQ(a.st.ProjectMRU[1], "/p1");
  RefreshMRUMenu(a, kTileset);
  EXPECT_TRUE(a.frm.menu("mnuTILEMRU(0)").visible);
  EXPECT_FALSE(a.frm.menu("mnuTILEMRU(1)").visible);
  EXPECT_TRUE(a.frm.menu("mnuTILEMRU(2)").visible);
  EXPECT_TRUE(a.frm.menu("mnuBar11").visible);
}

TEST_F(RecentFilesTest, ListsSurviveARestartThroughTheSettingsFile) {
  AddMRU(a, kTileset, "/one.prg");
  AddMRU(a, kTileset, "/two.prg");
  App b;
  LoadMRU(b, ini());
  EXPECT_EQ(b.st.TilesetMRU, (std::array<std::string, 5>{"/two.prg", "/one.prg", "", "", ""}));
}

}  // namespace
