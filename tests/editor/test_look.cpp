#include <QTimer>

#include "window_fixture.h"

// The window in a fixed state as the user sees it: places, sizes, colours, fonts and pictures of
// every part. The dialogs' looks are checked where their tests open them.
TEST_F(RealWindow, TheWindowLooksAsBefore) {
  for (QTimer* clock : w->findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) clock->stop();
  frm().statusPanel[4] = frm().statusPanel[5] = "";  // no date or time
  for (int c = 0; c < 6; ++c) st().DatamapAt(c + 2, c / 2 + 1) = uint8_t(33 * c + 1);
  RedrawMap(app());
  // Cyan boxes in the tile editor, and in tile 0 on the sheet and all over the map.
  for (int box : {9, 18, 27, 36, 45, 54}) Click(w->control("picTileBits"), Cell(box % 8, box / 8));
  MoveTo(map(), Cell(17, 9));  // the map's cursor, and X = 18 Y = 10 in the status bar
  LooksAsBefore(w.get(), "main");
}
