#include <QAction>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include "model/SettingsPath.h"
#include "platform/IniFile.h"
#include "window_fixture.h"

namespace {

// The window's viewport, its bars and the map it moves (256 x 128 cells,
// 4096 x 2048 pixels: far larger than the viewport).
class WindowView : public ShownWindow {
 protected:
  QScrollBar* bar(const char* name) { return static_cast<QScrollBar*>(w->control(name)); }
  QRect geo(const char* name) { return w->control(name)->geometry(); }
  void resizeClient(int width, int height) {
    w->resize(width, height + w->centralWidget()->y());
    QApplication::processEvents();
  }
  // A new window, as at the next start of the program.
  void reopen() {
    w.reset();
    w = std::make_unique<frmMain>("", &prompts);
    w->show();
  }
};

// The middle of a part of a scroll bar, where its style draws it now.
QPoint partOf(QScrollBar* bar, QStyle::SubControl part) {
  QStyleOptionSlider o;
  o.initFrom(bar);
  o.subControls = QStyle::SC_All;
  o.orientation = bar->orientation();
  if (o.orientation == Qt::Horizontal) o.state |= QStyle::State_Horizontal;
  o.minimum = bar->minimum();
  o.maximum = bar->maximum();
  o.sliderPosition = o.sliderValue = bar->value();
  o.singleStep = bar->singleStep();
  o.pageStep = bar->pageStep();
  return bar->style()->subControlRect(QStyle::CC_ScrollBar, &o, part, bar).center();
}

void clickPart(QScrollBar* bar, QStyle::SubControl part) {
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, partOf(bar, part));
}

}  // namespace

TEST_F(WindowView, TheBarsAndTheCornerButtonsMoveTheMapByWholeSteps) {
  QScrollBar *vert = bar("scrVert"), *horz = bar("scrHorz");
  clickPart(vert, QStyle::SC_ScrollBarAddLine);  // a step is MapHeight pixels
  EXPECT_EQ(map()->pos(), QPoint(0, -128));
  clickPart(horz, QStyle::SC_ScrollBarAddPage);  // and MapWidth across
  EXPECT_EQ(map()->pos(), QPoint(-256, -128));

  // A dragged thumb moves the map once, where it is let go.
  const QPoint thumb = partOf(vert, QStyle::SC_ScrollBarSlider), end(thumb.x(), vert->height());
  QTest::mousePress(vert, Qt::LeftButton, Qt::NoModifier, thumb);
  MoveTo(vert, end, Qt::LeftButton);
  EXPECT_EQ(map()->y(), -128);
  QTest::mouseRelease(vert, Qt::LeftButton, Qt::NoModifier, end);
  EXPECT_EQ(map()->y(), -128 * 15);

  QTest::mouseClick(w->control("cmdTop"), Qt::LeftButton);
  EXPECT_EQ(map()->pos(), QPoint(-256, 0));
  EXPECT_EQ(vert->value(), 0);
  clickPart(vert, QStyle::SC_ScrollBarAddLine);
  QTest::mouseClick(w->control("cmdLeft"), Qt::LeftButton);
  EXPECT_EQ(map()->pos(), QPoint(0, -128));
  EXPECT_EQ(horz->value(), 0);
  clickPart(horz, QStyle::SC_ScrollBarAddLine);
  QTest::mouseClick(w->control("cmdHome"), Qt::LeftButton);
  EXPECT_EQ(map()->pos(), QPoint(0, 0));
  EXPECT_EQ(horz->value() + vert->value(), 0);

  w->action("mnuZoom50")->trigger();  // zoomed, the bars move the copy
  clickPart(vert, QStyle::SC_ScrollBarAddLine);
  EXPECT_EQ(w->control("picZoom")->pos(), QPoint(0, -128));
}

TEST_F(WindowView, ResizingLaysOutTheBarsAndTheFitZoomsFillTheViewportLeft) {
  resizeClient(821, 600);
  EXPECT_EQ(geo("scrVert"), QRect(800, 16, 21, 394));
  EXPECT_EQ(geo("scrHorz"), QRect(24, 410, 777, 17));
  EXPECT_EQ(geo("Frame2").y(), 600 - 153 - 20);
  EXPECT_EQ(geo("picScroll").size(), QSize(800, 411));
  w->action("mnuZoomPage")->trigger();
  EXPECT_EQ(w->control("picZoom")->size(), QSize(822, 411));
  w->action("mnuZoomWidth")->trigger();
  EXPECT_EQ(w->control("picZoom")->size(), QSize(800, 400));

  resizeClient(600, 200);  // lower than the frames: the vertical bar shrinks to nothing
  EXPECT_EQ(geo("scrVert").height(), 0);
  EXPECT_EQ(geo("picScroll").height(), 17);
  resizeClient(1, 1);
  EXPECT_FALSE(geo("picScroll").isEmpty());
}

TEST_F(WindowView, ThePlaceSizeAndStateSavedAtExitComeBackInTheNextWindow) {
  st().SaveWindow = true;
  w->move(130, 90);
  w->resize(900, 700);
  ASSERT_TRUE(w->close());
  reopen();
  EXPECT_EQ(w->pos(), QPoint(130, 90));
  EXPECT_EQ(w->size(), QSize(900, 700));
  EXPECT_FALSE(w->isMaximized());

  w->showMaximized();
  ASSERT_TRUE(w->close());
  EXPECT_EQ(GetPrivateProfileString("Window", "State", "", SettingsPath()), "2");
  reopen();
  EXPECT_TRUE(w->isMaximized());
}

TEST_F(WindowView, AStoredPlacementOfNoSizeKeepsTheWindowsOwnSize) {
  const QSize own = w->size();
  writeText(SettingsPath(),
            "[Window]\nSave=True\nState=0\nLeft=300\nTop=150\nWidth=0\nHeight=12000\n");
  reopen();
  EXPECT_EQ(w->pos(), QPoint(20, 10));
  EXPECT_EQ(w->size(), own);
}
