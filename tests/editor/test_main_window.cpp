#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

#include "editor/logic/MenuState.h"
#include "window_fixture.h"

namespace {

using MainWindow = ShownWindow;

// "name=caption[=shortcut]" for each item of a menu, recent files and separators left out.
QStringList itemsOf(const QList<QAction*>& actions) {
  QStringList out;
  for (QAction* act : actions) {
    if (act->isSeparator() || act->objectName().contains("MRU(")) continue;
    out << act->objectName() + "=" + act->text() +
               (act->shortcut().isEmpty() ? "" : "=" + act->shortcut().toString());
  }
  return out;
}

// Every pixel of the sheet differs, so two opposite corners pin the tile and its place.
bool ShowsTile(const Picture& pic, int px, int py, int tile) {
  return pic.pixel(px, py) == SheetColor(tile, 0, 0) &&
         pic.pixel(px + 15, py + 15) == SheetColor(tile, 15, 15);
}

}  // namespace

TEST_F(MainWindow, MenusHoldTheirItemsInOrderWithCaptionsAndShortcuts) {
  EXPECT_EQ(itemsOf(w->menuBar()->actions()).join(" "),
            "mnuFile=&File mnuEdit=&Edit mnuOptions=&Options mnuHlp=&Help");
  const std::pair<const char*, const char*> menus[] = {
      {"mnuFile", "mnuProject=Project mnuDatamap=Datamap mnuDatatype=Datatype mnuTileset=Tileset "
                  "mnuCMap=Colormap mnuLoadPalette=Load Palette menuExit=Exit=Ctrl+Q"},
      {"mnuProject", "mnuProjectNew=New mnuProjectLoad=Load=Ctrl+P mnuProjectSave=Save "
                     "mnuProjectSaveAs=Save As mnuD64Extract=Export To D64"},
      {"mnuDatamap", "mnuDatamapNew=New=Ctrl+N mnuDatamapLoad=Load=Ctrl+M "
                     "mnuDatamapSave=Save=Ctrl+S mnuDatamapSaveAs=Save As=Ctrl+A "
                     "mnuDatamapExport=Export=Ctrl+E mnuDatamapResize=Resize=Ctrl+R "
                     "mnuDatamapClear=Clear=Ctrl+C"},
      {"mnuDatatype", "mnuDatatypeNew=New mnuDatatypeLoad=Load mnuDatatypeExport=Export "
                      "mnuDatatypeSave=Save mnuDatatypeSaveAs=Save As"},
      {"mnuTileset", "mnuTilesetNew=New mnuTilesetLoad=Load=Ctrl+L mnuTilesetSave=Save "
                     "mnuTilesetSaveAs=Save As"},
      {"mnuCMap", "mnuCMapNew=New mnuCMapLoad=Load mnuCMapSave=Save mnuCMapSaveAs=Save As"},
      {"mnuEdit", "mnuUndo=Undo=Ctrl+U mnuDatatypeMode=Datatype Mode=Ctrl+D"},
      {"mnuOptions", "mnuIdentify=Identify Tiles Used=Ctrl+I mnuBitmap=Create Bitmap Image=Ctrl+B "
                     "mnuZoom=Zoom mnuSettings=Settings"},
      {"mnuZoom", "mnuZoom100=100% mnuZoom75=75% mnuZoom50=50% mnuZoom25=25% "
                  "mnuZoomPage=Full Page mnuZoomWidth=Full Width"},
      {"mnuHlp", "mnuHelp=Help=F1 mnuVisit=Visit Ostrel Forge mnuCredits=Credits"},
  };
  for (const auto& [menu, items] : menus) {
    ASSERT_NE(w->menuByName(menu), nullptr) << menu;
    EXPECT_EQ(itemsOf(w->menuByName(menu)->actions()).join(" "), items) << menu;
  }
}

TEST_F(MainWindow, RecentFileCaptionShowsAnAmpersandLiterally) {
  MenuItem& item = app().frm.menu("mnuTILEMRU(0)");
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
  app().st.AskSave = true;
  prompts.answerMsgBox(vbCancel);
  EXPECT_FALSE(w->close());

  prompts.answerMsgBox(vbNo);
  EXPECT_TRUE(w->close());

  w->show();
  prompts.answerMsgBox(vbYes).answerSave("");  // Yes asks for the file; cancelling it still exits
  EXPECT_TRUE(w->close());
  ASSERT_EQ(prompts.shown().size(), 4u);
  EXPECT_EQ(prompts.shown()[3].kind, "Save");
}

