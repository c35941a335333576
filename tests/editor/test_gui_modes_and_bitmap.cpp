#include <QImage>
#include <QListWidget>
#include <QStringListModel>
#include <functional>

#include "platform/widgets/ListBoxHitTest.h"
#include "window_fixture.h"

namespace {

// A 10 x 5 map of tile (c + 7 r) in cell (c, r).
class ModesAndBitmap : public RealWindow {
 protected:
  ModesAndBitmap() {
    st().MapWidth = 10;
    st().MapHeight = 5;
    app().frm.picMap.resize(160, 80);
    for (int r = 0; r < 5; ++r)
      for (int c = 0; c < 10; ++c) st().DatamapAt(c, r) = uint8_t(c + 7 * r);
    RedrawMap(app());
    w->sync();
  }
  // The bitmap written by Ctrl+B, after the mouse left the cursor and a hover
  // preview over cell (2, 1), with the cursor really on screen.
  QImage exportWithCtrlB(const std::string& name) {
    st().HoverPreview = true;
    QTest::mouseMove(w->mapView(), QPoint(2 * 16 + 3, 16 + 3));
    QTest::mouseMove(w->mapView(), QPoint(2 * 16 + 7, 16 + 7));
    EXPECT_NE(fromQRgb(w->mapView()->grab().toImage().pixel(32, 16)), SheetColor(9, 0, 0));
    prompts.answerSave(path(name));
    keys(Qt::Key_B);
    return QImage(QString::fromStdString(path(name)), "bmp");
  }
  // How many cells (c, r) holding tile t pass the test.
  static int cellsWhere(const std::function<bool(int, int, int)>& test) {
    int n = 0;
    for (int r = 0; r < 5; ++r)
      for (int c = 0; c < 10; ++c) n += test(c, r, c + 7 * r);
    return n;
  }
};

bool blockShows(const QImage& img, int c, int r, int tile) {
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if (fromQRgb(img.pixel(16 * c + x, 16 * r + y)) != SheetColor(tile, x, y))
        return false;
  return true;
}

bool blockHasColour(const QImage& img, int c, int r, int32_t colour) {
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if (fromQRgb(img.pixel(16 * c + x, 16 * r + y)) == colour) return true;
  return false;
}

}  // namespace

TEST_F(ModesAndBitmap, CtrlBWritesExactlyTheMapPicture) {
  const QImage img = exportWithCtrlB("map.bmp");
  ASSERT_EQ(img.size(), QSize(160, 80));
  EXPECT_EQ(cellsWhere([&](int c, int r, int t) { return blockShows(img, c, r, t); }), 50);
}

TEST_F(ModesAndBitmap, CtrlDThenCtrlBLabelsExactlyTheTaggedCells) {
  st().DatatypeAt(0, 0) = 0x01;
  st().DatatypeAt(9, 4) = 0xFF;
  st().DatatypeAt(3, 2) = 0x2A;
  st().DatatypeAt(10, 0) = 0x07;  // outside the picture
  keys(Qt::Key_D);
  ASSERT_TRUE(st().DatatypeMode);
  EXPECT_TRUE(w->control("Frame5")->isVisible());
  EXPECT_FALSE(w->control("Frame1")->isVisible());
  const QImage img = exportWithCtrlB("tags.bmp");
  ASSERT_EQ(img.size(), QSize(160, 80));
  const int32_t label = st().DatatypeColor;
  EXPECT_EQ(cellsWhere([&](int c, int r, int) { return blockHasColour(img, c, r, label); }), 3);
  EXPECT_EQ(cellsWhere([&](int c, int r, int t) { return blockShows(img, c, r, t); }), 47);
  for (auto [c, r] : {std::pair{0, 0}, {9, 4}, {3, 2}}) EXPECT_TRUE(blockHasColour(img, c, r, label));
}

TEST_F(ModesAndBitmap, CtrlIFramesExactlyTheUsedTilesOnTheSheet) {
  st().SelectColor = RGBColor(255, 0, 255);
  st().DatamapAt(200, 100) = 200;  // outside the used 10 x 5: still a used tile
  keys(Qt::Key_I);
  ASSERT_TRUE(st().IdentifyMode);
  EXPECT_EQ(w->action("mnuTilesetSave")->text(), "Save Tiles Used Image");
  const QImage sheet = w->tileSheetView()->grab().toImage();
  for (int t = 1; t < 256; ++t) {  // tile 0 also carries the selection frame
    const int x = 16 * (t % 32), y = 16 * (t / 32);
    const bool used = t <= 37 || t == 200;  // c + 7 r: 0 to 9 + 7 * 4
    const bool shown = fromQRgb(sheet.pixel(x + 8, y)) == st().SelectColor &&
                       fromQRgb(sheet.pixel(x + 15, y + 15)) == st().SelectColor;
    EXPECT_EQ(shown, used) << t;
  }
  EXPECT_FALSE(w->mapView()->isEnabled());
  keys(Qt::Key_I);
  EXPECT_EQ(w->action("mnuTilesetSave")->text(), "Save Tileset");
  EXPECT_TRUE(w->mapView()->isEnabled());
}

TEST_F(ModesAndBitmap, ARightClickOnTheListRenamesTheItemUnderItAndKeepsTheSelection) {
  keys(Qt::Key_D);
  auto* list = static_cast<QListWidget*>(w->control("lstDatatypes"));
  ASSERT_EQ(list->count(), 256);
  list->scrollToItem(list->item(10), QAbstractItemView::PositionAtTop);
  const QPoint onTen = list->visualItemRect(list->item(10)).center();
  prompts.answerInput("Wall");
  QTest::mouseClick(list->viewport(), Qt::RightButton, Qt::NoModifier, onTen);
  EXPECT_EQ(list->item(10)->text(), "0A = Wall");
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_EQ(app().frm.lstDatatypes.listIndex, 0);
  // Pressed on the list, let go below it: no item was pointed at.
  QTest::mousePress(list->viewport(), Qt::RightButton, Qt::NoModifier, onTen);
  QTest::mouseRelease(list->viewport(), Qt::RightButton, Qt::NoModifier,
                      QPoint(onTen.x(), list->viewport()->height() + 30));
  EXPECT_EQ(prompts.shown().size(), 1u);
}

TEST(ListBoxHitTest, NamesTheNearestItemAndWhetherThePointIsOutside) {
  QListView list;
  QStringListModel model(QStringList{"a", "b", "c"});
  list.setModel(&model);
  list.resize(120, 200);  // room below the third item
  list.show();
  const QRect second = list.visualRect(model.index(1));
  const int below = list.visualRect(model.index(2)).bottom() + 20;
  const int right = list.viewport()->width() - 2, bottom = list.viewport()->height();
  struct Row {
    QPoint p;
    int item;
    bool outside;
  };
  for (const Row& r : {Row{second.center(), 1, false}, Row{{right, second.center().y()}, 1, false},
                       Row{{5, below}, 2, false}, Row{{5, bottom + 40}, 2, true},
                       Row{{-3, second.center().y()}, 1, true}, Row{{5, -10}, 0, true}}) {
    const ListHit hit = ListBoxItemFromPoint(list, r.p);
    EXPECT_EQ(hit.item, r.item) << r.p.x() << "," << r.p.y();
    EXPECT_EQ(hit.outside, r.outside) << r.p.x() << "," << r.p.y();
  }
  QStringListModel empty;
  list.setModel(&empty);
  EXPECT_EQ(ListBoxItemFromPoint(list, {5, 5}).item, -1);
}
