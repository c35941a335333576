#include <gtest/gtest.h>

#include <QApplication>
#include <QStatusBar>
#include <QTemporaryDir>
#include <memory>

#include "editor/frmMain.h"
#include "platform/ProgramFolder.h"
#include "support/ScriptedPrompts.h"

namespace {

class MainWindowLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    SetAppPathForTesting(tmp.path().toStdString());
    w = std::make_unique<frmMain>("", &prompts);
    w->show();
    QApplication::processEvents();
  }
  void TearDown() override {
    w.reset();
    SetAppPathForTesting("");
  }
  QRect geo(const char* name) { return w->control(name)->geometry(); }
  // Sizes the area below the menu bar, as the layout sees it.
  void resizeClient(int width, int height) {
    w->resize(width, height + w->centralWidget()->y());
    QApplication::processEvents();
  }

  QTemporaryDir tmp;
  ScriptedPrompts prompts;
  std::unique_ptr<frmMain> w;
};

}  // namespace

TEST_F(MainWindowLayout, DesignSizePlacesEveryRegionWhereItWasDrawn) {
  if (qEnvironmentVariableIsSet("MW_GRAB")) w->grab().save(qEnvironmentVariable("MW_GRAB"));
  ASSERT_EQ(w->centralWidget()->width(), frmMain::kClientWidth);
  ASSERT_EQ(w->centralWidget()->height() + w->statusBar()->height(), frmMain::kClientHeight);
  EXPECT_EQ(w->statusBar(), w->statusBarWidget());
  // The layout rule runs at the first show: bars at the right edge, panels
  // 20 pixels above the bottom.
  EXPECT_EQ(geo("picScroll"), QRect(0, 0, 1008, 591));
  EXPECT_EQ(geo("cmdTop"), QRect(1009, 0, 20, 17));
  EXPECT_EQ(geo("scrVert"), QRect(1008, 16, 21, 574));
  EXPECT_EQ(geo("cmdLeft"), QRect(0, 590, 25, 17));
  EXPECT_EQ(geo("scrHorz"), QRect(24, 590, 985, 17));
  EXPECT_EQ(geo("cmdHome"), QRect(1009, 590, 20, 17));
  EXPECT_EQ(geo("Frame2"), QRect(0, 607, 185, 153));
  EXPECT_EQ(geo("Frame3"), QRect(184, 607, 529, 153));
  EXPECT_EQ(geo("Frame1"), QRect(712, 607, 113, 153));
  EXPECT_EQ(geo("Frame4"), QRect(824, 607, 201, 153));
  EXPECT_EQ(geo("Frame5").topLeft(), QPoint(712, 607));
  EXPECT_FALSE(w->control("Frame5")->isVisible());
  EXPECT_EQ(w->tileSheetView()->size(), QSize(512, 128));
  EXPECT_EQ(w->mapView()->geometry(), QRect(0, 0, 4096, 2048));
}

TEST_F(MainWindowLayout, ResizingKeepsTheBarsAtTheEdgesAndTheFramesAboveTheStatusBar) {
  resizeClient(800, 600);
  EXPECT_EQ(geo("scrVert").x(), 800 - 21);
  EXPECT_EQ(geo("cmdTop").x(), 800 - 20);
  EXPECT_EQ(geo("Frame2").y(), 600 - 153 - 20);
  EXPECT_EQ(geo("Frame4").y(), 600 - 153 - 20);
  EXPECT_EQ(geo("cmdLeft").y(), 600 - 173 - 17);
  EXPECT_EQ(geo("scrHorz"), QRect(24, 410, 780 - 24, 17));
  EXPECT_EQ(geo("scrVert").height(), 410 - 16);
  EXPECT_EQ(geo("picScroll").size(), QSize(800 - 21, 17 + 394));
  EXPECT_EQ(w->app().frm.picScrollWidth, 779);
  EXPECT_EQ(w->app().frm.picScrollHeight, 411);
}

TEST_F(MainWindowLayout, ALowWindowGivesTheVerticalBarNoHeightButKeepsTheViewport) {
  resizeClient(600, 200);
  EXPECT_EQ(geo("scrVert").height(), 0);
  EXPECT_EQ(geo("picScroll").height(), 17);
  EXPECT_GE(geo("picScroll").width(), 1);
}

TEST_F(MainWindowLayout, TheWindowCannotShrinkTheViewportAway) {
  resizeClient(1, 1);
  EXPECT_GE(geo("picScroll").width(), 1);
  EXPECT_GE(geo("cmdLeft").y(), 1);
}

TEST_F(MainWindowLayout, RandomFillPromptStaysCentredInTheViewport) {
  w->app().frm.picRandFillVisible = true;
  w->sync();
  resizeClient(800, 600);
  const QRect vp = geo("picScroll"), rf = geo("picRandFill");
  EXPECT_TRUE(w->control("picRandFill")->isVisible());
  EXPECT_EQ(rf.x(), (vp.width() - rf.width()) / 2);
  EXPECT_EQ(rf.y(), (vp.height() - rf.height()) / 2);
}
