#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <gtest/gtest.h>

#include "dialogs/frmMapSize.h"
#include "model/App.h"

namespace {

class MapSizeDialog : public ::testing::Test {
 protected:
  MapSizeDialog() {
    a.st.MapWidth = 40;
    a.st.MapHeight = 25;
  }
  static bool ErrorShown(frmMapSize& dlg) { return dlg.lblError()->isVisibleTo(&dlg); }
  App a;
};

}  // namespace

TEST_F(MapSizeDialog, OpensOnTheCurrentSizeAndPutsItBackForAnEntryOutOfRange) {
  frmMapSize dlg(a);
  EXPECT_EQ(dlg.txtWidth()->text() + "x" + dlg.txtHeight()->text(), "40x25");
  EXPECT_FALSE(ErrorShown(dlg));

  dlg.txtWidth()->setText("300");
  EXPECT_EQ(dlg.txtWidth()->text(), "40");
  EXPECT_EQ(dlg.txtWidth()->selectedText(), "40");
  EXPECT_TRUE(ErrorShown(dlg));
  EXPECT_EQ(dlg.lblError()->text(), "Invalid Width (1-256)!");
  EXPECT_EQ(dlg.lblError()->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_EQ(dlg.sldWidth()->value(), 40);
  dlg.txtHeight()->setText("129");
  EXPECT_EQ(dlg.txtHeight()->text(), "25");
  EXPECT_EQ(dlg.lblError()->text(), "Invalid Height (1-128)!");

  dlg.txtWidth()->setText("12abc");  // good: the slider follows, the report goes
  EXPECT_FALSE(ErrorShown(dlg));
  EXPECT_EQ(dlg.sldWidth()->value(), 12);
  dlg.sldWidth()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(dlg.txtWidth()->text(), "13");
}

TEST_F(MapSizeDialog, OkStoresTheSizeRoundedAfterTakingOneOff) {
  struct Case { const char* text; int width, widthByte; };
  for (const Case c : {Case{"12.4", 12, 11}, Case{"12.5", 13, 12}, Case{"13.5", 13, 12},
                       Case{"1", 1, 0}, Case{"256", 256, 255}}) {
    frmMapSize dlg(a);
    dlg.txtWidth()->setText(c.text);
    dlg.cmdOK()->click();
    EXPECT_EQ(a.st.MsgResult, 1) << c.text;
    EXPECT_EQ(a.st.MapWidth, c.width) << c.text;
    EXPECT_EQ(a.st.MapWidthByte, c.widthByte) << c.text;
    EXPECT_EQ(a.st.MapHeightByte, 24) << c.text;
  }
}

TEST_F(MapSizeDialog, CancelTheCloseBoxAndARefusedOkStoreNothing) {
  frmMapSize cancelled(a);
  cancelled.txtWidth()->setText("10");
  cancelled.cmdCancel()->click();
  EXPECT_EQ(a.st.MsgResult, 2);

  frmMapSize closed(a);
  closed.show();
  closed.txtWidth()->setText("10");
  EXPECT_TRUE(closed.close());
  EXPECT_EQ(a.st.MsgResult, 2);

  frmMapSize dlg(a);  // an entry that slipped past the check is refused again
  dlg.txtWidth()->blockSignals(true);
  dlg.txtWidth()->setText("0");
  dlg.txtWidth()->blockSignals(false);
  dlg.cmdOK()->click();
  EXPECT_EQ(a.st.MsgResult, 2);
  EXPECT_EQ(dlg.lblError()->text(), "Invalid Width (1-256)!");
  EXPECT_EQ(a.st.MapWidth, 40);
}
