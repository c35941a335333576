#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "model/App.h"
#include "render/MapRender.h"
#include "render/TilesetRender.h"

namespace {

// Every sheet pixel gets its own colour, x + 512 y, so a map pixel tells
// exactly which sheet pixel it came from.
int32_t sheetColour(int x, int y) { return x + 512 * y; }
constexpr int32_t kLabel = 0xFF00FF;  // sheet colours stay below it

std::unique_ptr<App> makeApp() {
  auto a = std::make_unique<App>();
  QImage& sheet = a->frm.picTileView.mutableImage();
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 512; ++x) sheet.setPixel(x, y, toQRgb(sheetColour(x, y)));
  a->st.DatatypeColor = kLabel;
  return a;
}

// True when the 16 x 16 cell at (px, py) shows tile t exactly.
bool showsTile(const Picture& map, int px, int py, int t) {
  for (int j = 0; j < 16; ++j)
    for (int i = 0; i < 16; ++i)
      if (map.pixel(px + i, py + j) != sheetColour(16 * (t % 32) + i, 16 * (t / 32) + j))
        return false;
  return true;
}

}  // namespace

TEST(MapRedraw, CellsShowTheirTilesAndNonZeroDatatypesTwoHexDigitsUntilTheNextRedraw) {
  auto a = makeApp();
  a->st.DatamapAt(3, 2) = 255;
  a->st.DatamapAt(255, 127) = 200;
  a->st.DatamapAt(1, 0) = 77;
  a->st.DatatypeAt(1, 0) = 10;
  a->st.DatatypeAt(2, 0) = 255;
  RedrawMap(*a);
  EXPECT_TRUE(showsTile(a->frm.picMap, 48, 32, 255));  // from (496, 112) of the sheet
  EXPECT_TRUE(showsTile(a->frm.picMap, 16 * 255, 16 * 127, 200));
  DrawDatatypeOverlay(*a);
  // The same texts printed by hand onto the plain tiles; cell 0 holds 0 and gets none.
  for (auto [cell, tile, text] : {std::tuple{0, 0, ""}, {1, 77, "0A"}, {2, 0, "FF"}}) {
    Picture expected(16, 16);
    Picture::bitBlt(expected, 0, 0, 16, 16, a->frm.picTileView, 16 * (tile % 32), 16 * (tile / 32));
    expected.printText(0, 0, text, kLabel, MapLabelFont());
    for (int j = 0; j < 16; ++j)
      for (int i = 0; i < 16; ++i)
        ASSERT_EQ(a->frm.picMap.pixel(16 * cell + i, j), expected.pixel(i, j)) << text;
  }
  RedrawMap(*a);
  EXPECT_TRUE(showsTile(a->frm.picMap, 32, 0, 0));
  EXPECT_EQ(a->st.DatatypeAt(2, 0), 255);
}

// The edited tile (101) fills one cell in eight; the small picture cuts cells at
// its right and bottom edges and shows the tile only at (3, 2) and the cut (40, 25).
TEST(MapRedraw, ATileEditLeavesTheMapAsAFullRedrawWouldAndRepaintsOnlyTheCellsItRedrew) {
  std::mt19937 random(7);
  for (const QSize size : {QSize(4096, 2048), QSize(650, 405)}) {
    auto a = makeApp();
    a->frm.picMap.resize(size.width(), size.height());
    for (uint8_t& t : a->st.Datamap) t = uint8_t(random() % 8 ? random() % 256 : 101);
    const bool small = size.width() < 4096;
    if (small) {
      for (int y = 0; y <= 25; ++y)
        for (int x = 0; x <= 40; ++x) a->st.DatamapAt(x, y) = uint8_t(random() % 100);
      a->st.DatamapAt(3, 2) = a->st.DatamapAt(40, 25) = 101;
    }
    RedrawMap(*a);
    // A stale stamp over cells (2..4, 1..2), as a block brush stretched by an edit leaves.
    Picture::bitBlt(a->frm.picMap, 40, 24, 32, 16, a->frm.picTileView, 100, 50);
    a->frm.picMap.takeDirty();
    a->frm.shpTileSelected = {16 * 5, 16 * 3, 16, 16};
    for (size_t i = 0; i < 64; ++i) a->frm.picTileBits[i] = int32_t(0x800000 + 3 * i);
    CommitTileEdit(*a);
    const QImage partial = a->frm.picMap.image().copy();
    const QRect repainted = a->frm.picMap.takeDirty();
    RedrawMap(*a);
    EXPECT_TRUE(partial == a->frm.picMap.image()) << size.width();
    EXPECT_TRUE(!small || repainted == QRect(32, 16, 650 - 32, 405 - 16));
  }
}
