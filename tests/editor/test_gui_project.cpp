#include <QAction>
#include <QLabel>
#include <QTest>
#include <memory>

#include "editor/frmMain.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"

namespace {

class ProjectWindow : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(prompts.pending(), 0u); }
  std::string path(const std::string& name) const { return folder.path(name); }
  // Cell (col, row) of the map as the window shows it.
  QColor shownCell(frmMain& w, int col, int row) {
    return w.mapView()->grab().toImage().pixelColor(16 * col + 5, 16 * row + 11);
  }
  QString labelText(frmMain& w, const char* name) {
    return static_cast<QLabel*>(w.control(name))->text();
  }

  TempProgramFolder folder;
  ScriptedPrompts prompts;
};

// A 40 x 25 map of tile 1 with tile 0 at (1, 0); tile 1 has all its pixels set
// and colour 2 (116,67,53), tile 0 none.
void writeGame(const std::string& dir) {
  std::vector<uint8_t> map{0x00, 0x40, 40, 25};
  map.resize(32772, 1);
  map[5] = 0;
  writeBytes(dir + "/m.map", map);
  std::vector<uint8_t> tiles(2048, 0);
  std::fill(tiles.begin() + 8, tiles.begin() + 16, 0xFF);
  writeBytes(dir + "/t.chr", tiles);
  std::vector<uint8_t> colours(258, 1);
  colours[3] = 2;
  writeBytes(dir + "/c.prg", colours);
  writeText(dir + "/game.mwj", "[Files]\nMWRT=" + dir + "/m.map\nTYPE=\nTILE=" + dir +
                                   "/t.chr\nCMAP=" + dir + "/c.prg\n");
}

}  // namespace

TEST_F(ProjectWindow, AProjectOnTheCommandLineIsDrawnWithItsTilesetAndColours) {
  writeGame(folder.dir());
  frmMain w(path("game.mwj"), &prompts);
  w.show();
  EXPECT_EQ(shownCell(w, 0, 0), QColor(116, 67, 53));
  EXPECT_EQ(shownCell(w, 1, 0), QColor(0, 0, 0));
  EXPECT_EQ(shownCell(w, 39, 24), QColor(116, 67, 53));
  EXPECT_EQ(w.mapView()->size(), QSize(640, 400));
  EXPECT_EQ(labelText(w, "lblProject"), "Project - game.mwj");
  EXPECT_EQ(labelText(w, "lblTileName"), "t.chr");
}

TEST_F(ProjectWindow, NewThenSaveFromTheMenuWritesFiveFilesAndCtrlPLoadsThemBack) {
  frmMain w("", &prompts);
  w.show();
  prompts.answerInput("Level1");
  w.action("mnuProjectNew")->trigger();
  EXPECT_EQ(labelText(w, "lblProject"), "Project - Level1.mwj");
  EXPECT_EQ(labelText(w, "lblMapName"), "MWRT.Level1.PRG");

  const char* files[] = {"Level1.mwj", "MWRT.Level1.PRG", "TYPE.Level1.PRG", "TILE.Level1.PRG",
                         "CMAP.Level1.PRG"};
  for (const char* f : files) prompts.answerSave(path(f));
  w.app().st.DatamapAt(0, 0) = 9;
  w.action("mnuProjectSave")->trigger();
  for (const char* f : files) EXPECT_TRUE(QFile::exists(QString::fromStdString(path(f)))) << f;
  EXPECT_EQ(w.action("mnuMWJMRU(0)")->text().toStdString(), path("Level1.mwj"));
  EXPECT_TRUE(w.action("mnuMWJMRU(0)")->isVisible());

  w.app().st.DatamapAt(0, 0) = 0;
  QApplication::setActiveWindow(&w);
  prompts.answerOpen(path("Level1.mwj"));
  QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(prompts.last().dialog.DialogTitle, "Load Project");
  EXPECT_EQ(w.app().st.DatamapAt(0, 0), 9);
  EXPECT_TRUE(w.mapView()->isEnabled());
}
