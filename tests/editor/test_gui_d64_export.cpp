#include <QAction>
#include <memory>

#include "d64/d64_support.h"
#include "editor/frmMain.h"
#include "support/ScriptedPrompts.h"

using namespace d64test;

namespace {

// The real main window in an empty program folder, exporting through its menu.
class D64ExportMenu : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(prompts.pending(), 0u); }
  void open(const std::string& commandLine) {
    w = std::make_unique<frmMain>(commandLine, &prompts);
    w->show();
  }
  // File > Project > Export To D64, the dialog answered by `target`.
  void exportTo(const std::string& target) {
    prompts.answerSave(target).answerMsgBox(vbOK);
    w->action("mnuD64Extract")->trigger();
  }
  const CommonDialog& dialog() const { return prompts.shown().front().dialog; }

  TempProgramFolder folder;
  ScriptedPrompts prompts;
  std::unique_ptr<frmMain> w;
};

Bytes counting(Bytes head, size_t size, int step, int modulo, int offset) {
  for (size_t i = head.size(); i < size; ++i) head.push_back(uint8_t(i * step % modulo + offset));
  return head;
}

}  // namespace

TEST_F(D64ExportMenu, TheStartUpProjectGoesToBlankD64BesideBlankMwj) {
  open("");
  exportTo(folder.path("Blank.D64"));
  EXPECT_EQ(dialog().InitDir, folder.dir());
  EXPECT_EQ(dialog().FileName, "Blank.D64");
  EXPECT_EQ(prompts.last().title, "D64 File Export Complete");
  EXPECT_EQ(readBytes(folder.path("Blank.D64")).size(), 174848u);
}

TEST_F(D64ExportMenu, EveryLoadedDocumentExtractsAsItsOwnFile) {
  // The datamap and the tileset share one load address in memory, so the two
  // files carry the same one. Colours 1-15 only: a saved colormap has no 0.
  const std::pair<const char*, Bytes> files[] = {
      {"level.map", counting({0x00, 0x38, 40, 25}, 32772, 7, 256, 0)},
      {"tags.prg", counting({}, 32768, 3, 251, 1)},
      {"font.prg", counting({0x00, 0x38}, 2050, 13, 256, 0)},
      {"colours.prg", counting({0x3D, 0x32}, 258, 1, 15, 1)},
  };
  for (const auto& [name, bytes] : files) writeBytes(folder.path(name), bytes);
  writeText(folder.path("game.mwj"), "[Files]\nMWRT=" + folder.path("level.map") +
                                         "\nTYPE=" + folder.path("tags.prg") +
                                         "\nTILE=" + folder.path("font.prg") +
                                         "\nCMAP=" + folder.path("colours.prg") + "\n");
  open("\"" + folder.path("game.mwj") + "\"");
  ASSERT_TRUE(prompts.shown().empty());  // every member loaded

  exportTo(folder.path("game.d64"));
  EXPECT_EQ(dialog().FileName, "game.D64");
  EXPECT_EQ(prompts.last().title, "D64 File Export Complete");
  expectImage(folder.path("game.d64"), "game            ",
              kListedArt + std::vector<Listed>{{130, "level", "prg"},
                                               {130, "tags", "prg"},
                                               {9, "font", "prg"},
                                               {2, "colours", "prg"}},
              393,
              {{"level", files[0].second},
               {"tags", files[1].second},
               {"font", files[2].second},
               {"colours", files[3].second}});
}
