#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QWindow>

#include "dialogs/ClickableLabel.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmMapSize.h"
#include "dialogs/frmSettings.h"
#include "model/Settings.h"
#include "model/SettingsPath.h"
#include "platform/IniFile.h"
#include "platform/widgets/QtPrompts.h"
#include "support/DocumentFilesHelpers.h"
#include "window_fixture.h"

namespace {

class Dialogs : public ShownWindow {
 protected:
  // The startup rows (0..4) that take input: box, button and reset label alike.
  static std::string RowsOn(const frmSettings& dlg) {
    const QLineEdit* boxes[] = {dlg.txtStartupProject(), dlg.txtTilesLoc(), dlg.txtMapsLoc(),
                                dlg.txtStartupTiles(), dlg.txtStartupMap()};
    std::string on;
    for (int r = 0; r < 5; ++r)
      on += boxes[r]->isEnabled() && dlg.cmdSelect(r)->isEnabled() && dlg.resetLabel(r)->isEnabled()
                ? char('0' + r) : '-';
    return on;
  }
  static std::string fileValue(const char* section, const char* key) {
    return GetPrivateProfileString(section, key, "<missing>", SettingsPath());
  }
};

// The credits' scroll offset, read back from line 1's place.
int Offset(const frmAbout& box) { return 273 + 25 - box.lblScroll(1)->y(); }

}  // namespace

TEST_F(Dialogs, EveryMovedSliderKeepsItsValueAndTheThreeSumToOneHundred) {
  struct Move { int slider, value; std::array<int, 3> after; };
  for (const Move m : {Move{1, 100, {100, 0, 0}}, Move{2, 30, {65, 30, 5}},
                       Move{2, 100, {0, 100, 0}}, Move{3, 50, {30, 20, 50}},
                       Move{3, 90, {0, 10, 90}}}) {
    frmSettings dlg(app());
    dlg.Slider1(m.slider)->setValue(m.value);
    const std::array now{dlg.Slider1(1)->value(), dlg.Slider1(2)->value(), dlg.Slider1(3)->value()};
    EXPECT_EQ(now, m.after) << m.slider << " to " << m.value;
  }
  for (auto [fill, captions] : {std::pair{std::array<int16_t, 4>{0, 50, 50, 50}, "050% 000% 050%"},
                                {{0, 150, 0, 0}, "100% 000% 000%"}}) {
    st().RandomFill = fill;  // stored percentages open through the rule
    frmSettings stored(app());
    EXPECT_EQ(stored.Label11(1)->text() + " " + stored.Label11(2)->text().right(4) + " " +
              stored.Label11(3)->text().right(4), QString("Tile 1 - ") + captions);
  }
}

TEST_F(Dialogs, AStartupProjectAndStartupFilesExcludeEachOtherUntilReset) {
  st().StartupProject = "/p/a.mwj";
  frmSettings project(app());
  LooksAsBefore(&project, "settings");  // rows 3 and 4 greyed, 75 20 5 per cent
  LooksAsBefore(&project, "settings", w.get());  // the links keep their colour behind the window
  QTest::mouseClick(project.resetLabel(3), Qt::LeftButton);  // disabled: no reset
  QTest::mouseClick(project.resetLabel(0), Qt::LeftButton);
  EXPECT_EQ(project.txtStartupProject()->text() + RowsOn(project).c_str(), " 01234");
  project.txtStartupMap()->setText("/p/a.map");  // typing a map path locks the project row
  EXPECT_EQ(RowsOn(project), "-1234");
  st().StartupTileset = "/p/a.prg";
  frmSettings both(app());
  EXPECT_EQ(RowsOn(both), "-12--");
  QTest::mouseClick(both.Label10(), Qt::LeftButton);
  EXPECT_EQ(RowsOn(both), "01234");
}

