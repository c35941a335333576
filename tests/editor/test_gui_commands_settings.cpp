#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QWindow>
#include <array>

#include "dialogs/ClickableLabel.h"
#include "dialogs/frmSettings.h"
#include "editor/frmMain.h"
#include "model/Settings.h"
#include "model/SettingsPath.h"
#include "platform/IniFile.h"
#include "support/TestApp.h"

namespace {

class SettingsDialog : public AppTest {
 protected:
  SettingsDialog() { startUp(); }
  void TearDown() override { EXPECT_EQ(prompts.pending(), 0u); }

  static std::array<int, 3> Sliders(const frmSettings& dlg) {
    return {dlg.Slider1(1)->value(), dlg.Slider1(2)->value(), dlg.Slider1(3)->value()};
  }
  static QString Captions(const frmSettings& dlg) {
    return dlg.Label11(1)->text() + " " + dlg.Label11(2)->text() + " " + dlg.Label11(3)->text();
  }
  // Whether a startup row (0..4) takes input, checked on every control of it.
  static bool RowOn(const frmSettings& dlg, int row) {
    const QLineEdit* box = std::array{dlg.txtStartupProject(), dlg.txtTilesLoc(), dlg.txtMapsLoc(),
                                      dlg.txtStartupTiles(), dlg.txtStartupMap()}[size_t(row)];
    const bool on = box->isEnabled();
    EXPECT_EQ(dlg.cmdSelect(row)->isEnabled(), on) << row;
    EXPECT_EQ(dlg.resetLabel(row)->isEnabled(), on) << row;
    EXPECT_EQ(box->palette().color(QPalette::Base) == QColor(0xC0, 0xC0, 0xC0), !on) << row;
    return on;
  }
  std::string fileValue(const char* section, const char* key) {
    return GetPrivateProfileString(section, key, "<missing>", SettingsPath());
  }
};

}  // namespace

TEST_F(SettingsDialog, EveryMovedSliderKeepsItsValueAndTheThreeSumToOneHundred) {
  a.st.RandomFill = {0, 75, 20, 5};
  struct Move { int slider, value; std::array<int, 3> after; };
  for (const Move m : {Move{1, 100, {100, 0, 0}}, Move{2, 30, {65, 30, 5}},
                       Move{2, 100, {0, 100, 0}}, Move{3, 50, {30, 20, 50}},
                       Move{3, 90, {0, 10, 90}}}) {
    frmSettings dlg(a);
    ASSERT_EQ(Sliders(dlg), (std::array{75, 20, 5}));
    dlg.Slider1(m.slider)->setValue(m.value);
    EXPECT_EQ(Sliders(dlg), m.after) << m.slider << " to " << m.value;
  }
  frmSettings dlg(a);  // the user's own move goes through the same rule
  dlg.Slider1(3)->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(Sliders(dlg), (std::array{70, 20, 10}));
  EXPECT_EQ(Captions(dlg), "Tile 1 - 070% Tile 2 - 020% Tile 3 - 010%");
  EXPECT_EQ(a.st.RandomFill, (std::array<int16_t, 4>{0, 75, 20, 5}));  // only Save stores them
}

TEST_F(SettingsDialog, StoredPercentagesOpenThroughTheRuleWithThreeDigitCaptions) {
  struct Stored { std::array<int16_t, 4> fill; std::array<int, 3> shown; const char* captions; };
  for (const Stored s :
       {Stored{{0, 50, 50, 50}, {50, 0, 50}, "Tile 1 - 050% Tile 2 - 000% Tile 3 - 050%"},
        Stored{{0, 75, 20, 5}, {75, 20, 5}, "Tile 1 - 075% Tile 2 - 020% Tile 3 - 005%"},
        Stored{{0, 150, -5, 3}, {100, 0, 0}, "Tile 1 - 100% Tile 2 - 000% Tile 3 - 000%"}}) {
    a.st.RandomFill = s.fill;
    frmSettings dlg(a);
    EXPECT_EQ(Sliders(dlg), s.shown) << s.captions;
    EXPECT_EQ(Captions(dlg), s.captions);
  }
}

