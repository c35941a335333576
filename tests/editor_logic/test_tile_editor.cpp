#include <functional>

#include "editor/logic/TileEditor.h"
#include "test_map_editing_helpers.h"

using TileEditor = MapTest;

TEST_F(TileEditor, ASelectionOrAResetWithdrawsTileUndoAndOffersDeleteTileAgain) {
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"a click on the sheet", [&] { click(kSheet, 4, 1); }},
      {"a block drag", [&] { drag(kSheet, 4, 1, 6, 2); }},
      {"a random-fill pick",
       [&] {
         a.st.RandomFillStep = 1;
         click(kSheet, 4, 1);
         a.st.RandomFillStep = 0;
       }},
      {"a reset", [&] { ResetTileSelection(a); }},
  };
  for (const auto& [what, change] : changes) {
    cmdClear_Click(a);
    ASSERT_TRUE(a.frm.cmdUndoEnabled && !a.frm.cmdClearEnabled) << what;
    change();
    EXPECT_FALSE(a.frm.cmdUndoEnabled) << what;
    EXPECT_TRUE(a.frm.cmdClearEnabled) << what;
  }
}

TEST_F(TileEditor, TileUndoGoesBackOverTheLastEditOnly) {
  click(kSheet, 3, 0);
  picTileBits_MouseDown(a, 0, 2, 0, 1, 1);
  const auto afterFirst = a.frm.picTileBits;
  cmdMirrorX_Click(a);
  cmdUndo_Click(a);
  EXPECT_EQ(a.frm.picTileBits, afterFirst);
  EXPECT_EQ(a.frm.picTileView.pixel(48, 0),
            a.st.Palette[0]);  // the right click's pixel stays clear
}