// A first run draws nothing into the map or the zoom copy, 32 MiB each: the
// view paints an untouched picture's background straight onto the screen.
TEST_F(MainWindow, TheFirstFrameShowsTheUntouchedMapWithoutGivingItPixels) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  Picture& map = app().frm.picMap;
  EXPECT_TRUE(map.isBlank());
  EXPECT_TRUE(app().frm.picZoom.isBlank());
  map.setBackColor(RGBColor(10, 200, 30));
  map.clear();
  w->sync();
  EXPECT_EQ(fromQRgb(w->mapView()->grab().toImage().pixel(500, 300)), RGBColor(10, 200, 30));
  EXPECT_TRUE(map.isBlank());
}

TEST_F(RealWindow, ADragAndADoubleClickEachPaintWithOneUndoSnapshotThatUndoTakesBack) {
  Click(sheet(), Cell(1, 2));  // tile 65
  Drag(map(), Qt::LeftButton, Cell(3, 2), Cell(5, 2));
  for (int c = 3; c <= 5; ++c) EXPECT_EQ(st().DatamapAt(c, 2), 65) << c;
  EXPECT_EQ(st().DatamapAt(6, 2), 0);
  EXPECT_TRUE(ShowsTile(frm().picMap, 64, 32, 65));
  EXPECT_EQ(st().UndoLevel, 1);
  // What the window system sends for a double click: press, release, double click, release.
  Click(map(), Cell(8, 2));
  QTest::mouseDClick(map(), Qt::LeftButton, Qt::NoModifier, Cell(8, 2));
  QTest::mouseRelease(map(), Qt::LeftButton, Qt::NoModifier, Cell(8, 2));
  EXPECT_EQ(st().UndoLevel, 2);
  w->action("mnuUndo")->trigger();
  w->action("mnuUndo")->trigger();
  EXPECT_EQ(st().DatamapAt(4, 2), 0);
  EXPECT_TRUE(ShowsTile(frm().picMap, 64, 32, 0));
}

TEST_F(RealWindow, ARightDragCopiesABlockAndCtrlLeftPastesIt) {
  for (int c = 7; c <= 10; ++c)
    for (int r = 5; r <= 8; ++r) st().DatamapAt(c, r) = uint8_t(c + 7 * r);
  RedrawMap(app());
  Drag(map(), Qt::RightButton, Cell(10, 5), Cell(7, 8));
  Click(map(), Cell(20, 30), Qt::ControlModifier);
  EXPECT_EQ(st().DatamapAt(20, 30), 42);  // 7 + 7 * 5
  EXPECT_EQ(st().DatamapAt(23, 33), 66);  // 10 + 7 * 8
  EXPECT_EQ(st().DatamapAt(24, 33), 0);
  EXPECT_TRUE(ShowsTile(frm().picMap, 368, 528, 66));
  EXPECT_EQ(st().UndoLevel, 1);
}

TEST_F(RealWindow, TheStatusBarFollowsTheMouseOverTheMap) {
  const QList<QLabel*> panel = w->statusBarWidget()->findChildren<QLabel*>();
  auto panels = [&] { return panel[0]->text() + " " + panel[1]->text(); };
  MoveTo(map(), QPoint(3, 3));
  EXPECT_EQ(panels(), "X = 1 Y = 1");
  MoveTo(map(), Cell(17, 9));
  EXPECT_EQ(panels(), "X = 18 Y = 10");
}

TEST_F(RealWindow, APressOverTheHoverPreviewPaintsWhereTheMouseIs) {
  Click(sheet(), Cell(1, 2));
  Picture& hover = frm().picTileSelectedHover;
  hover.resize(64, 64);
  hover.left = hover.top = 32;
  hover.visible = hover.enabled = true;
  w->sync();
  Click(map(), Cell(4, 3));
  EXPECT_EQ(st().DatamapAt(4, 3), 65);
  EXPECT_EQ(st().DatamapAt(2, 2), 0);
}
