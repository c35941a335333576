#include "editor/logic/DocumentFiles.h"
#include "render/TilesetRender.h"
#include "window_fixture.h"

namespace {

using Rows = std::array<uint8_t, 8>;  // a tile's bytes, top row first, bit 7 leftmost
constexpr int kTile = 65;             // sheet column 1, row 2

// The real window (the default C64 palette), every tile empty in colour 1.
class TileEditorWindow : public ShownWindow {
 protected:
  TileEditorWindow() { st().TileBytes.assign(2048, 0); }
  int32_t color(int i) { return st().Palette[size_t(i)]; }
  void setTile(int t, const Rows& rows, int colour) {
    std::copy(rows.begin(), rows.end(), st().TileBytes.begin() + 8 * t);
    st().Colormap[size_t(t) + 2] = uint8_t(colour);
    RenderTileset(app());
    RedrawMap(app());
    w->sync();
  }
  void selectTile(int t) { Click(sheet(), Cell(t % 32, t / 32)); }
  QWidget* grid() { return w->control("picTileBits"); }
  void clickBox(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseClick(grid(), b, Qt::NoModifier, QPoint(16 * x + 8, 16 * y + 8));
  }
  void press(const char* button, int times = 1) {
    while (times--) QTest::mouseClick(w->control(button), Qt::LeftButton);
  }
  bool enabled(const char* control) { return w->control(control)->isEnabled(); }
  Rows sheetRows(int t) {  // the tile as the tileset holds it
    const Bytes all = TilesetToBytes(app());
    Rows r{};
    std::copy(all.begin() + 8 * t, all.begin() + 8 * t + 8, r.begin());
    return r;
  }
};

}  // namespace