// Every row saves to its own key; a folder's "..." opens at its own row's folder. A write
// that fails says so and keeps the old file, yet the dialog closes with every value in
// effect: a file that cannot be written must not keep the user from changing a setting.
TEST_F(Dialogs, SaveKeepsEachRowApartAndAppliesEverythingAtOnceEvenWhenTheWriteFails) {
  prompts.answerColor(true, 0x123456).answerColor(false).answerColor(false)  // border, label
      .answerOpen("").answerOpen(path("start.mwj"))                          // project
      .answerFolder("").answerFolder("/home/u/tiles").answerFolder("").answerFolder("");
  frmSettings dlg(app());
  dlg.show();
  for (QPushButton* b : {dlg.cmdBorder(), dlg.cmdBorder(), dlg.cmdDTColor(), dlg.cmdSelect(0)})
    b->click();
  EXPECT_EQ(dlg.txtStartupProject()->text(), "");
  dlg.txtMapsLoc()->setText("/home/u/maps/");
  std::string openedAt, p = folder.dir() + " ";
  for (int row : {0, 1, 1, 2, 1}) {  // the first tiles folder is cancelled
    dlg.cmdSelect(row)->click();
    openedAt += prompts.last().dialog.InitDir + " ";
  }
  EXPECT_EQ(openedAt, p + p + p + "/home/u/maps/ /home/u/tiles/ ");
  dlg.txtStartupTiles()->setText("/s/t.prg");
  dlg.txtStartupMap()->setText("/s/m.map");
  dlg.cmdSave()->click();
  std::string keys = fileValue("Defaults", "SelectColor");
  for (const char* key : {"Project", "TilesDir", "MapsDir", "Tile", "Map"})
    keys += "|" + fileValue("Files", key);
  EXPECT_EQ(keys,
            "1193046|" + path("start.mwj") + "|/home/u/tiles/|/home/u/maps/|/s/t.prg|/s/m.map");

  // A settings file its folder keeps from being replaced is written in place;
  // stopped part-way, it must come back as it was.
  const std::string old = "[Mine]\n" + std::string(300, 'x') + "=1\n";
  writeText(SettingsPath(), old);
  dlg.show();
  prompts.answerColor(true, 0x00FF00).answerMsgBox(vbOK);
  dlg.cmdBorder()->click();
  QTest::keyClick(dlg.Slider1(2), Qt::Key_PageUp);
  QTest::mouseClick(dlg.resetLabel(2), Qt::LeftButton);
  {
    LockedFolder locked(folder.dir());
    FileSizeLimit limit(100);
    QTest::mouseClick(dlg.cmdSave(), Qt::LeftButton);
  }
  EXPECT_EQ(prompts.lastMessage(),
            "Settings Save Error | Cannot write Settings file (" + SettingsPath() + ")!");
  EXPECT_TRUE(readText(SettingsPath()) == old && !dlg.isVisible());
  const MainForm& f = frm();
  EXPECT_EQ(std::tuple(st().RandomFill, st().MapsDir, st().TilesDir, st().SelectColor,
                       f.shpMapSelected.borderColor, f.shpTileSelected.borderColor),
            std::tuple(std::array<int16_t, 4>{0, 70, 25, 5}, " ", "/home/u/tiles/", 0x00FF00,
                       0x00FF00, 0x00FF00));

  frmSettings again(app());  // "Load Defaults" applies at once; Cancel neither writes nor repaints
  QTest::mouseClick(again.Label10(), Qt::LeftButton);
  again.cmdCancel()->click();
  EXPECT_EQ(std::tuple(st().RandomFill[1], st().SelectColor, f.shpTileSelected.borderColor,
                       readText(SettingsPath())), std::tuple(75, 0xFF8000, 0x00FF00, old));
}

TEST_F(Dialogs, OptionsSettingsOpensUserSettingsWhereAltSSavesEvenUnchangedAndRepaintsTheFrame) {
  writeText(SettingsPath(), "[Defaults]\nRandomFill1=40\n");  // changed behind the program's back
  Click(sheet(), Cell(5, 0));
  MoveTo(sheet(), Cell(20, 5));  // the red tile cursor goes with the mouse
  frm().shpTileSelected.borderColor = frm().shpMapSelected.borderColor = 0x00FF00;
  w->sync();
  prompts.answerModal([&](ModalForm& form) {
    auto& dlg = dynamic_cast<frmSettings&>(form);
    dlg.show();
    dlg.windowHandle()->requestActivate();
    QCoreApplication::processEvents();
    // The mnemonic presses Save at once and lets it go on a timer of Qt's;
    // the click that follows is Save's own.
    QTest::keyClick(&dlg, Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(dlg.cmdSave()->isDown());
    dlg.cmdSave()->click();
  });
  w->action("mnuSettings")->trigger();
  EXPECT_EQ(fileValue("Defaults", "RandomFill1"), "75");
  EXPECT_EQ(sheet()->grab().toImage().pixelColor(16 * 5 + 8, 0), QColor(0, 128, 255));
}

TEST_F(Dialogs, CtrlRFollowsTheSliderRestoresABadSizeAndOkResizesRoundedAfterTakingOneOff) {
  prompts.answerModal([](ModalForm& form) {
    auto& dlg = dynamic_cast<frmMapSize&>(form);
    QTest::keyClick(dlg.sldWidth(), Qt::Key_Left);  // the box follows the slider's every step
    dlg.txtHeight()->setText("129");  // back to 128, selected, under the message
    LooksAsBefore(&dlg, "map-size");
    QTest::keyClick(dlg.sldWidth(), Qt::Key_PageDown);  // a page is 5 columns
    EXPECT_EQ(dlg.txtWidth()->text(), "250");
    QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);  // typing replaces the text
    QApplication::sendEvent(dlg.txtWidth(), &back);
    QTest::keyClicks(dlg.txtWidth(), "13.5");
    dlg.cmdOK()->click();
  });
  keys(Qt::Key_R);
  EXPECT_EQ(std::tuple(int(st().MapWidthByte), int(st().MapHeightByte), map()->size()),
            std::tuple(12, 127, QSize(13 * 16, 128 * 16)));
}

