#include <gtest/gtest.h>

#include <memory>

#include "editor/logic/Zoom.h"
#include "model/App.h"
#include "platform/Color.h"

namespace {

// Every pixel of the map differs from its neighbours, so a copy that samples
// the wrong column or row shows it.
int32_t MapColor(int x, int y) { return RGBColor(x & 0xFF, y & 0xFF, (x >> 8) + 16 * (y >> 8)); }

std::unique_ptr<App> MakeZoomApp(int cols = 256, int rows = 128) {
  auto a = std::make_unique<App>();
  a->st.MapWidth = int16_t(cols);
  a->st.MapHeight = int16_t(rows);
  a->st.Zoom = 100;
  a->frm.picMap.resize(16 * cols, 16 * rows);
  for (int y = 0; y < 16 * rows; ++y)
    for (int x = 0; x < 16 * cols; ++x) a->frm.picMap.setPixel(x, y, MapColor(x, y));
  a->frm.picZoom.visible = false;
  return a;
}

bool ZoomMenusEnabled(App& a) {
  return a.frm.menu("mnuFile").enabled && a.frm.menu("mnuEdit").enabled &&
         a.frm.menu("mnuIdentify").enabled && a.frm.menu("mnuSettings").enabled;
}

bool ZoomMenusDisabled(App& a) {
  return !a.frm.menu("mnuFile").enabled && !a.frm.menu("mnuEdit").enabled &&
         !a.frm.menu("mnuIdentify").enabled && !a.frm.menu("mnuSettings").enabled;
}

}  // namespace

// ---- The zoomed copy

TEST(Zoom, HalfSizeCopyIsEverySecondPixelOfTheMap) {
  auto a = MakeZoomApp();
  mnuZoom50_Click(*a);

  const Picture& z = a->frm.picZoom;
  ASSERT_EQ(z.width(), 2048);
  ASSERT_EQ(z.height(), 1024);
  for (int y = 0; y < 1024; ++y)
    for (int x = 0; x < 2048; ++x)
      ASSERT_EQ(z.pixel(x, y), MapColor(2 * x, 2 * y)) << "at " << x << ", " << y;
  EXPECT_FLOAT_EQ(a->st.ZoomFactor, 0.5f);
}

TEST(Zoom, QuarterAndThreeQuarterCopiesHaveTheirSizes) {
  auto a = MakeZoomApp();
  mnuZoom25_Click(*a);
  EXPECT_EQ(a->frm.picZoom.width(), 1024);
  EXPECT_EQ(a->frm.picZoom.height(), 512);
  EXPECT_EQ(a->frm.picZoom.pixel(1, 1), MapColor(4, 4));
  mnuZoom75_Click(*a);
  EXPECT_EQ(a->frm.picZoom.width(), 3072);
  EXPECT_EQ(a->frm.picZoom.height(), 1536);
}

TEST(Zoom, FitPageOfAFullMapFillsTheViewportHeightAndRunsPastItsRightEdge) {
  auto a = MakeZoomApp();
  a->frm.picScrollWidth = 1001;
  a->frm.picScrollHeight = 593;
  mnuZoomPage_Click(*a);

  EXPECT_EQ(a->frm.picZoom.height(), a->frm.picScrollHeight);
  EXPECT_EQ(a->frm.picZoom.width(), 1186);  // 4096 * 593 / 2048
  EXPECT_EQ(a->frm.picZoom.left, 0);
  EXPECT_EQ(a->frm.picZoom.top, 0);
}

TEST(Zoom, FitWidthOfASmallTallMapFillsTheViewportWidth) {
  auto a = MakeZoomApp(16, 128);
  a->frm.picScrollWidth = 512;
  a->frm.picScrollHeight = 300;
  mnuZoomWidth_Click(*a);

  EXPECT_EQ(a->frm.picZoom.width(), 512);
  EXPECT_EQ(a->frm.picZoom.height(), 4096);  // twice 2048: taller than the viewport
  EXPECT_EQ(a->frm.picZoom.pixel(3, 5), MapColor(1, 2));
}

TEST(Zoom, ViewportSqueezedToNothingStillGivesACopy) {
  auto a = MakeZoomApp(16, 8);
  a->frm.picScrollHeight = 0;
  a->frm.picScrollWidth = -4;
  mnuZoomPage_Click(*a);
  EXPECT_GE(a->frm.picZoom.width(), 1);
  EXPECT_GE(a->frm.picZoom.height(), 1);
  mnuZoomWidth_Click(*a);
  EXPECT_GE(a->frm.picZoom.width(), 1);
  EXPECT_GE(a->frm.picZoom.height(), 1);
}

TEST(Zoom, CopyIsAStillImageOfTheMapAtThatMoment) {
  auto a = MakeZoomApp(16, 8);
  mnuZoom50_Click(*a);
  a->frm.picMap.setPixel(0, 0, 0x0000FF);
  EXPECT_EQ(a->frm.picZoom.pixel(0, 0), MapColor(0, 0));
  mnuZoom50_Click(*a);  // the same zoom again makes a new copy
  EXPECT_EQ(a->frm.picZoom.pixel(0, 0), 0x0000FF);
}

// ---- Zoomed and full-size states

