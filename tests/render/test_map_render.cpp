#include <gtest/gtest.h>

#include <memory>

#include "model/App.h"
#include "render/MapRender.h"

namespace {

// Every sheet pixel gets its own colour, x + 512 y, so a map pixel tells
// exactly which sheet pixel it came from.
int32_t sheetColour(int x, int y) { return x + 512 * y; }

std::unique_ptr<App> makeApp() {
  auto a = std::make_unique<App>();
  QImage& sheet = a->frm.picTileView.mutableImage();
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 512; ++x) sheet.setPixel(x, y, toQRgb(sheetColour(x, y)));
  a->frm.picMap.setBackColor(0x800000);
  return a;
}

// True when the 16 x 16 cell at (px, py) shows tile t exactly.
::testing::AssertionResult showsTile(const Picture& map, int px, int py, int t) {
  const int sx = 16 * (t % 32), sy = 16 * (t / 32);
  for (int j = 0; j < 16; ++j)
    for (int i = 0; i < 16; ++i)
      if (map.pixel(px + i, py + j) != sheetColour(sx + i, sy + j))
        return ::testing::AssertionFailure()
               << "pixel (" << px + i << ", " << py + j << ") is " << map.pixel(px + i, py + j);
  return ::testing::AssertionSuccess();
}

int countColour(const Picture& map, int px, int py, int32_t colour) {
  int n = 0;
  for (int j = 0; j < 16; ++j)
    for (int i = 0; i < 16; ++i) n += map.pixel(px + i, py + j) == colour;
  return n;
}

constexpr int32_t kLabel = 0xFF00FF;  // sheet colours stay below 0x010000

}  // namespace

// ---- Map redraw

TEST(MapRedraw, EveryCellShowsTheSheetBlockOfItsTile) {
  auto a = makeApp();
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 256; ++x) a->st.DatamapAt(x, y) = uint8_t((x + 7 * y) & 0xFF);
  a->st.DatamapAt(3, 2) = 255;
  a->st.DatamapAt(4, 2) = 0;
  RedrawMap(*a);

  const Picture& m = a->frm.picMap;
  EXPECT_EQ(m.pixel(48, 32), sheetColour(496, 112));  // tile 255 from (496, 112)
  EXPECT_EQ(m.pixel(63, 47), sheetColour(511, 127));
  EXPECT_EQ(m.pixel(64, 32), sheetColour(0, 0));  // tile 0 from (0, 0)
  EXPECT_TRUE(showsTile(m, 48, 32, 255));
  EXPECT_TRUE(showsTile(m, 64, 32, 0));
  EXPECT_TRUE(showsTile(m, 0, 0, 0));
  EXPECT_TRUE(showsTile(m, 16 * 33, 16 * 1, 40));
  EXPECT_TRUE(showsTile(m, 16 * 255, 16 * 127, (255 + 7 * 127) & 0xFF));
  EXPECT_TRUE(showsTile(m, 16 * 100, 16 * 64, (100 + 7 * 64) & 0xFF));
}

TEST(MapRedraw, ASmallMapIsCopiedClippedToItsPicture) {
  auto a = makeApp();
  a->frm.picMap.resize(160, 80);  // 10 x 5 cells
  a->st.DatamapAt(9, 4) = 255;
  a->st.DatamapAt(10, 4) = 1;
  RedrawMap(*a);

  const Picture& m = a->frm.picMap;
  EXPECT_EQ(m.width(), 160);
  EXPECT_EQ(m.height(), 80);
  EXPECT_TRUE(showsTile(m, 144, 64, 255));
  EXPECT_TRUE(showsTile(m, 0, 0, 0));
}

TEST(MapRedraw, AMapPictureCuttingThroughACellShowsItsLeftAndTopPart) {
  auto a = makeApp();
  a->frm.picMap.resize(150, 70);
  a->st.DatamapAt(9, 4) = 255;
  RedrawMap(*a);

  const Picture& m = a->frm.picMap;
  EXPECT_EQ(m.pixel(144, 64), sheetColour(496, 112));
  EXPECT_EQ(m.pixel(149, 69), sheetColour(501, 117));
  EXPECT_EQ(m.pixel(149, 0), sheetColour(5, 0));
}

