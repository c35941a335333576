#include <gtest/gtest.h>

#include "model/RecentFiles.h"
#include "support/TestApp.h"

namespace {

using List = std::array<std::string, 5>;

class RecentFiles : public AppTest {
 protected:
  std::string ini() const { return path("Mosaicwright.ini"); }
  bool shown(const std::string& item) { return a.frm.menu(item).visible; }
  const List full{"/t0", "/t1", "/t2", "/t3", "/t4"};
};

TEST_F(RecentFiles, FirstPathTakesSlotZeroAndAllFiveKeysAreWritten) {
  AddMRU(a, kTileset, "/home/u/tiles.prg");
  EXPECT_EQ(a.st.TilesetMRU, (List{"/home/u/tiles.prg", "", "", "", ""}));
  EXPECT_EQ(readText(ini()), "[MRU]\nTILE0=/home/u/tiles.prg\nTILE1=\nTILE2=\nTILE3=\nTILE4=\n");
  EXPECT_TRUE(shown("mnuBar11"));
  EXPECT_TRUE(shown("mnuTILEMRU(0)"));
  EXPECT_EQ(a.frm.menu("mnuTILEMRU(0)").caption, "/home/u/tiles.prg");
  EXPECT_FALSE(shown("mnuTILEMRU(1)"));
}

TEST_F(RecentFiles, AddedPathMovesToTheTopAndTheRestShiftDown) {
  const struct {
    const char* path;
    List after;
  } rows[] = {
      {"/t0", {"/t0", "/t1", "/t2", "/t3", "/t4"}},    // already first: no change
      {"/t3", {"/t3", "/t0", "/t1", "/t2", "/t4"}},    // slot 4 stays
      {"/new", {"/new", "/t0", "/t1", "/t2", "/t3"}},  // the oldest drops
      {"/T1", {"/T1", "/t0", "/t1", "/t2", "/t3"}},    // letter case makes another path
  };
  for (const auto& r : rows) {
    a.st.TilesetMRU = full;
    writeText(ini(), "[MRU]\nTILE0=stale\n");
    AddMRU(a, kTileset, r.path);
    EXPECT_EQ(a.st.TilesetMRU, r.after) << r.path;
    EXPECT_EQ(readText(ini()), "[MRU]\nTILE0=" + r.after[0] + "\nTILE1=" + r.after[1] +
                                   "\nTILE2=" + r.after[2] + "\nTILE3=" + r.after[3] +
                                   "\nTILE4=" + r.after[4] + "\n")
        << r.path;
    EXPECT_EQ(a.frm.menu("mnuTILEMRU(4)").caption, r.after[4]) << r.path;
  }
}

TEST_F(RecentFiles, EmptyOrMultiLinePathChangesNoListButMenusAreRefreshed) {
  a.st.TilesetMRU = full;
  AddMRU(a, kTileset, "");
  AddMRU(a, kTileset, "/odd\nname.prg");
  EXPECT_EQ(a.st.TilesetMRU, full);
  EXPECT_EQ(readText(ini()), "");
  EXPECT_TRUE(shown("mnuTILEMRU(4)"));
}

TEST_F(RecentFiles, AddingToOneListRewritesOnlyItsKeysButRebuildsEveryMenu) {
  writeText(ini(), "[MRU]\nMWJ0=/p.mwj\nTILE0=/keep.prg\n");
  a.st.ProjectMRU[0] = "/p.mwj";
  AddMRU(a, kDatamap, "/m.prg");
  EXPECT_EQ(readText(ini()),
            "[MRU]\nMWJ0=/p.mwj\nTILE0=/keep.prg\nMWRT0=/m.prg\nMWRT1=\nMWRT2=\nMWRT3=\nMWRT4=\n");
  EXPECT_EQ(a.frm.menu("mnuMWJMRU(0)").caption, "/p.mwj");
  EXPECT_TRUE(shown("mnuBar8"));
  EXPECT_FALSE(shown("mnuBar12"));
}

TEST_F(RecentFiles, AnEmptySlotBetweenTwoLoadsAsAHiddenItem) {
  writeText(ini(), "[MRU]\nTILE0=/a.prg\nTILE1=\nTILE2=/c.prg\n");
  LoadMRU(a, ini());
  EXPECT_EQ(a.st.TilesetMRU, (List{"/a.prg", "", "/c.prg", "", ""}));
  RefreshMRUMenu(a, kTileset);
  EXPECT_TRUE(shown("mnuTILEMRU(0)"));
  EXPECT_FALSE(shown("mnuTILEMRU(1)"));
  EXPECT_TRUE(shown("mnuTILEMRU(2)"));
  EXPECT_TRUE(shown("mnuBar11"));
}

}  // namespace
