#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyleOptionSlider>
#include <QWindow>

#include "dialogs/frmMapSize.h"
#include "editor/KeyTranslation.h"
#include "model/RecentFiles.h"
#include "model/SettingsPath.h"
#include "platform/IniFile.h"
#include "window_fixture.h"

namespace {

using MainWindow = ShownWindow;

// Every pixel of the sheet differs, so two opposite corners pin the tile and its place.
bool ShowsTile(const Picture& pic, int px, int py, int tile) {
  return pic.pixel(px, py) == SheetColor(tile, 0, 0) &&
         pic.pixel(px + 15, py + 15) == SheetColor(tile, 15, 15);
}

// The middle of a part of a scroll bar, where its style draws it now.
QPoint partOf(QWidget* w, QStyle::SubControl part) {
  auto* bar = static_cast<QScrollBar*>(w);
  QStyleOptionSlider o;
  o.initFrom(bar);
  o.orientation = bar->orientation();
  if (o.orientation == Qt::Horizontal) o.state |= QStyle::State_Horizontal;
  o.maximum = bar->maximum();
  o.sliderPosition = o.sliderValue = bar->value();
  o.pageStep = bar->pageStep();
  return bar->style()->subControlRect(QStyle::CC_ScrollBar, &o, part, bar).center();
}

}  // namespace

// A left click on a document's label pops up its menu; a press let go off the label, nothing.
TEST_F(MainWindow, ALeftClickOnADocumentLabelPopsUpItsMenu) {
  std::string popped, lines;  // as the user sees them: "-" a line, a path's "&" no mnemonic
  const auto click = [&](const char* label, QPoint at) {
    QMetaObject::invokeMethod(qApp, [&] {  // runs once the menu is up, if one pops up
      QWidget* menu = QApplication::activePopupWidget();
      for (QAction* a : menu ? menu->actions() : QList<QAction*>())
        if (a->isVisible()) popped += a->isSeparator() ? "-|" : a->iconText().toStdString() + "|";
      if (menu) menu->close();
    }, Qt::QueuedConnection);
    QTest::mousePress(w->control(label), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QTest::mouseRelease(w->control(label), Qt::LeftButton, Qt::NoModifier, at);
    QApplication::processEvents();
  };
  AddMRU(app(), kDatatype, "/maps/R&D.prg");
  click("lblMapName", QPoint(-9, 9));
  click("lblTYPEName", QPoint(2, 2));
  EXPECT_EQ(popped, "New|Load|Export|Save|Save As|-|/maps/R&D.prg|");
  for (QAction* a : w->menuByName("mnuFile")->actions()) lines += a->isSeparator() ? '-' : 'x';
  EXPECT_EQ(lines, "xxxxx-x-x");  // Project to Colormap, Load Palette, Exit
}

// A shortcut's key or a menu item reaches its own command, named by its first prompt or its
// mark on the program, and types nothing; not while a menu above the item is shut.
TEST_F(MainWindow, EveryShortcutAndMenuItemRunsItsOwnCommand) {
  st().AskSave = true;
  const auto ok = [](ModalForm& f) { dynamic_cast<frmMapSize&>(f).cmdOK_Click(); };
  // In the rows' order: every prompt cancelled but the size dialog, a Yes and the last exit.
  prompts.answerOpen("").answerModal(ok).answerOpen("").answerSave("").answerSave("");
  prompts.answerModal(ok).answerMsgBox(vbCancel).answerOpen("").answerSave("").answerInput("");
  prompts.answerSave("").answerSave("").answerMsgBox(vbCancel).answerMsgBox(vbYes).answerSave("");
  prompts.answerMsgBox(vbNo);
  const std::pair<const char*, std::string> rows[] = {
      {"mnuZoom25", " - [Zoom 25%]"}, {"mnuZoom50", " - [Zoom 50%]"},
      {"mnuZoom75", " - [Zoom 75%]"}, {"Ctrl+M", ""}, {"mnuZoom100", " "},  // File shut, zoomed
      {"Ctrl+P", "Load Project"}, {"Ctrl+N", "frmMapSize untied"}, {"Ctrl+M", "Load Datamap"},
      {"Ctrl+A", "Save Datamap untied"}, {"Ctrl+E", "Export Datamap"}, {"Ctrl+R", "frmMapSize"},
      {"Ctrl+C", "Are you sure you want to clear the Datamap?"}, {"Ctrl+L", "Load Tileset"},
      {"Ctrl+B", "Save Image File"}, {"mnuProjectNew", "Enter Mosaicwright Project Name"},
      {"mnuProjectSave", "Save Project"}, {"mnuD64Extract", "Export To D64"},
      {"Ctrl+D", " datatypes"}, {"Ctrl+D", ""}, {"Ctrl+I", " identify"}, {"Ctrl+I", ""},
      {"Ctrl+Q", "Do you want to save your datamap before exiting?"},  // Cancel
      {"Ctrl+Q", "Do you want to save your datamap before exiting? untied"},  // Yes, Cancel
      {"Ctrl+Q", "Do you want to save your datamap before exiting? closed"}};
  for (const auto& [trigger, effect] : rows) {
    st().DatamapHasFile = true;  // Save As unties it
    prompts.clearShown();
    const QString title = w->windowTitle();
    if (trigger[0] == 'm')
      w->action(trigger)->trigger();
    else
      QTest::keySequence(w.get(), QKeySequence(trigger));
    std::string seen = prompts.shown().empty() ? "" : prompts.shown().front().text;
    for (auto [on, mark] : {std::pair{st().UndoLevel != 0, " typed"}, {!w->isVisible(), " closed"},
                            {!st().DatamapHasFile, " untied"}, {st().IdentifyMode, " identify"},
                            {w->control("Frame1")->isHidden(), " datatypes"}})
      if (on) seen += mark;
    if (w->windowTitle() != title) seen += w->windowTitle().toStdString().substr(17);
    EXPECT_EQ(seen, effect) << trigger;
  }
}

// The view paints an untouched map as its background, never giving it 32 MiB of pixels.
TEST_F(MainWindow, TheFirstFrameShowsTheUntouchedMapWithoutGivingItPixels) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  EXPECT_TRUE(frm().picMap.isBlank() && frm().picZoom.isBlank());
  frm().picMap.setBackColor(RGBColor(10, 200, 30));
  frm().picMap.clear();
  w->sync();
  EXPECT_EQ(fromQRgb(map()->grab().toImage().pixel(500, 300)), RGBColor(10, 200, 30));
  EXPECT_TRUE(frm().picMap.isBlank());
}

