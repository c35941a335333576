#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <memory>

#include "editor/FormWidgets.h"
#include "editor/frmMain.h"
#include "editor/logic/DocumentFiles.h"
#include "editor/logic/TileEditor.h"
#include "editor/logic/TileSheet.h"
#include "render/MapRender.h"
#include "render/TilesetRender.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"

namespace {

using Rows = std::array<uint8_t, 8>;  // a tile's bytes, top row first, bit 7 leftmost
constexpr int kTile = 65;             // sheet column 1, row 2

// The real window over an empty program folder (the default C64 palette),
// every tile empty in colour 1.
class TileEditorWindow : public ::testing::Test {
 protected:
  TileEditorWindow() : w(std::make_unique<frmMain>("", &prompts)) {
    w->show();
    st().TileBytes.assign(2048, 0);
    redraw();
  }
  void TearDown() override { EXPECT_EQ(prompts.pending(), 0u); }

  App& app() { return w->app(); }
  ProgramState& st() { return app().st; }
  MainForm& frm() { return app().frm; }
  int32_t color(int i) { return st().Palette[size_t(i)]; }

  void redraw() {
    RenderTileset(app());
    RedrawMap(app());
    ResetTileSelection(app());
    w->sync();
  }
  void setTile(int t, const Rows& rows, int colour) {
    std::copy(rows.begin(), rows.end(), st().TileBytes.begin() + 8 * t);
    st().Colormap[size_t(t) + 2] = uint8_t(colour);
    redraw();
  }
  // A move event of its own: QTest's move only moves the cursor, which sends
  // nothing when it is already there (as it is after the previous test).
  static void moveTo(QWidget* v, QPoint p, Qt::MouseButtons held = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, p, v->mapToGlobal(p), Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(v, &move);
  }
  void selectTile(int t) {
    const QPoint p(16 * (t % 32) + 7, 16 * (t / 32) + 7);
    moveTo(w->tileSheetView(), p);
    QTest::mouseClick(w->tileSheetView(), Qt::LeftButton, Qt::NoModifier, p);
  }
  QWidget* grid() { return w->control("picTileBits"); }
  static QPoint box(int x, int y) { return QPoint(16 * x + 8, 16 * y + 8); }
  void clickBox(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseClick(grid(), b, Qt::NoModifier, box(x, y));
  }
  void press(const char* button, int times = 1) {
    for (int i = 0; i < times; ++i) QTest::mouseClick(w->control(button), Qt::LeftButton);
  }
  bool enabled(const char* control) { return w->control(control)->isEnabled(); }

  // What the grid shows and what the tileset image holds, as tile bytes.
  Rows gridRows() {
    Rows r{};
    for (int i = 0; i < 64; ++i)
      if (frm().picTileBits[size_t(i)] != color(0)) r[size_t(i / 8)] |= uint8_t(0x80 >> (i % 8));
    return r;
  }
  Rows sheetRows(int t) {
    const Bytes all = TilesetToBytes(app());
    Rows r{};
    std::copy(all.begin() + 8 * t, all.begin() + 8 * t + 8, r.begin());
    return r;
  }

  TempProgramFolder folder;
  ScriptedPrompts prompts;
  std::unique_ptr<frmMain> w;
};

}  // namespace

