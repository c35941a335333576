#include <gtest/gtest.h>

#include <regex>

#include "model/RecentFiles.h"
#include "platform/IniFile.h"
#include "support/TestApp.h"

namespace {

using List = std::array<std::string, 5>;

class RecentFiles : public AppTest {
 protected:
  std::string ini() const { return path("Mosaicwright.ini"); }
  bool shown(const std::string& item) { return a.frm.menu(item).visible; }
};

TEST_F(RecentFiles, AddedPathMovesToTheTopTheRestShiftDownAndTheListIsWrittenAndShown) {
  const List full{"/t0", "/t1", "/t2", "/t3", "/t4"};
  const struct {
    List before;
    const char* path;
    List after;
  } rows[] = {
      {{}, "/home/u/tiles.prg", {"/home/u/tiles.prg", "", "", "", ""}},
      {full, "/t0", full},                                     // already first: written again
      {full, "/t3", {"/t3", "/t0", "/t1", "/t2", "/t4"}},      // slot 4 stays
      {full, "/new", {"/new", "/t0", "/t1", "/t2", "/t3"}},    // the oldest drops
      {full, "/T1", {"/T1", "/t0", "/t1", "/t2", "/t3"}},      // letter case makes another path
      {full, "", full}, {full, "/a\nb", full},  // no path, or none that one key can hold
  };
  for (const auto& r : rows) {
    a.st.TilesetMRU = r.before;
    writeText(ini(), "[MRU]\nTILE0=stale\n");
    AddMRU(a, kTileset, r.path);
    EXPECT_EQ(a.st.TilesetMRU, r.after) << r.path;
    std::string file = "[MRU]\n";
    for (size_t i = 0; i < 5; ++i) {
      file += "TILE" + std::to_string(i) + "=" + r.after[i] + "\n";
      const MenuItem& item = a.frm.menu("mnuTILEMRU(" + std::to_string(i) + ")");
      EXPECT_EQ(std::tuple(item.visible, item.visible ? item.caption : r.after[i]),
                std::tuple(!r.after[i].empty(), r.after[i])) << r.path << " " << i;
    }
    EXPECT_EQ(readText(ini()), r.after[0] == r.path ? file : "[MRU]\nTILE0=stale\n") << r.path;
    EXPECT_TRUE(shown("mnuBar11"));
  }
}

TEST_F(RecentFiles, AddingToOneListLeavesTheOtherFourAndTheRestOfTheFileAsTheyWere) {
  const std::string before =
      "[Defaults]\nAskSave=True\n\n[MRU]\nMWJ0=/p.mwj\nMWRT0=/m0.map\nMWRT1=/m1.map\n"
      "TYPE0=/y.typ\nTILE0=/k.prg\nTILE1=\nTILE2=/k2.prg\nCMAP3=/c\n\n[DataTypes]\nD001=\"W\"\n";
  const List lists[5] = {{"/p.mwj", "", "", "", ""}, {"/m0.map", "/m1.map", "", "", ""},
                         {"/y.typ", "", "", "", ""}, {"/k.prg", "", "/k2.prg", "", ""},
                         {"", "", "", "/c", ""}};
  const char* prefixes[5] = {"MWJ", "MWRT", "TYPE", "TILE", "CMAP"};
  for (int kind = 0; kind < 5; ++kind) {
    writeText(ini(), before);
    LoadMRU(a, IniSnapshot(ini()));
    AddMRU(a, kind, "/new");
    EXPECT_EQ(Identity(a.st, kind).mru[0], "/new");
    for (int other = 0; other < 5; ++other)
      EXPECT_EQ(Identity(a.st, other).mru, other == kind ? Identity(a.st, kind).mru : lists[other]);
    const std::regex ownKeys(std::string("\n") + prefixes[kind] + "[0-4]=[^\n]*");
    EXPECT_EQ(std::regex_replace(readText(ini()), ownKeys, ""),
              std::regex_replace(before, ownKeys, ""));
    // Every menu is rebuilt from its own list; an empty slot between two is a hidden item.
    EXPECT_EQ(a.frm.menu("mnuMWJMRU(0)").caption, kind == 0 ? "/new" : "/p.mwj");
    EXPECT_EQ(std::tuple(shown("mnuTILEMRU(1)"), shown("mnuTILEMRU(2)")),
              std::tuple(kind == 3, kind != 3));
  }
}

}  // namespace