TEST_F(RealWindow, ADragPaintsWithOneSnapshotAndTwelveUndosAfterFourteenPressesGoBackToTheSecond) {
  Click(sheet(), Cell(1, 2));  // tile 65
  Drag(map(), Qt::LeftButton, Cell(3, 2), Cell(5, 2));
  EXPECT_EQ(std::tuple(st().DatamapAt(3, 2), st().DatamapAt(5, 2), st().DatamapAt(6, 2),
                       st().UndoLevel, UpToDate(map())), std::tuple(65, 65, 0, 1, true));
  const QList<QLabel*> panel = w->statusBarWidget()->findChildren<QLabel*>();  // the mouse's cell
  EXPECT_EQ(panel[0]->text() + " " + panel[1]->text(), "X = 6 Y = 3");
  CellArray afterSecond{};  // the drag was the first of fourteen presses
  for (int k = 0; k < 13; ++k) {
    Click(map(), Cell(k, 3));
    if (k == 0) afterSecond = st().Datamap;
  }
  for (int k = 0; k < 12; ++k) w->action("mnuUndo")->trigger();
  EXPECT_TRUE(st().Datamap == afterSecond);
  EXPECT_TRUE(ShowsTile(frm().picMap, 0, 48, 65) && ShowsTile(frm().picMap, 16, 48, 0));
  w->action("mnuUndo")->trigger();
  EXPECT_TRUE(st().Datamap == afterSecond);
}

TEST_F(RealWindow, AReverseDragOnTheSheetPicksTheBlockThatADoubleClickStampsOnce) {
  Drag(sheet(), Qt::RightButton, Cell(5, 1), Cell(2, 3));
  // What the window system sends for a double click: press, release, double click, release.
  Click(map(), Cell(0, 0));
  QTest::mouseDClick(map(), Qt::LeftButton, Qt::NoModifier, Cell(0, 0));
  QTest::mouseRelease(map(), Qt::LeftButton, Qt::NoModifier, Cell(0, 0));
  EXPECT_EQ(std::tuple(st().DatamapAt(0, 0), st().DatamapAt(3, 2), st().DatamapAt(4, 2),
                       st().DatamapAt(0, 3), st().UndoLevel), std::tuple(34, 101, 0, 0, 1));
}