TEST_F(SettingsDialog, AStartupProjectAndStartupFilesExcludeEachOtherUntilReset) {
  a.st.StartupProject = "/p/a.mwj";
  frmSettings project(a);
  EXPECT_TRUE(RowOn(project, 0));
  EXPECT_FALSE(RowOn(project, 3));
  EXPECT_FALSE(RowOn(project, 4));
  QTest::mouseClick(project.resetLabel(3), Qt::LeftButton);  // disabled: no reset
  QTest::mouseClick(project.resetLabel(0), Qt::LeftButton);
  EXPECT_EQ(project.txtStartupProject()->text(), " ");
  EXPECT_TRUE(RowOn(project, 3));
  EXPECT_TRUE(RowOn(project, 4));
  project.txtStartupMap()->setText("/p/a.map");  // typing a map path locks the project row
  EXPECT_FALSE(RowOn(project, 0));

  a.st.StartupTileset = "/p/a.prg";
  frmSettings both(a);
  for (int row : {0, 3, 4}) EXPECT_FALSE(RowOn(both, row)) << row;
  EXPECT_TRUE(RowOn(both, 1));
  EXPECT_TRUE(RowOn(both, 2));
  QTest::mouseClick(both.Label10(), Qt::LeftButton);
  for (int row = 0; row < 5; ++row) EXPECT_TRUE(RowOn(both, row)) << row;
  EXPECT_EQ(both.txtStartupTiles()->text(), " ");
}

TEST_F(SettingsDialog, LoadDefaultsThenCancelKeepsDefaultsForTheRunButNotInTheFile) {
  a.st.AskSave = true;
  a.st.SelectColor = 0x0000FF;
  a.st.RandomFill = {0, 10, 10, 80};
  a.st.MapsDir = "/maps/";
  ASSERT_TRUE(SaveSettings(a));
  a.frm.shpTileSelected.borderColor = 0x0000FF;

  frmSettings dlg(a);
  dlg.Label10_Click();
  EXPECT_FALSE(dlg.chkAskSaveExit()->isChecked());
  EXPECT_EQ(dlg.shpColorBorderColor(), 0xFF8000);
  EXPECT_EQ(dlg.lblDTColor()->palette().color(QPalette::WindowText), QColor(255, 255, 0));
  EXPECT_EQ(Sliders(dlg), (std::array{75, 20, 5}));
  EXPECT_EQ(dlg.txtMapsLoc()->text(), " ");
  dlg.cmdCancel()->click();

  EXPECT_FALSE(a.st.AskSave);
  EXPECT_EQ(a.st.SelectColor, 0xFF8000);
  EXPECT_EQ(a.st.DatatypeColor, 0xFFFF);
  EXPECT_EQ(a.st.RandomFill, (std::array<int16_t, 4>{0, 75, 20, 5}));
  EXPECT_EQ(a.st.MapsDir, " ");
  EXPECT_EQ(a.frm.shpTileSelected.borderColor, 0x0000FF);  // repainted only by Save
  EXPECT_EQ(fileValue("Defaults", "AskSave"), "True");
  EXPECT_EQ(fileValue("Defaults", "RandomFill3"), "80");
  EXPECT_EQ(fileValue("Files", "MapsDir"), "/maps/");
}

TEST_F(SettingsDialog, AnUnchangedSaveStillWritesTheFileAndRepaintsBothFrames) {
  writeText(SettingsPath(), "[Defaults]\nRandomFill1=40\n");  // changed behind the program's back
  a.frm.shpTileSelected.borderColor = 1;
  a.frm.shpMapSelected.borderColor = 2;
  frmSettings dlg(a);
  dlg.show();
  dlg.cmdSave()->click();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(fileValue("Defaults", "RandomFill1"), "75");
  EXPECT_EQ(fileValue("Window", "Height"), std::to_string(a.st.WindowHeight));
  EXPECT_EQ(a.frm.shpTileSelected.borderColor, 0xFF8000);
  EXPECT_EQ(a.frm.shpMapSelected.borderColor, 0xFF8000);
}

