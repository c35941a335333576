#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "dialogs/frmMapSize.h"
#include "editor/logic/FileCommands.h"
#include "model/App.h"
#include "platform/ProgramFolder.h"
#include "support/ScriptedPrompts.h"

namespace {

// The window's way of showing the size dialog, without the window.
class DialogHost : public WindowHost {
 public:
  explicit DialogHost(App& a) : app(a) {}
  void ShowMapSizeDialog() override {
    frmMapSize dlg(app);
    app.prompts->RunModal(dlg);
  }
  App& app;
};

// What a user does in the dialog: types the two sizes, then presses a button.
std::function<void(ModalForm&)> Enter(const QString& w, const QString& h, bool ok = true) {
  return [w, h, ok](ModalForm& form) {
    auto& dlg = dynamic_cast<frmMapSize&>(form);
    dlg.txtWidth()->setText(w);
    dlg.txtHeight()->setText(h);
    (ok ? dlg.cmdOK() : dlg.cmdCancel())->click();
  };
}

class MapSizeDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    a.st.MapWidth = 256;
    a.st.MapHeight = 128;
  }
  App a;
};

// Shown on screen only when a test needs real window events (the close box).
bool ErrorShown(frmMapSize& dlg) { return dlg.lblError()->isVisibleTo(&dlg); }

}  // namespace

// ---- The dialog on its own

TEST_F(MapSizeDialog, OpensOnTheCurrentSizeAndOkStoresIt) {
  frmMapSize dlg(a);
  EXPECT_EQ(dlg.windowTitle(), "Datamap Size");
  EXPECT_EQ(dlg.txtWidth()->text(), "256");
  EXPECT_EQ(dlg.txtHeight()->text(), "128");
  EXPECT_EQ(dlg.sldWidth()->value(), dlg.sldWidth()->maximum());
  EXPECT_EQ(dlg.sldHeight()->value(), dlg.sldHeight()->maximum());
  EXPECT_EQ(a.st.MsgResult, 2);
  EXPECT_FALSE(ErrorShown(dlg));

  dlg.cmdOK()->click();

  EXPECT_EQ(a.st.MsgResult, 1);
  EXPECT_EQ(a.st.MapWidth, 256);
  EXPECT_EQ(a.st.MapHeight, 128);
  EXPECT_EQ(a.st.MapWidthByte, 255);
  EXPECT_EQ(a.st.MapHeightByte, 127);
}

TEST_F(MapSizeDialog, ControlsHaveTheirDesignedCaptionsAndRanges) {
  frmMapSize dlg(a);
  EXPECT_EQ(dlg.width(), 223);
  EXPECT_EQ(dlg.height(), 187);
  EXPECT_EQ(dlg.lblWidth()->text(), "Width");
  EXPECT_EQ(dlg.lblHeight()->text(), "Height");
  EXPECT_EQ(dlg.Label1()->text(), "X");
  EXPECT_EQ(dlg.cmdOK()->text(), "&Ok");
  EXPECT_EQ(dlg.cmdCancel()->text(), "&Cancel");
  EXPECT_EQ(dlg.sldWidth()->minimum(), 0);
  EXPECT_EQ(dlg.sldWidth()->maximum(), 256);
  EXPECT_EQ(dlg.sldHeight()->maximum(), 128);
  EXPECT_EQ(dlg.sldWidth()->pageStep(), 5);
  EXPECT_EQ(dlg.sldWidth()->singleStep(), 1);
  EXPECT_EQ(dlg.txtWidth()->geometry(), QRect(16, 88, 73, 28));
  EXPECT_EQ(dlg.cmdCancel()->geometry(), QRect(136, 128, 73, 33));
}

TEST_F(MapSizeDialog, OutOfRangeWidthIsReplacedByTheCurrentSizeAndReported) {
  a.st.MapWidth = 40;
  frmMapSize dlg(a);

  dlg.txtWidth()->setText("300");

  EXPECT_EQ(dlg.txtWidth()->text(), "40");
  EXPECT_EQ(dlg.txtWidth()->selectedText(), "40");
  EXPECT_TRUE(ErrorShown(dlg));
  EXPECT_EQ(dlg.lblError()->text(), "Invalid Width (1-256)!");
  EXPECT_EQ(dlg.sldWidth()->value(), 40);
}

