#include <QFile>
#include <QLabel>

#include "d64/d64_support.h"
#include "window_fixture.h"

using namespace d64test;
using FileCommands = ShownWindow;

TEST_F(FileCommands, NewThenSaveFromTheMenuWritesFiveFilesAndCtrlPLoadsThemBack) {
  prompts.answerInput("Level1");
  w->action("mnuProjectNew")->trigger();
  EXPECT_EQ(static_cast<QLabel*>(w->control("lblProject"))->text(), "Project - Level1.mwj");
  const char* files[] = {"Level1.mwj", "MWRT.Level1.PRG", "TYPE.Level1.PRG", "TILE.Level1.PRG",
                         "CMAP.Level1.PRG"};
  for (const char* f : files) prompts.answerSave(path(f));
  st().DatamapAt(0, 0) = 9;
  w->action("mnuProjectSave")->trigger();
  for (const char* f : files) EXPECT_TRUE(QFile::exists(QString::fromStdString(path(f)))) << f;
  EXPECT_EQ(w->action("mnuMWJMRU(0)")->text().toStdString(), path("Level1.mwj"));
  EXPECT_TRUE(w->action("mnuMWJMRU(0)")->isVisible());

  st().DatamapAt(0, 0) = 0;
  QApplication::setActiveWindow(w.get());
  prompts.answerOpen(path("Level1.mwj"));
  keys(Qt::Key_P);
  EXPECT_EQ(prompts.last().dialog.DialogTitle, "Load Project");
  EXPECT_EQ(st().DatamapAt(0, 0), 9);
  EXPECT_TRUE(map()->isEnabled());
}

TEST_F(FileCommands, ExportToD64WritesBlankD64AndLoadedDocumentsExtractAsTheirFiles) {
  auto exportTo = [&](const std::string& name) {
    prompts.clearShown();
    prompts.answerSave(path(name)).answerMsgBox(vbOK);
    w->action("mnuD64Extract")->trigger();
    EXPECT_EQ(prompts.shown().front().dialog.InitDir, folder.dir());
    EXPECT_EQ(prompts.last().title, "D64 File Export Complete");
  };
  exportTo("Blank.D64");
  EXPECT_EQ(prompts.shown().front().dialog.FileName, "Blank.D64");
  EXPECT_EQ(readBytes(path("Blank.D64")).size(), 174848u);

  // Counting bytes; colours 1-15 only, as a saved colormap has no 0. The
  // datamap and the tileset share one load address in memory.
  auto counting = [](Bytes head, size_t size, int step, int modulo, int offset) {
    for (size_t i = head.size(); i < size; ++i) head.push_back(uint8_t(i * step % modulo + offset));
    return head;
  };
  const Bytes level = counting({0x00, 0x38, 40, 25}, 32772, 7, 256, 0),
              tags = counting({}, 32768, 3, 251, 1), font = counting({0x00, 0x38}, 2050, 13, 256, 0),
              colours = counting({0x3D, 0x32}, 258, 1, 15, 1);
  for (auto [name, bytes] : {std::pair{"level.map", level}, {"tags.prg", tags},
                             {"font.prg", font}, {"colours.prg", colours}})
    writeBytes(path(name), bytes);
  writeText(path("game.mwj"), "[Files]\nMWRT=" + path("level.map") + "\nTYPE=" + path("tags.prg") +
                                  "\nTILE=" + path("font.prg") + "\nCMAP=" + path("colours.prg"));
  w = std::make_unique<frmMain>(path("game.mwj"), &prompts);
  exportTo("game.d64");
  ASSERT_EQ(prompts.shown().size(), 2u);  // every member loaded without a word
  expectImage(path("game.d64"), "game            ",
              kListedArt + std::vector<Listed>{{130, "level", "prg"}, {130, "tags", "prg"},
                                               {9, "font", "prg"}, {2, "colours", "prg"}},
              393, {{"level", level}, {"tags", tags}, {"font", font}, {"colours", colours}});
}