TEST_F(SettingsDialog, SaveStoresWhatTheChoosersGaveAndCancelledChoosersChangeNothing) {
  const std::string project = path("start.mwj");
  prompts.answerColor(true, 0x123456).answerColor(false)  // border colour, then a cancel
      .answerColor(false).answerColor(true, 0x00FF00)     // label colour: cancel, then green
      .answerOpen("")                                     // tileset cancelled
      .answerOpen("").answerOpen(project)                 // project: cancel, then chosen
      .answerFolder("").answerFolder("/home/u/tiles")     // tiles folder
      .answerFolder("/");                                 // maps folder
  frmSettings dlg(a);
  dlg.cmdBorder()->click();
  dlg.cmdBorder()->click();
  EXPECT_EQ(dlg.shpColorBorderColor(), 0x123456);
  dlg.cmdDTColor()->click();
  EXPECT_EQ(dlg.lblDTColor()->palette().color(QPalette::WindowText), QColor(255, 255, 0));
  dlg.cmdDTColor()->click();
  EXPECT_EQ(dlg.lblDTColor()->palette().color(QPalette::WindowText), QColor(0, 255, 0));
  dlg.cmdSelect(3)->click();
  EXPECT_EQ(prompts.last().dialog.DialogTitle, "Load Startup TileSet");
  EXPECT_EQ(prompts.last().dialog.Filter, "Tile Sets (*.prg;*.bmp;*.chr)|*.prg;*.bmp;*.chr");
  EXPECT_EQ(dlg.txtStartupTiles()->text(), "");
  dlg.cmdSelect(0)->click();
  EXPECT_EQ(dlg.txtStartupProject()->text(), "");
  dlg.cmdSelect(0)->click();
  const CommonDialog shownOpen = prompts.last().dialog;
  EXPECT_EQ(shownOpen.DialogTitle, "Load Startup Project");
  EXPECT_EQ(shownOpen.Filter, "Projects (*.mwj)|*.mwj");
  EXPECT_EQ(shownOpen.FilterIndex, 1);
  EXPECT_EQ(shownOpen.InitDir, folder.dir());
  EXPECT_EQ(shownOpen.Flags, 0x1000);
  EXPECT_EQ(shownOpen.FileName, "");
  dlg.cmdSelect(1)->click();
  EXPECT_EQ(dlg.txtTilesLoc()->text(), "");
  dlg.cmdSelect(1)->click();
  EXPECT_EQ(prompts.last().text, "Select default Tiles Directory");
  dlg.cmdSelect(2)->click();
  EXPECT_EQ(prompts.last().text, "Select default Datamaps Directory");
  dlg.chkAskSaveExit()->setChecked(true);
  dlg.chkSaveWindow()->setChecked(true);
  dlg.Slider1(2)->setValue(25);
  QTest::mouseClick(dlg.cmdSave(), Qt::LeftButton);

  EXPECT_TRUE(a.st.AskSave);
  EXPECT_TRUE(a.st.SaveWindow);
  EXPECT_EQ(a.st.SelectColor, 0x123456);
  EXPECT_EQ(a.st.DatatypeColor, 0x00FF00);
  EXPECT_EQ(a.st.StartupProject, project);
  EXPECT_EQ(a.st.TilesDir, "/home/u/tiles/");
  EXPECT_EQ(a.st.MapsDir, "/");
  EXPECT_EQ(a.st.StartupTileset, "");
  EXPECT_EQ(a.st.RandomFill, (std::array<int16_t, 4>{0, 70, 25, 5}));
  EXPECT_EQ(fileValue("Defaults", "SelectColor"), "1193046");
  EXPECT_EQ(fileValue("Files", "TilesDir"), "/home/u/tiles/");
  EXPECT_EQ(fileValue("Files", "Project"), project);
  EXPECT_EQ(fileValue("Window", "Save"), "True");
}