TEST(MapRedraw, ThePartOfAPictureBeyondTheCellsShowsBackground) {
  auto a = makeApp();
  a->frm.picMap.resize(4100, 2050);
  a->frm.picMap.setPixel(4099, 10, 0x123456);
  a->frm.picMap.setPixel(20, 2049, 0x123456);
  a->st.DatamapAt(255, 127) = 1;
  RedrawMap(*a);

  const Picture& m = a->frm.picMap;
  EXPECT_TRUE(showsTile(m, 4080, 2032, 1));
  EXPECT_EQ(m.pixel(4096, 0), 0x800000);
  EXPECT_EQ(m.pixel(4099, 10), 0x800000);
  EXPECT_EQ(m.pixel(20, 2049), 0x800000);
  EXPECT_EQ(m.pixel(4099, 2049), 0x800000);
}

TEST(MapRedraw, ATileOutsideASmallerSheetShowsBackground) {
  auto a = makeApp();
  a->frm.picTileView.resize(256, 64);
  a->st.DatamapAt(0, 0) = 255;
  a->st.DatamapAt(1, 0) = 17;  // (272, 0): also beyond a 256-wide sheet
  a->st.DatamapAt(2, 0) = 33;  // (16, 16): inside
  RedrawMap(*a);

  const Picture& m = a->frm.picMap;
  EXPECT_EQ(countColour(m, 0, 0, 0x800000), 256);
  EXPECT_EQ(countColour(m, 16, 0, 0x800000), 256);
  EXPECT_TRUE(showsTile(m, 32, 0, 33));
}

TEST(MapRedraw, ARedrawReplacesWhateverTheViewShowedAndRepaintsItAll) {
  auto a = makeApp();
  a->frm.picMap.setPixel(5, 5, 0x123456);
  a->frm.picMap.takeDirty();
  RedrawMap(*a);
  EXPECT_EQ(a->frm.picMap.pixel(5, 5), sheetColour(5, 5));
  EXPECT_EQ(a->frm.picMap.takeDirty(), QRect(0, 0, 4096, 2048));
}

// ---- Datatype labels

TEST(DatatypeOverlay, NonZeroValuesAreLabelledInTheDatatypeColour) {
  auto a = makeApp();
  a->st.DatatypeColor = kLabel;
  a->st.DatatypeAt(1, 0) = 10;
  a->st.DatatypeAt(2, 0) = 255;
  a->st.DatatypeAt(200, 100) = 1;
  RedrawMap(*a);
  DrawDatatypeOverlay(*a);

  const Picture& m = a->frm.picMap;
  EXPECT_EQ(a->frm.picMapForeColor, kLabel);
  EXPECT_GT(countColour(m, 16, 0, kLabel), 5);
  EXPECT_GT(countColour(m, 32, 0, kLabel), 5);
  EXPECT_GT(countColour(m, 3200, 1600, kLabel), 2);
  EXPECT_EQ(countColour(m, 0, 0, kLabel), 0);
  EXPECT_EQ(countColour(m, 48, 0, kLabel), 0);
  EXPECT_EQ(a->st.DatatypeAt(1, 0), 10);
  EXPECT_EQ(a->st.DatatypeAt(2, 0), 255);
}

TEST(DatatypeOverlay, TheLabelIsTheValueInTwoUpperCaseHexDigitsAtTheCellCorner) {
  auto a = makeApp();
  a->st.DatatypeColor = kLabel;
  a->st.DatatypeAt(1, 0) = 10;
  a->st.DatatypeAt(2, 0) = 255;
  RedrawMap(*a);
  DrawDatatypeOverlay(*a);

  // The same text printed by hand onto the plain tiles.
  for (auto [cell, text] : {std::pair{1, "0A"}, std::pair{2, "FF"}}) {
    Picture expected(16, 16);
    Picture::bitBlt(expected, 0, 0, 16, 16, a->frm.picTileView, 0, 0);
    expected.printText(0, 0, text, kLabel, MapLabelFont());
    for (int j = 0; j < 16; ++j)
      for (int i = 0; i < 16; ++i)
        ASSERT_EQ(a->frm.picMap.pixel(16 * cell + i, j), expected.pixel(i, j))
            << text << " at " << i << "," << j;
  }
}