TEST_F(MapSizeDialog, EmptyZeroOrNegativeHeightIsBad) {
  a.st.MapHeight = 25;
  frmMapSize dlg(a);
  for (const char* bad : {"", "0", "-3", "129", "abc"}) {
    dlg.txtHeight()->setText("30");
    EXPECT_FALSE(ErrorShown(dlg));
    dlg.txtHeight()->setText(bad);
    EXPECT_EQ(dlg.txtHeight()->text(), "25") << bad;
    EXPECT_EQ(dlg.lblError()->text(), "Invalid Height (1-128)!");
    EXPECT_TRUE(ErrorShown(dlg)) << bad;
  }
}

TEST_F(MapSizeDialog, GoodEntryMovesTheSliderAndHidesTheReport) {
  frmMapSize dlg(a);
  dlg.txtWidth()->setText("999");
  ASSERT_TRUE(ErrorShown(dlg));
  dlg.txtWidth()->setText("12abc");
  EXPECT_FALSE(ErrorShown(dlg));
  EXPECT_EQ(dlg.txtWidth()->text(), "12abc");
  EXPECT_EQ(dlg.sldWidth()->value(), 12);
}

TEST_F(MapSizeDialog, FractionsAreRoundedAfterTakingOneOff) {
  struct Case { const char* text; int width; int widthByte; };
  for (const Case c : {Case{"12.4", 12, 11}, Case{"12.5", 13, 12}, Case{"13.5", 13, 12},
                       Case{"12abc", 12, 11}, Case{"1", 1, 0}}) {
    frmMapSize dlg(a);
    dlg.txtWidth()->setText(c.text);
    dlg.cmdOK()->click();
    EXPECT_EQ(a.st.MapWidth, c.width) << c.text;
    EXPECT_EQ(a.st.MapWidthByte, c.widthByte) << c.text;
  }
}

TEST_F(MapSizeDialog, MovingTheSliderWritesTheBoxAndHidesTheReport) {
  a.st.MapWidth = 40;
  frmMapSize dlg(a);
  dlg.txtWidth()->setText("0");
  ASSERT_TRUE(ErrorShown(dlg));

  dlg.sldWidth()->triggerAction(QAbstractSlider::SliderSingleStepAdd);

  EXPECT_EQ(dlg.txtWidth()->text(), "41");
  EXPECT_EQ(dlg.sldWidth()->value(), 41);
  EXPECT_FALSE(ErrorShown(dlg));
}

TEST_F(MapSizeDialog, SliderDraggedToZeroPutsBackTheCurrentSizeWithoutAReport) {
  a.st.MapWidth = 40;
  frmMapSize dlg(a);

  dlg.sldWidth()->triggerAction(QAbstractSlider::SliderToMinimum);

  EXPECT_EQ(dlg.txtWidth()->text(), "40");
  EXPECT_EQ(dlg.sldWidth()->value(), 40);
  EXPECT_FALSE(ErrorShown(dlg));
}

TEST_F(MapSizeDialog, SliderSetByTheCheckDoesNotWriteTheBoxBack) {
  frmMapSize dlg(a);
  dlg.txtWidth()->setText("12.4");
  EXPECT_EQ(dlg.sldWidth()->value(), 12);
  EXPECT_EQ(dlg.txtWidth()->text(), "12.4");
}

TEST_F(MapSizeDialog, CancelAndTheCloseBoxStoreNothing) {
  {
    frmMapSize dlg(a);
    dlg.txtWidth()->setText("10");
    dlg.cmdCancel()->click();
    EXPECT_EQ(a.st.MsgResult, 2);
    EXPECT_EQ(a.st.MapWidth, 256);
  }
  {
    frmMapSize dlg(a);
    dlg.show();
    dlg.txtWidth()->setText("10");
    dlg.txtHeight()->setText("10");
    EXPECT_TRUE(dlg.close());
    EXPECT_EQ(a.st.MsgResult, 2);
    EXPECT_EQ(a.st.MapWidth, 256);
    EXPECT_EQ(a.st.MapHeight, 128);
  }
}