TEST_F(TileEditorWindow, ALeftClickOnAClearBoxReachesEveryPictureTheMapAndTheSavedFiles) {
  setTile(kTile, {0x80}, 5);
  st().DatamapAt(0, 0) = st().DatamapAt(200, 100) = kTile;
  RedrawMap(app());
  selectTile(kTile);
  clickBox(2, 1);

  const int32_t green = color(5);
  EXPECT_EQ(frm().picTileBits[10], green);
  EXPECT_EQ(fromQRgb(grid()->grab().toImage().pixel(box(2, 1))), green);
  EXPECT_EQ(frm().picTileData.pixel(8 * 1 + 2, 8 * 2 + 1), green);
  EXPECT_EQ(frm().picTileView.pixel(16 * 1 + 5, 16 * 2 + 3), green);
  EXPECT_EQ(frm().picTileSelected.pixel(4, 2), green);
  EXPECT_EQ(frm().picMap.pixel(5, 3), green);
  EXPECT_EQ(frm().picMap.pixel(16 * 200 + 4, 16 * 100 + 2), green);
  EXPECT_EQ(frm().picMap.pixel(16 * 201 + 4, 16 * 100 + 2), color(0));  // tile 0 beside it

  ASSERT_TRUE(SaveTileset(app(), folder.path("t.chr")));
  const std::vector<uint8_t> tile = {0x80, 0x20, 0, 0, 0, 0, 0, 0};
  const std::vector<uint8_t> chr = readBytes(folder.path("t.chr"));
  ASSERT_EQ(chr.size(), 2048u);
  EXPECT_EQ(std::vector<uint8_t>(chr.begin() + 8 * kTile, chr.begin() + 8 * kTile + 8), tile);
  ASSERT_TRUE(SaveTileset(app(), folder.path("t.prg")));
  const std::vector<uint8_t> prg = readBytes(folder.path("t.prg"));
  ASSERT_EQ(prg.size(), 2050u);
  EXPECT_EQ(std::vector<uint8_t>(prg.begin(), prg.begin() + 2), (std::vector<uint8_t>{0x00, 0x70}));
  EXPECT_EQ(std::vector<uint8_t>(prg.begin() + 2 + 8 * kTile, prg.begin() + 10 + 8 * kTile), tile);
}

TEST_F(TileEditorWindow, RightAndMiddleClicksClearABoxAndOnlyThePressActs) {
  setTile(kTile, {0xFF}, 5);
  selectTile(kTile);
  clickBox(0, 0, Qt::RightButton);
  clickBox(1, 0, Qt::MiddleButton);
  QTest::mousePress(grid(), Qt::LeftButton, Qt::NoModifier, box(4, 4));
  moveTo(grid(), box(5, 4), Qt::LeftButton);
  QTest::mouseRelease(grid(), Qt::LeftButton, Qt::NoModifier, box(6, 4));
  EXPECT_EQ(sheetRows(kTile), (Rows{0x3F, 0, 0, 0, 0x08, 0, 0, 0}));
}

TEST_F(TileEditorWindow, TheButtonsTransformTheTileOnTheGridAndTheSheet) {
  const Rows corner = {0xC0, 0x80, 0, 0, 0, 0, 0, 0x01};  // looks different every way round
  const struct {
    const char* button;
    int presses;
    Rows before, after;
  } cases[] = {
      {"cmdRotate", 1, {0x01}, {0x80}},  // top-right to top-left
      {"cmdRotate", 4, corner, corner},
      {"cmdMirrorX",
       1,
       {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80},
       {0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01}},
      {"cmdMirrorY", 1, {0xFF}, {0, 0, 0, 0, 0, 0, 0, 0xFF}},
      {"cmdTileDown", 1, {0, 0, 0, 0, 0, 0, 0, 0xFF}, {0xFF}},
      {"cmdTileUp", 1, {0xFF}, {0, 0, 0, 0, 0, 0, 0, 0xFF}},
      {"cmdTileLeft", 1, {0x80, 0x80}, {0x01, 0x01}},
      {"cmdTileRight", 1, {0x81, 0x01}, {0xC0, 0x80}},
      {"cmdTileDown", 8, corner, corner},
      {"cmdTileUp", 8, corner, corner},
      {"cmdTileLeft", 8, corner, corner},
      {"cmdTileRight", 8, corner, corner},
  };
  for (const auto& c : cases) {
    setTile(kTile, c.before, 5);
    selectTile(kTile);
    press(c.button, c.presses);
    EXPECT_EQ(gridRows(), c.after) << c.button << " x" << c.presses;
    EXPECT_EQ(sheetRows(kTile), c.after) << c.button << " x" << c.presses;
  }
}

