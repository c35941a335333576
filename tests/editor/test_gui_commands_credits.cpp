#include <QAction>
#include <QTest>
#include <QTimer>

#include "dialogs/ClickableLabel.h"
#include "dialogs/frmAbout.h"
#include "editor/frmMain.h"
#include "support/TestApp.h"

namespace {

// The scroll offset the box has applied, read back from line 1's place.
int Offset(const frmAbout& box) { return 273 + 25 - box.lblScroll(1)->y(); }

void Ticks(frmAbout& box, int n) {
  for (int i = 0; i < n; ++i) box.tmrScroll_Timer();
}

}  // namespace

TEST(CreditsBox, LinesCarryTheVersionTheRepeatedNamesAndTheCaptionsBuildStamp) {
  const auto lines = CreditLines();
  EXPECT_EQ(lines[0], "Ostrel Forge");
  EXPECT_EQ(lines[2], "Mosaicwright (v2.1.1220)");
  EXPECT_EQ(lines[22], "December 20th 2011 02:44pm");
  EXPECT_EQ(lines[8], lines[5]);
  EXPECT_EQ(lines[12], lines[5]);
  EXPECT_EQ(lines[14], lines[9]);
  for (int empty : {4, 7, 11, 17, 20, 22, 24}) EXPECT_EQ(lines[size_t(empty - 1)], "") << empty;

  TempProgramFolder folder;
  ScriptedPrompts prompts;
  RecordingHost host;
  App a;
  a.prompts = &prompts;
  a.host = &host;
  Form_Load(a, "");
  EXPECT_EQ(a.frm.caption, "Mosaicwright v2.1 [" + lines[22] + "]");
}

TEST(CreditsBox, EachTickMovesHalfAPixelRoundedToEvenAndLineOneShowsPastTwentyFive) {
  frmAbout box;
  EXPECT_EQ(box.size(), QSize(530, 273));
  EXPECT_GE(box.lblScroll(1)->y(), 273);  // everything starts below the area
  std::vector<int> offsets;
  for (int tick = 1; tick <= 10; ++tick) {
    box.tmrScroll_Timer();
    offsets.push_back(Offset(box));
  }
  EXPECT_EQ(offsets, (std::vector<int>{0, 1, 2, 2, 2, 3, 4, 4, 4, 5}));
  for (int i = 1; i <= 24; ++i) {
    const QRect r = box.lblScroll(i)->geometry();
    EXPECT_EQ(r.y(), 273 - 5 + 25 * i) << i;
    EXPECT_LE(std::abs(r.left() + r.right() + 1 - 301), 1) << i;  // centred
  }

  Ticks(box, 40);  // tick 50, offset 25: line 1 sits on the bottom edge
  EXPECT_FALSE(box.lblScroll(1)->geometry().intersects(box.picScroll()->rect()));
  box.tmrScroll_Timer();
  EXPECT_EQ(Offset(box), 26);
  EXPECT_TRUE(box.lblScroll(1)->geometry().intersects(box.picScroll()->rect()));
}

TEST(CreditsBox, TheTextStartsAgainOnceLineTwentyFourPassesTwoHundredAboveTheTop) {
  frmAbout box;
  Ticks(box, 2146);
  EXPECT_EQ(box.lblScroll(24)->y(), -200);  // offset 1073: goes on
  box.tmrScroll_Timer();
  EXPECT_EQ(Offset(box), 1074);
  EXPECT_EQ(box.lblScroll(24)->y(), -201);
  box.tmrScroll_Timer();
  EXPECT_EQ(Offset(box), 0);
  Ticks(box, 2145);
  EXPECT_EQ(Offset(box), 1073);
}

TEST(CreditsBox, APressOnTheBackgroundClosesAtOnceAndClicksElsewhereOnRelease) {
  for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
    frmAbout box;
    box.show();
    QTest::mousePress(&box, b, Qt::NoModifier, QPoint(450, 100));
    EXPECT_FALSE(box.isVisible()) << b;
    EXPECT_FALSE(box.tmrScroll()->isActive());
    // QTest remembers held buttons across tests: let go of this one.
    QTest::mouseRelease(&box, b, Qt::NoModifier, QPoint(450, 100));
  }
  auto clickOn = [](QWidget* (*target)(frmAbout&)) {
    frmAbout box;
    box.show();
    QWidget* w = target(box);
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_TRUE(box.isVisible());
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_FALSE(box.isVisible());
  };
  clickOn([](frmAbout& b) -> QWidget* { return b.lblScroll(1); });
  clickOn([](frmAbout& b) -> QWidget* { return b.lblScroll(24); });
  clickOn([](frmAbout& b) -> QWidget* { return b.lblExit(); });
  clickOn([](frmAbout& b) -> QWidget* { return b.picScroll(); });

  frmAbout box;  // pressed on a line, let go outside it: no click
  box.show();
  QTest::mousePress(box.lblScroll(2), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
  QTest::mouseRelease(box.lblScroll(2), Qt::LeftButton, Qt::NoModifier, QPoint(-50, -50));
  EXPECT_TRUE(box.isVisible());
}

TEST(CreditsBox, HelpCreditsShowsTheScrollingBoxUntilAClick) {
  TempProgramFolder folder;
  ScriptedPrompts prompts;
  frmMain w("", &prompts);
  w.show();
  bool shown = false;
  prompts.answerModal([&](ModalForm& form) {
    auto& box = dynamic_cast<frmAbout&>(form);
    box.show();
    shown = true;
    EXPECT_EQ(box.size(), QSize(530, 273));
    EXPECT_EQ(box.windowTitle(), "");
    EXPECT_TRUE(box.tmrScroll()->isActive());
    EXPECT_EQ(box.tmrScroll()->interval(), 16);
    box.tmrScroll_Timer();
    const int before = box.lblScroll(1)->y();
    Ticks(box, 4);
    EXPECT_EQ(box.lblScroll(1)->y(), before - 2);
    QTest::mouseClick(box.lblExit(), Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
  });
  w.action("mnuCredits")->trigger();
  EXPECT_TRUE(shown);
  EXPECT_EQ(prompts.pending(), 0u);
}