TEST(Zoom, EveryZoomLocksTheEditingMenusAndAClickOnTheCopyUnlocksThem) {
  void (*zooms[])(App&) = {mnuZoom75_Click, mnuZoom50_Click, mnuZoom25_Click, mnuZoomPage_Click,
                           mnuZoomWidth_Click};
  for (auto zoom : zooms) {
    auto a = MakeZoomApp(16, 8);
    zoom(*a);
    EXPECT_TRUE(ZoomMenusDisabled(*a));
    EXPECT_TRUE(a->frm.menu("mnuZoom").enabled);
    EXPECT_TRUE(a->frm.menu("mnuBitmap").enabled);
    EXPECT_FALSE(a->frm.picMap.visible);
    EXPECT_FALSE(a->frm.picMap.enabled);
    EXPECT_TRUE(a->frm.picZoom.visible);

    picZoom_Click(*a);
    EXPECT_TRUE(ZoomMenusEnabled(*a));
    EXPECT_EQ(a->st.Zoom, 100);
    EXPECT_TRUE(a->frm.picMap.visible);
    EXPECT_TRUE(a->frm.picMap.enabled);
    EXPECT_FALSE(a->frm.picZoom.visible);
  }
}

TEST(Zoom, EachCommandPutsItsSuffixIntoTheCaption) {
  auto a = MakeZoomApp(16, 8);
  mnuZoom75_Click(*a);
  EXPECT_EQ(a->frm.caption, "Mosaicwright v2.1 - [Zoom 75%]");
  mnuZoom50_Click(*a);
  EXPECT_EQ(a->frm.caption, "Mosaicwright v2.1 - [Zoom 50%]");
  mnuZoom25_Click(*a);
  EXPECT_EQ(a->frm.caption, "Mosaicwright v2.1 - [Zoom 25%]");
  mnuZoomPage_Click(*a);
  EXPECT_EQ(a->frm.caption, "Mosaicwright v2.1 - [Zoom Fit Page]");
  mnuZoomWidth_Click(*a);
  EXPECT_EQ(a->frm.caption, "Mosaicwright v2.1 - [Zoom Fit Width]");
  mnuZoom100_Click(*a);
  EXPECT_EQ(a->frm.caption, "Mosaicwright v2.1 ");
}

TEST(Zoom, BackAtFullSizeTheMapIsWhereItWasAndUntouched) {
  auto a = MakeZoomApp(16, 8);
  SetScrollValue(*a, false, 5);
  SetScrollValue(*a, true, 2);
  mnuZoom25_Click(*a);
  mnuZoom100_Click(*a);
  EXPECT_EQ(a->frm.picMap.left, -80);
  EXPECT_EQ(a->frm.picMap.top, -16);
  EXPECT_EQ(a->frm.picMap.width(), 256);
  EXPECT_EQ(a->frm.picMap.pixel(200, 100), MapColor(200, 100));
  EXPECT_FLOAT_EQ(a->st.ZoomFactor, 1.0f);
}

// ---- Scroll bars and corner buttons

TEST(Scrolling, OneStepMovesTheMapByItsCellCount) {
  auto a = MakeZoomApp(16, 8);
  SetScrollValue(*a, false, 15);
  EXPECT_EQ(a->frm.picMap.left, -240);  // only the last cell column stays in view
  SetScrollValue(*a, true, 3);
  EXPECT_EQ(a->frm.picMap.top, -24);
}

TEST(Scrolling, ZoomedCopyMovesByTheSameStepAsTheFullMap) {
  auto a = MakeZoomApp();
  mnuZoom25_Click(*a);
  SetScrollValue(*a, false, 4);
  EXPECT_EQ(a->frm.picZoom.left, -1024);  // wholly left of the viewport
  EXPECT_EQ(a->frm.picMap.left, 0);
}

TEST(Scrolling, BarsStayWithinTheirRange) {
  auto a = MakeZoomApp(16, 8);
  SetScrollValue(*a, false, 99);
  EXPECT_EQ(a->frm.scrHorz.value, 15);
  SetScrollValue(*a, true, -3);
  EXPECT_EQ(a->frm.scrVert.value, 0);
}

TEST(Scrolling, CornerButtonOnABarAtZeroLeavesAShiftedMapAlone) {
  auto a = MakeZoomApp(16, 8);
  SetScrollValue(*a, false, 5);
  mnuZoom50_Click(*a);
  cmdLeft_Click(*a);  // moves the copy: the bar goes from 5 to 0
  EXPECT_EQ(a->frm.scrHorz.value, 0);
  EXPECT_EQ(a->frm.picZoom.left, 0);
  mnuZoom100_Click(*a);
  EXPECT_EQ(a->frm.picMap.left, -80);
  cmdLeft_Click(*a);
  EXPECT_EQ(a->frm.picMap.left, -80);
  cmdTop_Click(*a);
  EXPECT_EQ(a->frm.picMap.top, 0);
}

TEST(Scrolling, HomeAlwaysShowsTheMapFromItsTopLeftCorner) {
  auto a = MakeZoomApp(16, 8);
  a->frm.picMap.left = -80;
  a->frm.picMap.top = -8;
  cmdHome_Click(*a);
  EXPECT_EQ(a->frm.picMap.left, 0);
  EXPECT_EQ(a->frm.picMap.top, 0);

  SetScrollValue(*a, false, 2);
  SetScrollValue(*a, true, 1);
  cmdHome_Click(*a);
  EXPECT_EQ(a->frm.scrHorz.value, 0);
  EXPECT_EQ(a->frm.scrVert.value, 0);
  EXPECT_EQ(a->frm.picMap.left, 0);
  EXPECT_EQ(a->frm.picMap.top, 0);
}
