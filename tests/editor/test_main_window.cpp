#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "editor/logic/MenuState.h"
#include "window_fixture.h"

namespace {

using MainWindow = ShownWindow;

// The menus as the user sees them: "caption=shortcut", a submenu's items in
// [ ], the recent files and separators left out.
QString tree(const QList<QAction*>& actions) {
  QStringList out;
  for (QAction* act : actions) {
    if (act->isSeparator() || act->objectName().contains("MRU(")) continue;
    QString item = act->text();
    if (!act->shortcut().isEmpty()) item += "=" + act->shortcut().toString();
    if (act->menu<QMenu*>()) item += "[" + tree(act->menu<QMenu*>()->actions()) + "]";
    out << item;
  }
  return out.join(",");
}

// Every pixel of the sheet differs, so two opposite corners pin the tile and its place.
bool ShowsTile(const Picture& pic, int px, int py, int tile) {
  return pic.pixel(px, py) == SheetColor(tile, 0, 0) &&
         pic.pixel(px + 15, py + 15) == SheetColor(tile, 15, 15);
}

}  // namespace

TEST_F(MainWindow, MenusHoldTheirItemsInOrderWithCaptionsAndShortcuts) {
  EXPECT_EQ(tree(w->menuBar()->actions()).toStdString(),
            "&File[Project[New,Load=Ctrl+P,Save,Save As,Export To D64],"
            "Datamap[New=Ctrl+N,Load=Ctrl+M,Save=Ctrl+S,Save As=Ctrl+A,Export=Ctrl+E,"
            "Resize=Ctrl+R,Clear=Ctrl+C],Datatype[New,Load,Export,Save,Save As],"
            "Tileset[New,Load=Ctrl+L,Save,Save As],Colormap[New,Load,Save,Save As],Load Palette,"
            "Exit=Ctrl+Q],&Edit[Undo=Ctrl+U,Datatype Mode=Ctrl+D],"
            "&Options[Identify Tiles Used=Ctrl+I,Create Bitmap Image=Ctrl+B,"
            "Zoom[100%,75%,50%,25%,Full Page,Full Width],Settings],"
            "&Help[Help=F1,Visit Ostrel Forge,Credits]");
}

TEST_F(MainWindow, RecentFileCaptionShowsAnAmpersandLiterally) {
  MenuItem& item = frm().menu("mnuTILEMRU(0)");
  item.caption = "/maps/R&D.prg";
  item.visible = true;
  w->sync();
  EXPECT_EQ(w->action("mnuTILEMRU(0)")->text(), "/maps/R&&D.prg");
  EXPECT_TRUE(w->action("mnuTILEMRU(0)")->isVisible());
}

TEST_F(MainWindow, ADisabledFileMenuSilencesItsShortcutsUntilEnabledAgain) {
  QApplication::setActiveWindow(w.get());
  for (int enabled : {1, 0, 1}) {
    SetMenuState(app(), enabled);
    w->sync();
    if (enabled) prompts.answerOpen("");
    prompts.clearShown();
    QTest::keyClick(w.get(), Qt::Key_M, Qt::ControlModifier);  // Datamap > Load
    EXPECT_EQ(prompts.shown().size(), size_t(enabled)) << enabled;
  }
}

TEST_F(MainWindow, ExitQuestionCancelKeepsTheWindowNoAndYesCloseIt) {
  st().AskSave = true;
  prompts.answerMsgBox(vbCancel).answerMsgBox(vbNo);
  EXPECT_FALSE(w->close());
  EXPECT_TRUE(w->close());
  w->show();
  prompts.answerMsgBox(vbYes).answerSave("");  // Yes asks for the file; cancelling it still exits
  EXPECT_TRUE(w->close());
  EXPECT_EQ(prompts.last().kind, "Save");
}

// A first run draws nothing into the map or the zoom copy, 32 MiB each: the
// view paints an untouched picture's background straight onto the screen.
TEST_F(MainWindow, TheFirstFrameShowsTheUntouchedMapWithoutGivingItPixels) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  EXPECT_TRUE(frm().picMap.isBlank() && frm().picZoom.isBlank());
  frm().picMap.setBackColor(RGBColor(10, 200, 30));
  frm().picMap.clear();
  w->sync();
  EXPECT_EQ(fromQRgb(map()->grab().toImage().pixel(500, 300)), RGBColor(10, 200, 30));
  EXPECT_TRUE(frm().picMap.isBlank());
}

TEST_F(RealWindow, ADragAndADoubleClickEachPaintWithOneUndoSnapshotThatUndoTakesBack) {
  Click(sheet(), Cell(1, 2));  // tile 65
  Drag(map(), Qt::LeftButton, Cell(3, 2), Cell(5, 2));
  EXPECT_EQ(std::tuple(st().DatamapAt(3, 2), st().DatamapAt(4, 2), st().DatamapAt(5, 2),
                       st().DatamapAt(6, 2), st().UndoLevel), std::tuple(65, 65, 65, 0, 1));
  EXPECT_TRUE(ShowsTile(frm().picMap, 64, 32, 65));
  // What the window system sends for a double click: press, release, double click, release.
  Click(map(), Cell(8, 2));
  QTest::mouseDClick(map(), Qt::LeftButton, Qt::NoModifier, Cell(8, 2));
  QTest::mouseRelease(map(), Qt::LeftButton, Qt::NoModifier, Cell(8, 2));
  EXPECT_EQ(st().UndoLevel, 2);
  w->action("mnuUndo")->trigger();
  w->action("mnuUndo")->trigger();
  EXPECT_TRUE(st().DatamapAt(4, 2) == 0 && ShowsTile(frm().picMap, 64, 32, 0));
}

TEST_F(RealWindow, ARightDragCopiesABlockAndCtrlLeftPastesIt) {
  for (int c = 7; c <= 10; ++c)
    for (int r = 5; r <= 8; ++r) st().DatamapAt(c, r) = uint8_t(c + 7 * r);
  RedrawMap(app());
  Drag(map(), Qt::RightButton, Cell(10, 5), Cell(7, 8));
  Click(map(), Cell(20, 30), Qt::ControlModifier);
  EXPECT_EQ(std::tuple(st().DatamapAt(20, 30), st().DatamapAt(23, 33), st().DatamapAt(24, 33),
                       st().UndoLevel), std::tuple(7 + 7 * 5, 10 + 7 * 8, 0, 1));
  EXPECT_TRUE(ShowsTile(frm().picMap, 368, 528, 66));
}

TEST_F(RealWindow, TheStatusBarFollowsTheMouseOverTheMap) {
  const QList<QLabel*> panel = w->statusBarWidget()->findChildren<QLabel*>();
  MoveTo(map(), QPoint(3, 3));
  EXPECT_EQ(panel[0]->text() + " " + panel[1]->text(), "X = 1 Y = 1");
  MoveTo(map(), Cell(17, 9));
  EXPECT_EQ(panel[0]->text() + " " + panel[1]->text(), "X = 18 Y = 10");
}