TEST(DatatypeOverlay, ARedrawRemovesTheLabels) {
  auto a = makeApp();
  a->st.DatatypeColor = kLabel;
  a->st.DatatypeAt(1, 0) = 10;
  RedrawMap(*a);
  DrawDatatypeOverlay(*a);
  ASSERT_GT(countColour(a->frm.picMap, 16, 0, kLabel), 0);
  RedrawMap(*a);
  EXPECT_TRUE(showsTile(a->frm.picMap, 16, 0, 0));
  EXPECT_EQ(a->st.DatatypeAt(1, 0), 10);
}

TEST(DatatypeOverlay, TheLabelFontIsABoldSansOfElevenPixels) {
  EXPECT_EQ(MapLabelFont().family, "DejaVu Sans");
  EXPECT_EQ(MapLabelFont().pixelSize, 11);
  EXPECT_TRUE(MapLabelFont().bold);
}

TEST(DatatypeCell, ZeroLeavesThePlainTileAndStoresZero) {
  auto a = makeApp();
  a->frm.picMapForeColor = kLabel;
  a->st.DatamapAt(5, 3) = 77;
  RedrawMap(*a);
  DrawDatatypeCell(*a, "3C", 80, 48);
  ASSERT_GT(countColour(a->frm.picMap, 80, 48, kLabel), 0);
  ASSERT_EQ(a->st.DatatypeAt(5, 3), 0x3C);

  DrawDatatypeCell(*a, "00", 80, 48);
  EXPECT_TRUE(showsTile(a->frm.picMap, 80, 48, 77));
  EXPECT_EQ(a->st.DatatypeAt(5, 3), 0);
}

TEST(DatatypeCell, ACellLabelUsesThePicturesCurrentTextColour) {
  auto a = makeApp();
  a->st.DatatypeColor = kLabel;
  a->frm.picMapForeColor = 0xFF0000;
  RedrawMap(*a);
  DrawDatatypeCell(*a, "7f", 0, 16);
  EXPECT_GT(countColour(a->frm.picMap, 0, 16, 0xFF0000), 0);
  EXPECT_EQ(countColour(a->frm.picMap, 0, 16, kLabel), 0);
  EXPECT_EQ(a->st.DatatypeAt(0, 1), 0x7F);
}

TEST(DatatypeCell, TheCellRedrawWipesTheOldLabel) {
  auto a = makeApp();
  a->frm.picMapForeColor = kLabel;
  RedrawMap(*a);
  DrawDatatypeCell(*a, "88", 32, 32);
  const int eights = countColour(a->frm.picMap, 32, 32, kLabel);
  DrawDatatypeCell(*a, "11", 32, 32);
  const int ones = countColour(a->frm.picMap, 32, 32, kLabel);
  EXPECT_GT(ones, 0);
  EXPECT_LT(ones, eights);  // no trace of the wider "88" is left
  EXPECT_EQ(a->st.DatatypeAt(2, 2), 0x11);
}

TEST(DatatypeCell, ATextNotBeginningWithAHexDigitStoresZero) {
  auto a = makeApp();
  a->st.DatatypeAt(0, 0) = 9;
  DrawDatatypeCell(*a, "G1", 0, 0);
  EXPECT_EQ(a->st.DatatypeAt(0, 0), 0);
  a->st.DatatypeAt(0, 0) = 9;
  DrawDatatypeCell(*a, " 1", 0, 0);
  EXPECT_EQ(a->st.DatatypeAt(0, 0), 0);
}

TEST(DatatypeCell, APositionOffTheDatamapChangesNothing) {
  auto a = makeApp();
  a->frm.picMapForeColor = kLabel;
  const CellArray before = a->st.DatatypeMap;
  DrawDatatypeCell(*a, "0A", 4096, 0);
  DrawDatatypeCell(*a, "0A", 0, 2048);
  DrawDatatypeCell(*a, "0A", -16, 0);
  EXPECT_EQ(a->st.DatatypeMap, before);
}