TEST_F(RealWindow, ARightDragCopiesABlockAndCtrlLeftPastesItInTheSameShape) {
  for (int c = 7; c <= 10; ++c)
    for (int r = 5; r <= 8; ++r) st().DatamapAt(c, r) = uint8_t(c + 7 * r);
  RedrawMap(app());
  Drag(map(), Qt::RightButton, Cell(9, 5), Cell(7, 6), Cell(4, 9));  // 3 x 2, grown past first
  EXPECT_TRUE(UpToDate(map()));  // no larger edge of the frame stays on screen
  Click(map(), Cell(20, 30), Qt::ControlModifier);  // the cursor takes the block's shape too
  EXPECT_EQ(std::tuple(st().DatamapAt(20, 30), st().DatamapAt(22, 31), st().DatamapAt(23, 31),
                       st().DatamapAt(20, 32), st().UndoLevel, frm().shpMapCursor.height),
            std::tuple(7 + 7 * 5, 9 + 7 * 6, 0, 0, 1, 32));
  EXPECT_TRUE(ShowsTile(frm().picMap, 352, 496, 51) && ShowsTile(frm().picMap, 368, 496, 0));
}

TEST(KeyTranslation, LettersFollowTheLayoutAndWithXkbScanCodesOtherKeysTheirUsPlace) {
  // A German layout prints '"' on Shift+2; codes XKB does not know go by the key.
  auto code = [](int key, quint32 scan, bool xkb, Qt::KeyboardModifiers mods = {}) {
    return TranslateKeyEvent(QKeyEvent(QEvent::KeyRelease, key, mods, scan, 0, 0), xkb).keyCode;
  };
  EXPECT_EQ(std::tuple(code(Qt::Key_QuoteDbl, 11, true), code(Qt::Key_QuoteDbl, 11, false),
                       code(Qt::Key_A, 8, true)), std::tuple(50, 222, 65));
  // AZERTY: A on the US Q key, M on the US ; key, a comma on the US M key; a Cyrillic letter
  // keeps its US place; Dvorak: a ; on the US Z key. US: " of Shift+', > of Shift+., [ and ].
  EXPECT_EQ(std::tuple(code(Qt::Key_A, 24, true), code(Qt::Key_M, 47, true),
                       code(Qt::Key_Comma, 58, true), code(Qt::Key_Z, 52, false),
                       code(0x0424, 38, true), code(Qt::Key_QuoteDbl, 48, true),
                       code(Qt::Key_Greater, 60, true), code(Qt::Key_BracketLeft, 34, true),
                       code(Qt::Key_BracketRight, 35, true), code(Qt::Key_Semicolon, 52, true)),
            std::tuple(65, 77, 188, 90, 65, 222, 190, 219, 221, 186));
  // Keypad keys keep their own codes everywhere, not those of the main keys of the same sign.
  const auto pad = Qt::KeypadModifier;
  EXPECT_EQ(std::tuple(code(Qt::Key_Asterisk, 63, true, pad), code(Qt::Key_Minus, 0, false, pad),
                       code(Qt::Key_Slash, 106, true, pad), code(Qt::Key_5, 84, true, pad),
                       code(Qt::Key_Plus, 86, true, pad)),
            std::tuple(106, 109, 111, 101, 107));
}

