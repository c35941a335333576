#include <QAction>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include "model/SettingsPath.h"
#include "platform/IniFile.h"
#include "window_fixture.h"

namespace {

// The window's viewport, its bars and the map they move: 256 x 128 cells,
// 4096 x 2048 pixels, far larger than the viewport.
class WindowView : public ShownWindow {
 protected:
  QScrollBar* bar(const char* name) { return static_cast<QScrollBar*>(w->control(name)); }
  QRect geo(const char* name) { return w->control(name)->geometry(); }
  void resizeClient(int width, int height) {
    w->resize(width, height + w->centralWidget()->y());
    QApplication::processEvents();
  }
  void reopen() {  // as at the next start of the program
    w.reset();
    w = std::make_unique<frmMain>("", &prompts);
    w->show();
  }
};

// The middle of a part of a scroll bar, where its style draws it now.
QPoint partOf(QScrollBar* bar, QStyle::SubControl part) {
  QStyleOptionSlider o;
  o.initFrom(bar);
  o.orientation = bar->orientation();
  if (o.orientation == Qt::Horizontal) o.state |= QStyle::State_Horizontal;
  o.maximum = bar->maximum();
  o.sliderPosition = o.sliderValue = bar->value();
  o.pageStep = bar->pageStep();
  return bar->style()->subControlRect(QStyle::CC_ScrollBar, &o, part, bar).center();
}

void clickOn(QWidget* w, QPoint p = QPoint(3, 3)) {
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, p);
}

}  // namespace

TEST_F(WindowView, TheBarsAndTheCornerButtonsMoveTheMapByWholeSteps) {
  QScrollBar *vert = bar("scrVert"), *horz = bar("scrHorz");
  clickOn(vert, partOf(vert, QStyle::SC_ScrollBarAddLine));  // a step is MapHeight pixels
  clickOn(horz, partOf(horz, QStyle::SC_ScrollBarAddPage));  // and MapWidth across
  EXPECT_EQ(map()->pos(), QPoint(-256, -128));
  // A dragged thumb moves the map once, where it is let go.
  const QPoint thumb = partOf(vert, QStyle::SC_ScrollBarSlider), end(thumb.x(), vert->height());
  QTest::mousePress(vert, Qt::LeftButton, Qt::NoModifier, thumb);
  MoveTo(vert, end, Qt::LeftButton);
  EXPECT_EQ(map()->y(), -128);
  QTest::mouseRelease(vert, Qt::LeftButton, Qt::NoModifier, end);
  EXPECT_EQ(map()->y(), -128 * 15);

  clickOn(w->control("cmdTop"));
  EXPECT_EQ(std::tuple(map()->pos(), vert->value()), std::tuple(QPoint(-256, 0), 0));
  clickOn(vert, partOf(vert, QStyle::SC_ScrollBarAddLine));
  clickOn(w->control("cmdLeft"));
  EXPECT_EQ(std::tuple(map()->pos(), horz->value()), std::tuple(QPoint(0, -128), 0));
  clickOn(horz, partOf(horz, QStyle::SC_ScrollBarAddLine));
  clickOn(w->control("cmdHome"));
  EXPECT_EQ(std::tuple(map()->pos(), horz->value(), vert->value()), std::tuple(QPoint(0, 0), 0, 0));

  w->action("mnuZoom50")->trigger();  // zoomed, the bars move the copy
  clickOn(vert, partOf(vert, QStyle::SC_ScrollBarAddLine));
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
}

TEST_F(WindowView, ThePlaceSizeAndStateSavedAtExitComeBackInTheNextWindow) {
  // A hand-edited placement of no size keeps the window's own size.
  const QSize own = w->size();
  writeText(SettingsPath(), "[Window]\nSave=True\nState=0\nLeft=300\nTop=150\nWidth=0\n");
  reopen();
  EXPECT_EQ(std::pair(w->pos(), w->size()), std::pair(QPoint(20, 10), own));

  w->move(130, 90);
  w->resize(900, 700);
  ASSERT_TRUE(w->close());
  reopen();
  // The frame's place and the size inside it, as the window manager takes them back.
  EXPECT_EQ(std::pair(w->pos(), w->size()), std::pair(QPoint(130, 90), QSize(900, 700)));
  w->showMaximized();
  ASSERT_TRUE(w->close());
  EXPECT_EQ(GetPrivateProfileString("Window", "State", "", SettingsPath()), "2");
  reopen();
  EXPECT_TRUE(w->isMaximized());
}
