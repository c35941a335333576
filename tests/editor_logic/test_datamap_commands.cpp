#include "editor/logic/DatamapCommands.h"
#include "platform/Bytes.h"
#include "support/TestApp.h"

namespace {
class DatamapCommands : public AppTest {
 protected:
  void SetUp() override { startUp(); }
};
}  // namespace

TEST_F(DatamapCommands, SavingTiedDatamapAsksNothing) {
  tie(kDatamap, "world.map");
  a.st.DatamapAt(0, 0) = 0x11;
  writeBytes(path("world.map"), Bytes(40000, 0xEE));
  EXPECT_EQ(mnuDatamapSave_Click(a), SaveResult::Saved);
  const Bytes file = readBytes(path("world.map"));
  ASSERT_EQ(file.size(), 32772u);
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 5), (Bytes{0x00, 0x00, 0xFF, 0x7F, 0x11}));
  EXPECT_EQ(a.st.DatamapMRU[0], "");  // only a save through the dialog enters the list
}

TEST_F(DatamapCommands, ClearAsksFirstAndClearsOnlyOnYes) {
  a.st.DatamapAt(5, 5) = 7;
  prompts.answerMsgBox(vbNo).answerMsgBox(vbYes);
  mnuDatamapClear_Click(a);
  EXPECT_EQ(prompts.last().text, "Are you sure you want to clear the Datamap?");
  EXPECT_EQ(prompts.last().title, "WARNING!!");
  EXPECT_EQ(prompts.last().style, 4);
  EXPECT_EQ(a.st.DatamapAt(5, 5), 7);
  mnuDatamapClear_Click(a);
  EXPECT_EQ(a.st.DatamapAt(5, 5), 0);
}

TEST_F(DatamapCommands, ResizingToFortyAndBackKeepsEveryCell) {
  a.st.DatamapAt(39, 24) = 1;
  a.st.DatamapAt(200, 100) = 2;
  for (int width : {40, 256}) {
    host.mapSizeDialog = [&] {  // the user enters the width and presses OK
      a.st.MapWidth = int16_t(width);
      a.st.MsgResult = 1;
    };
    mnuDatamapResize_Click(a);
    EXPECT_EQ(a.frm.picMap.width(), 16 * width);
  }
  EXPECT_EQ(a.st.DatamapAt(39, 24), 1);
  EXPECT_EQ(a.st.DatamapAt(200, 100), 2);
}

TEST_F(DatamapCommands, ExportWritesItsOwnFileOnly) {
  tie(kDatamap, "world.map");
  a.st.MapWidth = 40;
  a.st.MapHeight = 25;
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 256; ++x) a.st.DatamapAt(x, y) = uint8_t(3 * x + 7 * y);
  writeBytes(path("out.prg"), Bytes(5000, 0xEE));
  prompts.answerSave(path("out.prg"));
  mnuDatamapExport_Click(a);
  const Bytes file = readBytes(path("out.prg"));
  ASSERT_EQ(file.size(), 1002u);
  // Load address 0x5000, then cells (0, 0), (1, 0) .. (39, 0), (0, 1) .. (39, 24),
  // the last 117 + 168 = 285, 29 as a byte.
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 4), (Bytes{0x00, 0x50, 0, 3}));
  EXPECT_EQ(Bytes(file.begin() + 41, file.begin() + 43), (Bytes{117, 7}));
  EXPECT_EQ(file[1001], 29);
  EXPECT_EQ(a.st.DatamapPath, path("world.map"));
  EXPECT_EQ(a.st.DatamapMRU[0], "");
}