TEST_F(MainWindow, KeysActOnReleaseOnceWhicheverWidgetHasTheFocusAndNeverOnAutoRepeat) {
  // As the platform delivers keys: to the window, then to the focus widget.
  auto click = [&](Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(w->windowHandle(), key, mods);
  };
  map()->setFocus();
  click(Qt::Key_At, Qt::ShiftModifier);
  click(Qt::Key_Colon, Qt::ShiftModifier);
  w->control("cmdHome")->setFocus();
  click(Qt::Key_AsciiCircum, Qt::ShiftModifier);
  click(Qt::Key_Exclam, Qt::ShiftModifier | Qt::ControlModifier);
  click(Qt::Key_Shift);
  for (int c = 0; c < 4; ++c) EXPECT_EQ(st().DatamapAt(c, 0), "\x00\x3A\x36\x31"[c]) << c;
  EXPECT_EQ(std::pair(int(st().UndoLevel), frm().shpMapCursor.left), std::pair(4, 64));

  // Sent to the map, they climb to the window unaccepted; a held key repeats
  // release and press, and a release without its press (the key went down in a
  // dialog) does nothing.
  for (auto [type, repeat] : {std::pair{QEvent::KeyPress, false}, {QEvent::KeyRelease, true},
                              {QEvent::KeyPress, true}, {QEvent::KeyRelease, false},
                              {QEvent::KeyRelease, false}}) {
    QKeyEvent e(type, Qt::Key_A, Qt::NoModifier, "a", repeat);
    QApplication::sendEvent(map(), &e);
  }
  EXPECT_EQ(std::pair(int(st().UndoLevel), int(st().DatamapAt(4, 0))), std::pair(5, 1));

  // Ctrl+X asks for three tiles, Esc takes the prompt back; a second fill after
  // a finished one asks and fills again.
  QWidget* prompt = w->control("picRandFill");
  click(Qt::Key_X, Qt::ControlModifier);
  EXPECT_TRUE(prompt->isVisible() && !map()->isEnabled());
  click(Qt::Key_Escape);
  EXPECT_TRUE(!prompt->isVisible() && map()->isEnabled() && st().UndoLevel == 5);
  for (int fill = 1; fill <= 2; ++fill) {
    MoveTo(map(), Cell(9, 9));
    click(Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(prompt->isVisible() && prompt->isEnabled() && frm().picFill1.isBlank()) << fill;
    for (int pick = 1; pick <= 3; ++pick) Click(sheet(), Cell(fill * 3 + pick, 0));
    EXPECT_TRUE(!prompt->isVisible() && map()->isEnabled()) << fill;
    const int tile = st().DatamapAt(9, 9);
    EXPECT_TRUE(tile > fill * 3 && tile <= fill * 3 + 3 && st().UndoLevel == 5 + fill) << tile;
  }
}

// People let go of Ctrl a moment before the letter: the key acts as it went down.
TEST_F(RealWindow, ACtrlShortcutLetGoBeforeItsLetterActsOnceAndTypesNothing) {
  auto ctrlFirst = [&](Qt::Key key) {
    QWindow* win = w->windowHandle();
    QTest::keyPress(win, Qt::Key_Control, Qt::ControlModifier);
    QTest::keyPress(win, key, Qt::ControlModifier);
    QTest::keyRelease(win, Qt::Key_Control, Qt::NoModifier);
    QTest::keyRelease(win, key, Qt::NoModifier);
  };
  QTest::keyClick(w->windowHandle(), Qt::Key_B);  // tile 2 at (0, 0)
  const CellArray typed = st().Datamap;
  QTest::keyClick(w->windowHandle(), Qt::Key_D);  // tile 4 at (1, 0), the brush from now on
  ctrlFirst(Qt::Key_U);
  EXPECT_TRUE(st().Datamap == typed && st().UndoLevel == 1);
  ctrlFirst(Qt::Key_H);  // the brush's preview goes with the mouse
  MoveTo(map(), Cell(9, 9));
  const QImage shown = OnScreen(map());
  EXPECT_TRUE(fromQRgb(shown.pixel(144, 144)) == SheetColor(4, 0, 0) &&
              fromQRgb(shown.pixel(159, 159)) == SheetColor(4, 15, 15));
  ctrlFirst(Qt::Key_F);  // fills the tile-0 area round (9, 9), (1, 0) too since the undo
  EXPECT_EQ(std::tuple(st().DatamapAt(9, 9), st().DatamapAt(255, 127), st().DatamapAt(1, 0),
                       st().DatamapAt(0, 0), st().UndoLevel), std::tuple(4, 4, 4, 2, 2));
  const CellArray filled = st().Datamap;
  prompts.answerSave(path("m.map"));
  ctrlFirst(Qt::Key_S);
  EXPECT_TRUE(st().Datamap == filled && readBytes(path("m.map")).size() == 32772);
}

// The map is 256 x 128 cells, 4096 x 2048 pixels: far larger than the viewport.
TEST_F(MainWindow, TheBarsAndTheCornerButtonsMoveTheMapByWholeSteps) {
  QWidget *vert = w->control("scrVert"), *horz = w->control("scrHorz");
  auto value = [](QWidget* bar) { return static_cast<QScrollBar*>(bar)->value(); };
  Click(vert, partOf(vert, QStyle::SC_ScrollBarAddLine));  // a step is MapHeight pixels
  Click(horz, partOf(horz, QStyle::SC_ScrollBarAddPage));  // and MapWidth across
  EXPECT_EQ(map()->pos(), QPoint(-256, -128));
  // A dragged thumb moves the map once, where it is let go.
  const QPoint thumb = partOf(vert, QStyle::SC_ScrollBarSlider), end(thumb.x(), vert->height());
  QTest::mousePress(vert, Qt::LeftButton, Qt::NoModifier, thumb);
  MoveTo(vert, end, Qt::LeftButton);
  EXPECT_EQ(map()->y(), -128);
  QTest::mouseRelease(vert, Qt::LeftButton, Qt::NoModifier, end);
  EXPECT_EQ(map()->y(), -128 * 15);

  Click(w->control("cmdTop"), QPoint(3, 3));
  EXPECT_EQ(std::pair(map()->pos(), value(vert)), std::pair(QPoint(-256, 0), 0));
  Click(vert, partOf(vert, QStyle::SC_ScrollBarAddLine));
  Click(w->control("cmdLeft"), QPoint(3, 3));
  EXPECT_EQ(std::pair(map()->pos(), value(horz)), std::pair(QPoint(0, -128), 0));
  Click(horz, partOf(horz, QStyle::SC_ScrollBarAddLine));
  Click(w->control("cmdHome"), QPoint(3, 3));
  EXPECT_EQ(std::tuple(map()->pos(), value(horz), value(vert)), std::tuple(QPoint(0, 0), 0, 0));

  w->action("mnuZoom50")->trigger();  // zoomed, the bars move the copy
  Click(vert, partOf(vert, QStyle::SC_ScrollBarAddLine));
  EXPECT_EQ(w->control("picZoom")->pos(), QPoint(0, -128));
}

TEST_F(MainWindow, ResizingLaysOutTheBarsAndTheFitZoomsFillTheViewportLeft) {
  auto geo = [&](const char* name) { return w->control(name)->geometry(); };
  w->resize(1121, 600 + w->centralWidget()->y());  // a client area of 1121 x 600
  QApplication::processEvents();
  EXPECT_EQ(std::tuple(geo("scrVert"), geo("scrHorz"), geo("Frame2").y(), geo("picScroll").size()),
            std::tuple(QRect(1100, 16, 21, 394), QRect(24, 410, 1077, 17), 600 - 153 - 20,
                       QSize(1100, 411)));
  w->action("mnuZoomWidth")->trigger();
  EXPECT_EQ(w->control("picZoom")->size(), QSize(1100, 550));
  w->action("mnuZoomPage")->trigger();
  EXPECT_EQ(w->control("picZoom")->size(), QSize(822, 411));
  // Lower than the frames: no vertical bar; narrower or lower than the panel row: not allowed.
  w->resize(800, 100 + w->centralWidget()->y());
  QApplication::processEvents();
  EXPECT_EQ(std::tuple(geo("scrVert").height(), geo("picScroll").height(), geo("Frame2").y(),
                       geo("cmdTop").right()), std::tuple(0, 17, 18, 1024));
  EXPECT_EQ(std::pair(geo("Frame4").right(), geo("cmdHome").right()), std::pair(1024, 1024));
}

TEST_F(MainWindow, ThePlaceSizeAndStateSavedAtExitComeBackInTheNextWindow) {
  auto reopen = [&] {  // as at the next start of the program
    w.reset();
    w = std::make_unique<frmMain>("", &prompts);
    w->show();
  };
  const QSize own = w->size();
  st().SaveWindow = true;
  w->move(1700, 290);  // on the second screen
  w->resize(1100, 700);
  ASSERT_TRUE(w->close());
  reopen();
  // The frame's place and the size inside it, as the window manager takes them back.
  EXPECT_EQ(std::pair(w->pos(), w->size()), std::pair(QPoint(1700, 290), QSize(1100, 700)));
  // A placement of no size keeps the window's own size; one off the screens comes back whole on
  // the nearest, no larger than it, no smaller than the panel row. The file keeps what it held.
  const int low = 191 + w->centralWidget()->y();  // the panel row, the status bar, the menus
  for (auto [left, top, size, pos, shown] :
       {std::tuple{"300", "150", "0", QPoint(20, 10), own},
        {"18000", "12000", "16500", QPoint(500, 300), QSize(1100, 700)},
        {"900000", "-300000", "2000000000", QPoint(1600, 200), QSize(1280, 900)},
        {"42750", "16200", "1500", QPoint(2880 - 1025, 1100 - low), QSize(1025, low)}}) {
    writeText(SettingsPath(), std::string("[Window]\nSave=True\nState=0\nLeft=") + left +
                                  "\nTop=" + top + "\nWidth=" + size +
                                  "\nHeight=" + (size[1] == '6' ? "10500" : size));
    reopen();
    EXPECT_EQ(std::pair(w->pos(), w->size()), std::pair(pos, shown)) << left;
    EXPECT_EQ(std::to_string(st().WindowLeft), left);
  }
  w->showMaximized();
  ASSERT_TRUE(w->close());
  EXPECT_EQ(GetPrivateProfileString("Window", "State", "", SettingsPath()), "2");
  reopen();
  EXPECT_TRUE(w->isMaximized());
}
