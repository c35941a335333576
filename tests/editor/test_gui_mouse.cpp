#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "tests/support/ScriptedPrompts.h"
#include "editor/frmMain.h"
#include "editor/logic/TileSheet.h"
#include "platform/Color.h"
#include "platform/ProgramFolder.h"
#include "render/MapRender.h"

namespace {

int32_t SheetColor(int tile, int x, int y) { return RGBColor(tile, 16 * x + 8, 16 * y + 8); }

bool ShowsTile(const Picture& pic, int px, int py, int tile) {
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if (pic.pixel(px + x, py + y) != SheetColor(tile, x, y)) return false;
  return true;
}

QPoint CellPoint(int col, int row) { return QPoint(16 * col + 7, 16 * row + 7); }

// The real main window over an empty program folder, with a tile sheet whose
// every pixel differs, so that the map's pixels name the tiles painted.
class MainWindowMouse : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    SetAppPathForTesting(dir_.path().toStdString());
    win_ = std::make_unique<frmMain>("", &prompts_);
    win_->show();
    App& a = win_->app();
    for (int t = 0; t < 256; ++t)
      for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
          a.frm.picTileView.setPixel(16 * (t % 32) + x, 16 * (t / 32) + y, SheetColor(t, x, y));
    RedrawMap(a);
    ResetTileSelection(a);
    win_->sync();
  }

  void TearDown() override {
    win_.reset();
    EXPECT_EQ(prompts_.pending(), 0u);
  }

  App& app() { return win_->app(); }
  QWidget* map() { return win_->mapView(); }
  QWidget* sheet() { return win_->tileSheetView(); }

  // A move with no button held, delivered to the view under the mouse.
  static void Hover(QWidget* w, QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, mods);
    QApplication::sendEvent(w, &e);
  }

  void ClickMap(int col, int row, Qt::MouseButton b = Qt::LeftButton,
                Qt::KeyboardModifiers mods = Qt::NoModifier) {
    Hover(map(), CellPoint(col, row), mods);
    QTest::mouseClick(map(), b, mods, CellPoint(col, row));
  }

  void ClickTile(int col, int row) {
    Hover(sheet(), CellPoint(col, row));
    QTest::mouseClick(sheet(), Qt::LeftButton, Qt::NoModifier, CellPoint(col, row));
  }

  QString Panel(int i) {
    QList<QLabel*> labels = win_->statusBarWidget()->findChildren<QLabel*>();
    for (QLabel* l : labels)
      if (l->text().startsWith(i == 0 ? "X = " : "Y = ")) return l->text();
    return {};
  }

  QTemporaryDir dir_;
  ScriptedPrompts prompts_;
  std::unique_ptr<frmMain> win_;
};

}  // namespace

TEST_F(MainWindowMouse, ADragPaintsEveryCellWithOneUndoSnapshot) {
  ClickTile(1, 2);  // tile 65
  Hover(map(), CellPoint(3, 2));
  QTest::mousePress(map(), Qt::LeftButton, Qt::NoModifier, CellPoint(3, 2));
  QTest::mouseMove(map(), CellPoint(4, 2));
  QTest::mouseMove(map(), CellPoint(5, 2));
  QTest::mouseRelease(map(), Qt::LeftButton, Qt::NoModifier, CellPoint(5, 2));

  App& a = app();
  EXPECT_EQ(a.st.DatamapAt(3, 2), 65);
  EXPECT_EQ(a.st.DatamapAt(4, 2), 65);
  EXPECT_EQ(a.st.DatamapAt(5, 2), 65);
  EXPECT_EQ(a.st.DatamapAt(6, 2), 0);
  EXPECT_TRUE(ShowsTile(a.frm.picMap, 64, 32, 65));
  EXPECT_EQ(a.st.UndoLevel, 1);
}

