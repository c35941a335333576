#include "editor/logic/DocumentFiles.h"
#include "editor/logic/TilesetCommands.h"
#include "platform/Bytes.h"
#include "support/TestApp.h"

namespace {
class TilesetCommands : public AppTest {
 protected:
  void SetUp() override { startUp(); }
};
}  // namespace

TEST_F(TilesetCommands, ANewTilesetSavesAsEmptyTilesWhateverColourZeroIs) {
  a.st.Palette[0] = 10 + 20 * 256 + 30 * 65536;
  Bytes tiles{0x00, 0x30};
  tiles.resize(2050, 0xA5);
  writeBytes(path("t.prg"), tiles);
  LoadTileset(a, path("t.prg"));
  prompts.answerMsgBox(vbYes);
  mnuTilesetNew_Click(a);
  ASSERT_TRUE(SaveTileset(a, path("new.prg")));
  Bytes empty{0x00, 0x30};
  empty.resize(2050, 0x00);
  EXPECT_EQ(readBytes(path("new.prg")), empty);
}
