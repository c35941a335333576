#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <memory>

#include "editor/frmMain.h"
#include "editor/logic/MainWindowLogic.h"
#include "platform/ProgramFolder.h"
#include "support/ScriptedPrompts.h"

// Defined by Qt Gui: offers a key to the shortcut map the way a real key
// press is offered before it reaches the focus widget.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods, const QString& text,
                                               bool autorep, ushort count);

namespace {

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    SetAppPathForTesting(tmp.path().toStdString());
    w = std::make_unique<frmMain>("", &prompts);
  }
  void TearDown() override {
    w.reset();
    SetAppPathForTesting("");
  }

  void show() {
    w->show();
    w->activateWindow();
    QApplication::setActiveWindow(w.get());
    QApplication::processEvents();
  }

  // A key press as the user makes it: shortcuts first, then the focus widget.
  void pressKey(int key, Qt::KeyboardModifiers mods) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : w.get();
    if (qt_sendShortcutOverrideEvent(target, 0, key, mods, QString(), false, 1)) return;
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(target, &press);
  }

  QTemporaryDir tmp;
  ScriptedPrompts prompts;
  std::unique_ptr<frmMain> w;
};

}  // namespace

TEST_F(MainWindow, MenuBarHoldsTheFourMenusWithTheirCaptions) {
  const QList<QAction*> top = w->menuBar()->actions();
  ASSERT_EQ(top.size(), 4);
  EXPECT_EQ(top[0]->text(), "&File");
  EXPECT_EQ(top[1]->text(), "&Edit");
  EXPECT_EQ(top[2]->text(), "&Options");
  EXPECT_EQ(top[3]->text(), "&Help");
}

TEST_F(MainWindow, MenuItemsCarryTheirCaptionsAndShortcuts) {
  const struct {
    const char* name;
    const char* caption;
    const char* shortcut;
  } items[] = {
      {"mnuProjectLoad", "Load", "Ctrl+P"},     {"mnuD64Extract", "Export To D64", ""},
      {"mnuDatamapNew", "New", "Ctrl+N"},       {"mnuDatamapLoad", "Load", "Ctrl+M"},
      {"mnuDatamapSave", "Save", "Ctrl+S"},     {"mnuDatamapSaveAs", "Save As", "Ctrl+A"},
      {"mnuDatamapExport", "Export", "Ctrl+E"}, {"mnuDatamapResize", "Resize", "Ctrl+R"},
      {"mnuDatamapClear", "Clear", "Ctrl+C"},   {"mnuDatatypeExport", "Export", ""},
      {"mnuTilesetLoad", "Load", "Ctrl+L"},     {"mnuCMapSaveAs", "Save As", ""},
      {"mnuLoadPalette", "Load Palette", ""},   {"menuExit", "Exit", "Ctrl+Q"},
      {"mnuUndo", "Undo", "Ctrl+U"},            {"mnuDatatypeMode", "Datatype Mode", "Ctrl+D"},
      {"mnuIdentify", "Identify Tiles Used", "Ctrl+I"},
      {"mnuBitmap", "Create Bitmap Image", "Ctrl+B"},
      {"mnuZoomPage", "Full Page", ""},         {"mnuZoomWidth", "Full Width", ""},
      {"mnuSettings", "Settings", ""},          {"mnuHelp", "Help", "F1"},
      {"mnuVisit", "Visit Ostrel Forge", ""},   {"mnuCredits", "Credits", ""},
  };
  for (const auto& it : items) {
    QAction* act = w->action(it.name);
    ASSERT_NE(act, nullptr) << it.name;
    EXPECT_EQ(act->text().toStdString(), it.caption) << it.name;
    EXPECT_EQ(act->shortcut(), QKeySequence(QString(it.shortcut))) << it.name;
  }
  for (const char* sub : {"mnuProject", "mnuDatamap", "mnuDatatype", "mnuTileset", "mnuCMap",
                          "mnuZoom"})
    EXPECT_NE(w->menuByName(sub), nullptr) << sub;
  EXPECT_EQ(w->menuByName("mnuCMap")->title(), "Colormap");
}

TEST_F(MainWindow, EmptyRecentFileListsShowNoItems) {
  for (const char* n : {"mnuMWJMRU(0)", "mnuMWRTMRU(4)", "mnuTILEMRU(2)", "mnuBar8", "mnuBar11"})
    EXPECT_FALSE(w->action(n)->isVisible()) << n;
}

