#include "editor/logic/Zoom.h"
#include "platform/Color.h"
#include "support/TestApp.h"

namespace {
// Every pixel of the map differs from its neighbours, so a copy that samples
// the wrong column or row shows it.
int32_t MapColor(int x, int y) { return RGBColor(x & 0xFF, y & 0xFF, (x >> 8) + 16 * (y >> 8)); }

class Zoom : public AppTest {
 protected:
  void useMap(int cols, int rows) {
    a.st.MapWidth = int16_t(cols);
    a.st.MapHeight = int16_t(rows);
    a.st.Zoom = 100;
    a.frm.picMap.resize(16 * cols, 16 * rows);
    for (int y = 0; y < 16 * rows; ++y)
      for (int x = 0; x < 16 * cols; ++x) a.frm.picMap.setPixel(x, y, MapColor(x, y));
  }
};
}  // namespace

TEST_F(Zoom, CopiesSampleTheMapAndFitTheViewportButNeverShrinkToNothing) {
  useMap(256, 128);
  mnuZoom50_Click(a);
  const Picture& z = a.frm.picZoom;
  ASSERT_EQ(QSize(z.width(), z.height()), QSize(2048, 1024));
  for (int y = 0; y < 1024; ++y)
    for (int x = 0; x < 2048; ++x)
      ASSERT_EQ(z.pixel(x, y), MapColor(2 * x, 2 * y)) << x << "," << y;
  a.frm.picScrollWidth = 1001;
  a.frm.picScrollHeight = 593;
  mnuZoomPage_Click(a);
  EXPECT_EQ(QSize(z.width(), z.height()), QSize(1186, 593));  // 4096 * 593 / 2048 wide
  a.frm.picScrollHeight = 0;
  a.frm.picScrollWidth = -4;
  for (auto zoom : {mnuZoomPage_Click, mnuZoomWidth_Click}) {
    zoom(a);
    EXPECT_TRUE(z.width() >= 1 && z.height() >= 1);
  }
}

TEST_F(Zoom, EveryZoomLocksTheEditingMenusAndNamesItselfInTheCaption) {
  useMap(16, 8);
  const auto code2 = {"mnuFile", "mnuEdit", "mnuIdentify", "mnuSettings"};  // SetMenuState(a, 2)
  using Case = std::pair<void (*)(App&), std::string>;
  for (auto [zoom, name] :
       {Case{mnuZoom75_Click, "75%"}, Case{mnuZoom50_Click, "50%"}, Case{mnuZoom25_Click, "25%"},
        Case{mnuZoomPage_Click, "Fit Page"}, Case{mnuZoomWidth_Click, "Fit Width"}}) {
    zoom(a);
    EXPECT_EQ(a.frm.caption, "Mosaicwright v2.1 - [Zoom " + name + "]");
    for (const char* m : code2) EXPECT_FALSE(a.frm.menu(m).enabled) << name << " " << m;
    picZoom_Click(a);
    EXPECT_TRUE(a.frm.picZoom.isBlank()) << name;  // unzoomed, the copy holds no memory
    for (const char* m : code2) EXPECT_TRUE(a.frm.menu(m).enabled) << name << " " << m;
    EXPECT_EQ(a.frm.caption, "Mosaicwright v2.1 ");
  }
}

TEST_F(Zoom, ScrollStepsMoveTheShownPictureByTheMapsCellCount) {
  useMap(16, 8);
  SetScrollValue(a, false, 15);
  SetScrollValue(a, true, 3);
  // 16 pixels a step across, 8 down: only the last cell column stays in view.
  EXPECT_EQ(QPoint(a.frm.picMap.left, a.frm.picMap.top), QPoint(-240, -24));
  mnuZoom25_Click(a);
  SetScrollValue(a, false, 4);
  EXPECT_EQ(a.frm.picZoom.left, -64);
  picZoom_Click(a);
  cmdHome_Click(a);
  EXPECT_EQ(QPoint(a.frm.scrHorz.value, a.frm.scrVert.value), QPoint(0, 0));
  EXPECT_EQ(QPoint(a.frm.picMap.left, a.frm.picMap.top), QPoint(0, 0));
}