TEST_F(Dialogs, HelpCreditsScrollsHalfAPixelATickRoundedToEvenAndStartsAgainOnTick2147) {
  prompts.answerModal([&](ModalForm& form) {
    auto& box = dynamic_cast<frmAbout&>(form);
    box.show();
    EXPECT_EQ(box.tmrScroll()->isActive() ? box.tmrScroll()->interval() : 0, 16);
    std::vector<int> offsets;
    for (int tick = 1; tick <= 10; ++tick) {
      box.tmrScroll_Timer();
      offsets.push_back(Offset(box));
    }
    EXPECT_EQ(offsets, (std::vector<int>{0, 1, 2, 2, 2, 3, 4, 4, 4, 5}));
    const QRect area = box.picScroll()->rect();
    for (int tick = 11; tick <= 50; ++tick) box.tmrScroll_Timer();  // offset 25: line 1 on the edge
    EXPECT_FALSE(box.lblScroll(1)->geometry().intersects(area));
    box.tmrScroll_Timer();
    EXPECT_TRUE(box.lblScroll(1)->geometry().intersects(area));
    for (int tick = 52; tick <= 557; ++tick) box.tmrScroll_Timer();
    LooksAsBefore(&box, "credits");  // offset 278.5 rounded to 278: line 1 near the top
    for (int tick = 558; tick <= 2146; ++tick) box.tmrScroll_Timer();
    EXPECT_EQ(box.lblScroll(24)->y(), -200);  // offset 1073: goes on
    box.tmrScroll_Timer();
    EXPECT_EQ(Offset(box), 1074);
    box.tmrScroll_Timer();
    EXPECT_EQ(Offset(box), 0);
    QTest::mouseClick(box.lblExit(), Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
  });
  w->action("mnuCredits")->trigger();
  EXPECT_EQ(w->windowTitle(), "Mosaicwright v2.1 [December 20th 2011 02:44pm]");
}

TEST(CreditsBox, APressOnTheBackgroundClosesAtOnceAndClicksElsewhereOnRelease) {
  frmAbout pressed;
  pressed.show();
  QTest::mousePress(&pressed, Qt::RightButton, Qt::NoModifier, QPoint(450, 100));
  EXPECT_FALSE(pressed.isVisible() || pressed.tmrScroll()->isActive());
  QTest::mouseRelease(&pressed, Qt::RightButton);  // QTest would hold it into the next test
  for (int target = 0; target < 2; ++target) {
    frmAbout box;
    box.show();
    QWidget* on = target ? box.picScroll() : static_cast<QWidget*>(box.lblScroll(24));
    QTest::mousePress(on, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QTest::mouseRelease(on, Qt::LeftButton, Qt::NoModifier, QPoint(-50, -50));  // let go outside
    EXPECT_TRUE(box.isVisible()) << target;
    QTest::mouseClick(on, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_FALSE(box.isVisible()) << target;
  }
}

TEST(FileDialogFilters, EachPairBecomesOneQtFilterListingUpperCaseToo) {
  const std::pair<std::string, QStringList> rows[] = {
      {"Datamap (*.map;*.prg)|*.map;*.prg", {"Datamap (*.map *.MAP *.prg *.PRG)"}},
      {"Bitmaps (*.bmp)|*.bmp|All Files (*.*)|*.*|", {"Bitmaps (*.bmp *.BMP)", "All Files (*.*)"}},
      {"Project (.mwj)|*.mwj", {"Project (*.mwj *.MWJ)"}}};
  for (const auto& [filter, qt] : rows) EXPECT_EQ(QtPrompts::qtFilters(filter), qt) << filter;
}