TEST_F(TileEditorWindow, InvertFillsAnEmptyTileWithTheColourLastTaken) {
  setTile(kTile, {0x01}, 5);
  selectTile(kTile);  // the character colour becomes colour 5
  selectTile(kTile + 1);
  press("cmdInvert");
  EXPECT_EQ(sheetRows(kTile + 1), (Rows{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(frm().picTileData.pixel(8 * 2 + 7, 8 * 2 + 7), color(5));
}

TEST_F(TileEditorWindow, ASwatchRecoloursOnlyTheBlockBrushsTopLeftTileAndLeavesTileUndoAlone) {
  for (int t : {kTile, kTile + 1, kTile + 32}) setTile(t, {0x81}, 1);
  moveTo(w->tileSheetView(), QPoint(23, 39));  // right drag over tiles 65, 66 / 97, 98
  QTest::mousePress(w->tileSheetView(), Qt::RightButton, Qt::NoModifier, QPoint(23, 39));
  moveTo(w->tileSheetView(), QPoint(39, 55), Qt::RightButton);
  QTest::mouseRelease(w->tileSheetView(), Qt::RightButton, Qt::NoModifier, QPoint(39, 55));
  clickBox(3, 3);
  ASSERT_TRUE(enabled("cmdUndo"));

  QTest::mouseClick(w->control("picColor(0)"), Qt::LeftButton);  // the background: nothing
  EXPECT_EQ(st().Colormap[2 + kTile], 1);
  QTest::mouseClick(w->control("picColor(5)"), Qt::LeftButton);
  EXPECT_EQ(st().Colormap[2 + kTile], 5);
  EXPECT_EQ(st().Colormap[2 + kTile + 1], 1);
  EXPECT_EQ(st().Colormap[2 + kTile + 32], 1);
  EXPECT_EQ(frm().picTileView.pixel(16 * 1 + 7, 16 * 2 + 7), color(5));  // the click's pixel too
  EXPECT_EQ(frm().picTileView.pixel(16 * 2, 16 * 2), color(1));
  EXPECT_TRUE(enabled("cmdUndo"));
}

TEST_F(TileEditorWindow, DeleteTileThenTileUndoRestoresTheTileAndSwapsTheTwoButtons) {
  EXPECT_FALSE(enabled("cmdUndo"));
  EXPECT_TRUE(enabled("cmdClear"));
  setTile(kTile, {0x18, 0x3C}, 5);
  selectTile(kTile);
  press("cmdClear");
  EXPECT_EQ(sheetRows(kTile), Rows{});
  EXPECT_FALSE(enabled("cmdClear"));
  EXPECT_TRUE(enabled("cmdUndo"));
  press("cmdUndo");
  EXPECT_EQ(sheetRows(kTile), (Rows{0x18, 0x3C}));
  EXPECT_EQ(gridRows(), (Rows{0x18, 0x3C}));
  EXPECT_TRUE(enabled("cmdClear"));
  EXPECT_FALSE(enabled("cmdUndo"));
}

TEST_F(TileEditorWindow, TheTenButtonsStandBesideTheGridWithTheirTooltipsAsTheirOnlyText) {
  const struct {
    const char* name;
    const char* tooltip;
    int x, y;
  } buttons[] = {
      {"cmdInvert", "Invert Colors", 144, 24},
      {"cmdRotate", "Rotate Tile", 168, 24},
      {"cmdMirrorX", "Mirror X", 144, 48},
      {"cmdMirrorY", "Mirror Y", 168, 48},
      {"cmdTileUp", "Shift Tile Up 1 Bit", 144, 72},
      {"cmdTileDown", "Shift Tile Down 1 Bit", 168, 72},
      {"cmdTileLeft", "Shift Tile Left 1 Bit", 144, 96},
      {"cmdTileRight", "Shift Tile Right 1 Bit", 168, 96},
      {"cmdClear", "Delete Tile", 144, 120},
      {"cmdUndo", "Tile Undo", 168, 120},
  };
  for (const auto& b : buttons) {
    auto* button = qobject_cast<QAbstractButton*>(w->control(b.name));
    ASSERT_NE(button, nullptr) << b.name;
    EXPECT_EQ(button->parentWidget(), w->control("Frame4")) << b.name;
    EXPECT_EQ(button->geometry(), QRect(b.x, b.y, 22, 22)) << b.name;
    EXPECT_EQ(button->toolTip(), b.tooltip) << b.name;
    EXPECT_TRUE(button->text().isEmpty()) << b.name;
    EXPECT_FALSE(button->icon().isNull()) << b.name;
  }
}

TEST_F(TileEditorWindow, AClickQueuedOnTheSheetWaitsUntilTheShiftIsCommitted) {
  setTile(kTile, {0, 0, 0, 0, 0, 0, 0, 0xFF}, 5);
  selectTile(kTile);
  QWidget* sheet = w->tileSheetView();
  const QPointF at(16 * 9 + 7, 7);  // tile 9
  const QPointF global = sheet->mapToGlobal(at);
  QCoreApplication::postEvent(sheet, new QMouseEvent(QEvent::MouseMove, at, global, Qt::NoButton,
                                                     Qt::NoButton, Qt::NoModifier));
  QCoreApplication::postEvent(
      sheet, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                             Qt::NoModifier));
  QCoreApplication::postEvent(sheet, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                     Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
  press("cmdTileDown");
  EXPECT_EQ(sheetRows(kTile), (Rows{0xFF}));
  QCoreApplication::processEvents();
  EXPECT_EQ(TileUnder(frm().shpTileSelected), 9);
  EXPECT_EQ(sheetRows(9), Rows{});
}

TEST_F(TileEditorWindow, WithABitmapTilesetNoTileEditorControlTakesAClick) {
  prompts.answerMsgBox(vbOK);
  LoadTileset(app(), std::string(MW_FIXTURES) + "/sheet-24bit-topdown.bmp");
  w->sync();
  const auto bitsBefore = frm().picTileBits;
  const auto colormapBefore = st().Colormap;
  clickBox(0, 0);
  press("cmdInvert");
  QTest::mouseClick(w->control("picColor(3)"), Qt::LeftButton);
  EXPECT_EQ(frm().picTileBits, bitsBefore);
  EXPECT_EQ(st().Colormap, colormapBefore);
  for (const char* c : {"picTileBits", "cmdInvert", "cmdClear", "picColor(3)"})
    EXPECT_FALSE(enabled(c)) << c;
}

TEST_F(TileEditorWindow, EveryPanelFrameHoldsItsChildrenBelowItsCaptionAndInsideItsBorder) {
  const std::pair<const char*, const char*> frames[] = {
      {"Frame2", "Information"}, {"Frame3", "Tileset"},   {"Frame1", "Palette"},
      {"Frame4", "Tile"},        {"Frame5", "Datatypes"},
  };
  for (const auto& [name, title] : frames) {
    auto* frame = dynamic_cast<FormFrame*>(w->control(name));
    ASSERT_NE(frame, nullptr) << name;
    EXPECT_EQ(frame->title(), title);
    const QRect caption = frame->captionRect(), border = frame->borderRect();
    // The caption stands on the top line; the children keep off both lines.
    EXPECT_TRUE(caption.top() < border.top() && border.top() < caption.bottom()) << name;
    const QRect inside = border.adjusted(3, 3, -3, -3);
    for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const std::string what = std::string(name) + " " + child->metaObject()->className() + " " +
                               child->property("text").toString().toStdString();
      EXPECT_TRUE(inside.contains(child->geometry())) << what;
      EXPECT_FALSE(child->geometry().intersects(caption)) << what;
      // A label's or check box's text is not cut.
      const bool text = qobject_cast<QLabel*>(child) || qobject_cast<QCheckBox*>(child);
      EXPECT_TRUE(!text || child->size().expandedTo(child->sizeHint()) == child->size()) << what;
    }
  }
}