TEST_F(MapSizeDialog, OkRefusesAnEntryThatSlippedPastTheCheck) {
  a.st.MapWidth = 40;
  frmMapSize dlg(a);
  dlg.txtWidth()->blockSignals(true);
  dlg.txtWidth()->setText("0");
  dlg.txtWidth()->blockSignals(false);

  dlg.cmdOK()->click();

  EXPECT_EQ(a.st.MsgResult, 2);
  EXPECT_EQ(a.st.MapWidth, 40);
  EXPECT_EQ(dlg.lblError()->text(), "Invalid Width (1-256)!");
  EXPECT_TRUE(ErrorShown(dlg));
}

TEST_F(MapSizeDialog, TextIsSelectedWhenTheBoxGetsTheFocus) {
  frmMapSize dlg(a);
  dlg.txtHeight()->deselect();
  dlg.txtHeight_GotFocus();
  EXPECT_EQ(dlg.txtHeight()->selectedText(), "128");
}

// ---- The datamap commands that use it

class MapSizeCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    SetAppPathForTesting(tmp.path().toStdString());
    a.prompts = &prompts;
    a.host = &host;
    a.st.MapWidth = 256;
    a.st.MapHeight = 128;
    a.st.TileBytes.assign(2048, 0);
    a.st.Zoom = 100;
  }
  QTemporaryDir tmp;
  ScriptedPrompts prompts;
  App a;
  DialogHost host{a};
};

TEST_F(MapSizeCommands, ResizingSmallerAndBackShowsTheEarlierCellsAgain) {
  a.st.DatamapAt(0, 0) = 1;
  a.st.DatamapAt(100, 60) = 2;
  a.st.DatamapAt(255, 127) = 3;
  prompts.answerModal(Enter("40", "25"));

  mnuDatamapResize_Click(a);

  EXPECT_EQ(a.st.MapWidth, 40);
  EXPECT_EQ(a.st.MapHeight, 25);
  EXPECT_EQ(a.frm.picMap.width(), 640);
  EXPECT_EQ(a.frm.picMap.height(), 400);
  EXPECT_EQ(a.frm.lblMapSize.caption, "(40x25)");

  prompts.answerModal(Enter("256", "128"));
  mnuDatamapResize_Click(a);

  EXPECT_EQ(a.frm.lblMapSize.caption, "(256x128)");
  EXPECT_EQ(a.frm.picMap.width(), 4096);
  EXPECT_EQ(a.st.DatamapAt(0, 0), 1);
  EXPECT_EQ(a.st.DatamapAt(100, 60), 2);
  EXPECT_EQ(a.st.DatamapAt(255, 127), 3);
  EXPECT_EQ(a.st.MapWidthByte, 255);
  ASSERT_EQ(prompts.shown().size(), 2u);
  EXPECT_EQ(prompts.last().text, "frmMapSize");
}

TEST_F(MapSizeCommands, NewClearsTheMapAndUntiesItWithoutTouchingTheLabel) {
  a.st.DatamapHasFile = true;
  a.st.DatamapFile = "world.map";
  a.frm.lblMapName.caption = "world.map";
  a.st.DatamapAt(7, 7) = 9;
  a.frm.scrHorz.value = 4;
  prompts.answerModal(Enter("20", "10"));

  mnuDatamapNew_Click(a);

  EXPECT_EQ(a.st.DatamapAt(7, 7), 0);
  EXPECT_EQ(a.st.MapWidth, 20);
  EXPECT_EQ(a.st.MapHeight, 10);
  EXPECT_EQ(a.frm.lblMapSize.caption, "(20x10)");
  EXPECT_FALSE(a.st.DatamapHasFile);
  EXPECT_EQ(a.st.DatamapFile, "MWRT.Blank.prg");
  EXPECT_EQ(a.st.DatamapPath, tmp.path().toStdString() + "/MWRT.Blank.prg");
  EXPECT_EQ(a.frm.lblMapName.caption, "world.map");
  EXPECT_EQ(a.frm.scrHorz.value, 0);
}

TEST_F(MapSizeCommands, CancelledSizeDialogChangesNothing) {
  a.st.DatamapAt(7, 7) = 9;
  a.st.MsgResult = 1;  // an earlier OK must not count for this showing
  prompts.answerModal(Enter("20", "10", false));

  mnuDatamapNew_Click(a);

  EXPECT_EQ(a.st.MsgResult, 2);
  EXPECT_EQ(a.st.DatamapAt(7, 7), 9);
  EXPECT_EQ(a.st.MapWidth, 256);
  EXPECT_EQ(a.frm.picMap.width(), 4096);
}