TEST_F(MainWindow, RecentFileCaptionShowsAnAmpersandLiterally) {
  MenuItem& item = w->app().frm.menu("mnuTILEMRU(0)");
  item.caption = "/maps/R&D.prg";
  item.visible = true;
  w->sync();
  EXPECT_EQ(w->action("mnuTILEMRU(0)")->text(), "/maps/R&&D.prg");
  EXPECT_TRUE(w->action("mnuTILEMRU(0)")->isVisible());
}

TEST_F(MainWindow, StartsWithTheBuildStampCaptionAndBlankLabels) {
  EXPECT_EQ(w->windowTitle(), "Mosaicwright v2.1 [December 20th 2011 02:44pm]");
  auto* size = qobject_cast<QLabel*>(w->control("lblMapSize"));
  ASSERT_NE(size, nullptr);
  EXPECT_EQ(size->text(), "(256x128)");
  EXPECT_EQ(qobject_cast<QLabel*>(w->control("lblProject"))->text(), "Project - Blank.mwj");
  EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(MainWindow, ShortcutRunsItsCommandAndADisabledFileMenuSilencesIt) {
  show();
  prompts.answerOpen("");
  pressKey(Qt::Key_M, Qt::ControlModifier);
  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(prompts.last().kind, "Open");

  SetMenuState(w->app(), 0);
  w->sync();
  EXPECT_FALSE(w->action("mnuDatamapLoad")->isEnabled());
  pressKey(Qt::Key_M, Qt::ControlModifier);
  EXPECT_EQ(prompts.shown().size(), 1u);

  SetMenuState(w->app(), 1);
  w->sync();
  prompts.answerOpen("");
  pressKey(Qt::Key_M, Qt::ControlModifier);
  EXPECT_EQ(prompts.shown().size(), 2u);
}

TEST_F(MainWindow, ExitQuestionCancelKeepsTheWindowAndNoClosesIt) {
  show();
  w->app().st.AskSave = true;
  prompts.answerMsgBox(vbCancel);
  EXPECT_FALSE(w->close());
  EXPECT_TRUE(w->isVisible());

  prompts.answerMsgBox(vbNo);
  EXPECT_TRUE(w->close());
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(prompts.shown().size(), 2u);
}

TEST_F(MainWindow, ScrollBarsShowTheFormsRangeAndValue) {
  auto* bar = qobject_cast<QScrollBar*>(w->control("scrVert"));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->minimum(), 0);
  EXPECT_EQ(bar->maximum(), 15);
  EXPECT_EQ(bar->singleStep(), 1);
  EXPECT_EQ(bar->pageStep(), 1);
  w->app().frm.scrVert.value = 4;
  w->sync();
  EXPECT_EQ(bar->value(), 4);
}

TEST_F(MainWindow, ScrollBarStepMovesTheMapByOneSixteenth) {
  show();
  auto* bar = qobject_cast<QScrollBar*>(w->control("scrHorz"));
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(w->app().frm.scrHorz.value, 1);
  EXPECT_EQ(w->mapView()->x(), -256);
}

TEST_F(MainWindow, StatusBarShowsTheMousePanelsAndTheVisitPanel) {
  show();
  const QList<QLabel*> panels = w->statusBarWidget()->findChildren<QLabel*>();
  ASSERT_GE(panels.size(), 7);
  EXPECT_EQ(panels[0]->text(), "X = 1");
  EXPECT_EQ(panels[0]->toolTip(), "Mouse Cursor X Position");
  EXPECT_EQ(panels[1]->text(), "Y = 1");
  EXPECT_EQ(panels[1]->toolTip(), "Mouse Cursor Y Position");
  EXPECT_EQ(panels[6]->text(), "Visit Ostrel Forge");
}

TEST_F(MainWindow, DraggingTheThumbMovesTheMapOnlyWhenItIsLetGo) {
  show();
  auto* bar = qobject_cast<QScrollBar*>(w->control("scrVert"));
  bar->setSliderDown(true);
  bar->setSliderPosition(3);
  EXPECT_EQ(w->app().frm.scrVert.value, 0);
  EXPECT_EQ(w->mapView()->y(), 0);
  bar->setSliderDown(false);
  EXPECT_EQ(w->app().frm.scrVert.value, 3);
  EXPECT_EQ(w->mapView()->y(), -3 * 128);
}

TEST_F(MainWindow, ExitQuestionYesAsksForTheFileAndClosesWhenThatIsCancelled) {
  show();
  w->app().st.AskSave = true;
  prompts.answerMsgBox(vbYes).answerSave("");
  EXPECT_TRUE(w->close());
  ASSERT_EQ(prompts.shown().size(), 2u);
  EXPECT_EQ(prompts.shown()[1].kind, "Save");
}