TEST_F(MainWindowMouse, TwelveUndosAfterFourteenPressesRestoreTheMapAfterTheSecond) {
  ClickTile(1, 2);
  CellArray afterSecond{};
  for (int k = 0; k < 14; ++k) {
    ClickMap(k, 3);
    if (k == 1) afterSecond = app().st.Datamap;
  }
  QAction* undo = win_->action("mnuUndo");
  ASSERT_NE(undo, nullptr);
  EXPECT_TRUE(undo->isEnabled());
  for (int k = 0; k < 12; ++k) undo->trigger();
  EXPECT_TRUE(app().st.Datamap == afterSecond);
  EXPECT_EQ(app().st.UndoLevel, 0);
  EXPECT_TRUE(ShowsTile(app().frm.picMap, 16, 48, 65));
  EXPECT_TRUE(ShowsTile(app().frm.picMap, 32, 48, 0));

  undo->trigger();
  EXPECT_TRUE(app().st.Datamap == afterSecond);
  EXPECT_EQ(app().st.UndoLevel, 0);
}

TEST_F(MainWindowMouse, ARightDragCopiesABlockAndCtrlLeftPastesIt) {
  App& a = app();
  for (int c = 7; c <= 10; ++c)
    for (int r = 5; r <= 8; ++r) a.st.DatamapAt(c, r) = uint8_t(c + 7 * r);
  RedrawMap(a);
  win_->sync();

  Hover(map(), CellPoint(10, 5));
  QTest::mousePress(map(), Qt::RightButton, Qt::NoModifier, CellPoint(10, 5));
  QTest::mouseMove(map(), CellPoint(7, 8));
  QTest::mouseRelease(map(), Qt::RightButton, Qt::NoModifier, CellPoint(7, 8));
  EXPECT_TRUE(a.st.MapBufferValid);
  EXPECT_EQ(a.st.MapBufferMaxX, 3);
  EXPECT_EQ(a.st.MapBufferMaxY, 3);
  EXPECT_EQ(a.frm.picMapBuffer.width(), 64);

  ClickMap(20, 30, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(a.st.DatamapAt(20, 30), 42);
  EXPECT_EQ(a.st.DatamapAt(23, 33), 66);
  EXPECT_TRUE(ShowsTile(a.frm.picMap, 368, 528, 66));
  EXPECT_EQ(a.st.UndoLevel, 1);
}

TEST_F(MainWindowMouse, AReverseDragOnTheSheetSelectsTheSpannedBlock) {
  Hover(sheet(), CellPoint(5, 1));
  QTest::mousePress(sheet(), Qt::RightButton, Qt::NoModifier, CellPoint(5, 1));
  QTest::mouseMove(sheet(), CellPoint(2, 3));
  QTest::mouseRelease(sheet(), Qt::RightButton, Qt::NoModifier, CellPoint(2, 3));
  App& a = app();
  EXPECT_EQ(a.st.TileBrushMaxX, 3);
  EXPECT_EQ(a.st.TileBrushMaxY, 2);
  EXPECT_EQ(a.st.TileBrushAt(0, 0), 34);
  EXPECT_EQ(a.st.TileBrushAt(3, 2), 101);
  EXPECT_EQ(a.frm.shpTileSelected.left, 32);
  EXPECT_EQ(a.frm.shpTileSelected.top, 16);

  ClickMap(0, 0);
  EXPECT_EQ(a.st.DatamapAt(0, 0), 34);
  EXPECT_EQ(a.st.DatamapAt(3, 2), 101);
}

TEST_F(MainWindowMouse, TheStatusBarFollowsTheMouseOverTheMap) {
  Hover(map(), QPoint(3, 3));
  EXPECT_EQ(Panel(0), "X = 1");
  EXPECT_EQ(Panel(1), "Y = 1");
  Hover(map(), CellPoint(17, 9));
  EXPECT_EQ(Panel(0), "X = 18");
  EXPECT_EQ(Panel(1), "Y = 10");
}