TEST_F(SettingsDialog, CancelTheCloseBoxAndEscapeStoreNothing) {
  auto edit = [](frmSettings& dlg) {
    dlg.chkAskSaveExit()->setChecked(true);
    dlg.txtMapsLoc()->setText("/elsewhere/");
    dlg.Slider1(1)->setValue(0);
  };
  frmSettings cancelled(a);
  edit(cancelled);
  cancelled.cmdCancel()->click();
  frmSettings closed(a);
  closed.show();
  edit(closed);
  EXPECT_TRUE(closed.close());
  frmSettings escaped(a);
  escaped.show();
  edit(escaped);
  QTest::keyClick(&escaped, Qt::Key_Escape);
  EXPECT_FALSE(escaped.isVisible());

  EXPECT_FALSE(a.st.AskSave);
  EXPECT_EQ(a.st.MapsDir, "");
  EXPECT_EQ(a.st.RandomFill[1], 75);
  EXPECT_EQ(fileValue("Defaults", "AskSave"), "False");
}

TEST_F(SettingsDialog, ASettingsFileThatCannotBeWrittenIsReportedAndTheDialogStaysOpen) {
  writeText(path("plain"), "a file, not a folder");
  frmSettings dlg(a);
  dlg.show();
  dlg.chkSaveWindow()->setChecked(true);
  SetAppPathForTesting(path("plain"));
  prompts.answerMsgBox(vbOK);
  dlg.cmdSave()->click();
  SetAppPathForTesting(folder.dir());
  EXPECT_EQ(prompts.last().text, "Cannot write Settings file (" + path("plain") +
                                     "/Mosaicwright.ini)!");
  EXPECT_EQ(prompts.last().title, "Settings Save Error");
  EXPECT_EQ(prompts.last().style, vbCritical);
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_TRUE(dlg.chkSaveWindow()->isChecked());

  dlg.cmdSave()->click();  // the same choices saved once the file can be written
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(fileValue("Window", "Save"), "True");
}

TEST(SettingsWindow, OptionsSettingsOpensUserSettingsAndAltSSavesAndRepaintsTheSheetFrame) {
  TempProgramFolder folder;
  ScriptedPrompts prompts;
  frmMain w("", &prompts);
  w.show();
  prompts.answerModal([&](ModalForm& form) {
    auto& dlg = dynamic_cast<frmSettings&>(form);
    EXPECT_EQ(dlg.windowTitle(), "User Settings");
    EXPECT_EQ(dlg.size(), QSize(424, 467));
    dlg.show();
    dlg.windowHandle()->requestActivate();
    QCoreApplication::processEvents();
    prompts.answerColor(true, 0x0000FF);
    dlg.cmdBorder()->click();
    // The mnemonic presses Save at once and lets it go on a timer of Qt's;
    // the click that follows is Save's own.
    QTest::keyClick(&dlg, Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(dlg.cmdSave()->isDown());
    dlg.cmdSave()->click();
    EXPECT_FALSE(dlg.isVisible());
  });
  w.action("mnuSettings")->trigger();
  EXPECT_EQ(prompts.pending(), 0u);
  EXPECT_EQ(w.app().st.SelectColor, 0x0000FF);
  EXPECT_EQ(GetPrivateProfileString("Defaults", "SelectColor", "", SettingsPath()), "255");
  const Shape& frame = w.app().frm.shpTileSelected;
  const QImage sheet = w.tileSheetView()->grab().toImage();
  EXPECT_EQ(sheet.pixelColor(frame.left + 8, frame.top), QColor(255, 0, 0));
}