TEST_F(TileEditorWindow, AClickOnTheGridReachesEveryPictureTheMapAndTheSavedFiles) {
  setTile(kTile, {0x81}, 5);
  st().DatamapAt(0, 0) = st().DatamapAt(0, 100) = kTile;
  selectTile(kTile);
  keys(Qt::Key_H);  // the brush's preview, on screen over cell (3, 3) before the edit
  MoveTo(map(), Cell(3, 3));
  QApplication::processEvents();
  clickBox(2, 1);
  const int32_t green = color(5);
  EXPECT_EQ(fromQRgb(OnScreen(map()).pixel(16 * 3 + 5, 16 * 3 + 3)), green);
  EXPECT_EQ(frm().picTileData.pixel(8 * 1 + 2, 8 * 2 + 1), green);
  EXPECT_EQ(frm().picMap.pixel(4, 16 * 100 + 2), green);
  // Other buttons clear; a press acts, not a move, a release or a double click's second press.
  clickBox(0, 0, Qt::RightButton);
  clickBox(7, 0, Qt::MiddleButton);
  QTest::mousePress(grid(), Qt::LeftButton, Qt::NoModifier, QPoint(65, 65));  // box (4, 4)
  MoveTo(grid(), QPoint(16 * 5 + 8, 16 * 4 + 8), Qt::LeftButton);
  QTest::mouseRelease(grid(), Qt::LeftButton, Qt::NoModifier, QPoint(65, 65));
  QTest::mouseDClick(grid(), Qt::LeftButton, Qt::NoModifier, QPoint(65, 65));
  press("cmdUndo");  // takes the whole click back
  EXPECT_TRUE(UpToDate(grid()));

  ASSERT_TRUE(SaveTileset(app(), path("t.prg")) && SaveTileset(app(), path("t.chr")));
  const Bytes prg = readBytes(path("t.prg")), chr = readBytes(path("t.chr"));
  ASSERT_EQ(prg.size() + chr.size(), 2050u + 2048u);
  const Bytes tile{0x00, 0x20, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(Bytes(prg.begin() + 2 + 8 * kTile, prg.begin() + 10 + 8 * kTile), tile);
  EXPECT_EQ(Bytes(chr.begin() + 8 * kTile, chr.begin() + 8 * kTile + 8), tile);
}

TEST_F(TileEditorWindow, TheButtonsTransformTheTile) {
  const Rows odd = {0xC0, 0x80, 0, 0, 0, 0, 0, 0x01};  // looks different every way round
  const Rows full = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  struct Case { const char* button; int presses; Rows before, after; };
  for (const Case& c : {Case{"cmdRotate", 1, {0x01}, {0x80}},  // top-right to top-left
                        Case{"cmdRotate", 4, odd, odd}, Case{"cmdInvert", 2, odd, odd},
                        Case{"cmdMirrorX", 1, {0x80, 0x40}, {0x01, 0x02}},
                        Case{"cmdMirrorY", 1, {0xFF}, {0, 0, 0, 0, 0, 0, 0, 0xFF}},
                        Case{"cmdTileDown", 1, {0, 0, 0, 0, 0, 0, 0, 0xFF}, {0xFF}},
                        Case{"cmdTileUp", 1, {0xFF}, {0, 0, 0, 0, 0, 0, 0, 0xFF}},
                        Case{"cmdTileLeft", 1, {0x80, 0x80}, {0x01, 0x01}},
                        Case{"cmdTileRight", 1, {0x81, 0x01}, {0xC0, 0x80}},
                        Case{"cmdInvert", 1, {}, full},
                        Case{"cmdTileUp", 8, odd, odd}, Case{"cmdTileLeft", 8, odd, odd},
                        Case{"cmdTileDown", 8, odd, odd}, Case{"cmdTileRight", 8, odd, odd}}) {
    setTile(kTile, c.before, 5);
    selectTile(kTile);
    press(c.button, c.presses);
    EXPECT_EQ(sheetRows(kTile), c.after) << c.button << " x" << c.presses;
  }
}

TEST_F(TileEditorWindow, ASwatchRecoloursOnlyTheBlockBrushsTopLeftTileAndLeavesTileUndoAlone) {
  for (int t : {kTile, kTile + 1, kTile + 32}) setTile(t, {0x81}, 1);
  Drag(sheet(), Qt::RightButton, QPoint(23, 39), QPoint(39, 55));  // tiles 65, 66 / 97, 98
  clickBox(3, 3);
  ASSERT_TRUE(enabled("cmdUndo"));
  press("picColor(0)");  // the background: nothing
  EXPECT_EQ(st().Colormap[2 + kTile], 1);
  press("picColor(5)");
  const auto& colours = st().Colormap;  // tile t's colour is byte t + 2
  EXPECT_EQ(std::tuple(colours[2 + kTile], colours[3 + kTile], colours[34 + kTile]),
            std::tuple(5, 1, 1));
  EXPECT_EQ(frm().picTileView.pixel(16 * 1 + 7, 16 * 2 + 7), color(5));  // the click's pixel too
  EXPECT_TRUE(enabled("cmdUndo"));
}

TEST_F(TileEditorWindow, DeleteTileThenTileUndoRestoresTheTileAndSwapsTheTwoButtons) {
  setTile(kTile, {0x18, 0x3C}, 5);
  selectTile(kTile);
  EXPECT_FALSE(enabled("cmdUndo"));
  press("cmdClear");
  EXPECT_TRUE(sheetRows(kTile) == Rows{} && !enabled("cmdClear"));
  press("cmdUndo");
  EXPECT_TRUE((sheetRows(kTile) == Rows{0x18, 0x3C}) && enabled("cmdClear") && !enabled("cmdUndo"));
  press("cmdClear");
  press("cmdMirrorY");  // mirrors the deleted tile, not the one it was
  EXPECT_EQ(sheetRows(kTile), Rows{});
}

// A bitmap tileset cannot be edited: not one of the tile controls may take a click.
TEST_F(TileEditorWindow, ABitmapTilesetLocksEveryControlOfTheTileAndPaletteFrames) {
  prompts.answerMsgBox(vbOK);  // "Tileset Editing and Palette Changes Disabled!"
  LoadTileset(app(), MW_FIXTURES "/sheet-24bit-topdown.bmp");
  w->sync();
  for (auto* c : {w->control("Frame4"), w->control("Frame1")})
    for (auto* child : c->findChildren<QWidget*>()) EXPECT_FALSE(child->isEnabled());
}

TEST_F(TileEditorWindow, AClickQueuedOnTheSheetWaitsUntilTheShiftIsCommitted) {
  setTile(kTile, {0, 0, 0, 0, 0, 0, 0, 0xFF}, 5);
  selectTile(kTile);
  const QPointF at = Cell(9, 0), global = sheet()->mapToGlobal(at);
  for (auto [type, b, held] : {std::tuple{QEvent::MouseMove, Qt::NoButton, Qt::NoButton},
                               {QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton},
                               {QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton}})
    QCoreApplication::postEvent(sheet(), new QMouseEvent(type, at, global, b, held, {}));
  press("cmdTileDown");
  EXPECT_EQ(sheetRows(kTile), (Rows{0xFF}));
  QCoreApplication::processEvents();
  EXPECT_EQ(std::pair(TileUnder(frm().shpTileSelected), sheetRows(9)), std::pair(9, Rows{}));
}

// Picks move the selection: the next edits must land on the last picked tile alone.
TEST_F(TileEditorWindow, AfterRandomFillPicksAnEditChangesOnlyTheLastPickedTile) {
  setTile(kTile, {0x18, 0x3C}, 5);  // in the editor before the picks
  setTile(13, {}, 2);  // empty: only the swatch can give the box painted next its colour
  selectTile(kTile);
  keys(Qt::Key_X);
  for (int t : {11, 12, 13}) selectTile(t);
  Bytes expected = TilesetToBytes(app());
  expected[8 * 13] = 0x80;
  auto colours = st().Colormap;
  colours[2 + 13] = 1;  // the first swatch after the background
  press("picColor(1)");
  clickBox(0, 0);
  EXPECT_TRUE(st().Colormap == colours && TilesetToBytes(app()) == expected);
  EXPECT_EQ(frm().picTileView.pixel(16 * 13, 0), color(1));
}
