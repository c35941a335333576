#include <QImage>
#include <QListWidget>
#include <QStringListModel>

#include "platform/widgets/ListBoxHitTest.h"
#include "window_fixture.h"

namespace {

// A 10 x 5 map of tile (c + 7 r) in cell (c, r).
class ModesAndBitmap : public RealWindow {
 protected:
  ModesAndBitmap() {
    st().MapWidth = 10;
    st().MapHeight = 5;
    frm().picMap.resize(160, 80);
    for (int r = 0; r < 5; ++r)
      for (int c = 0; c < 10; ++c) st().DatamapAt(c, r) = uint8_t(c + 7 * r);
    RedrawMap(app());
    w->sync();
  }
};

}  // namespace

TEST_F(ModesAndBitmap, CtrlDThenCtrlBWritesTheMapPictureWithLabelsOnExactlyTheTaggedCells) {
  for (auto [c, r] : {std::pair{0, 0}, {9, 4}, {3, 2}, {10, 0}}) st().DatatypeAt(c, r) = 0x2A;
  keys(Qt::Key_D);
  EXPECT_TRUE(w->control("Frame5")->isVisible() && !w->control("Frame1")->isVisible());
  // The cursor and a hover preview over cell (2, 1) are on screen, never in the file.
  st().HoverPreview = true;
  MoveTo(map(), QPoint(2 * 16 + 3, 16 + 3));
  MoveTo(map(), QPoint(2 * 16 + 7, 16 + 7));
  ASSERT_NE(fromQRgb(map()->grab().toImage().pixel(32, 16)), SheetColor(9, 0, 0));
  prompts.answerSave(path("tags.bmp"));
  keys(Qt::Key_B);
  const QImage img(QString::fromStdString(path("tags.bmp")), "bmp");
  ASSERT_EQ(img.size(), QSize(160, 80));
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 10; ++c) {
      int tile = 0, label = 0;
      for (int i = 0; i < 256; ++i) {
        const int32_t colour = fromQRgb(img.pixel(16 * c + i % 16, 16 * r + i / 16));
        tile += colour == SheetColor(c + 7 * r, i % 16, i / 16);
        label += colour == st().DatatypeColor;
      }
      const bool tagged = st().DatatypeAt(c, r) != 0;
      EXPECT_EQ(std::pair(tile == 256, label > 0), std::pair(!tagged, tagged)) << c << "," << r;
    }
}

TEST_F(ModesAndBitmap, CtrlIFramesExactlyTheUsedTilesOnTheSheet) {
  st().SelectColor = RGBColor(255, 0, 255);
  st().DatamapAt(200, 100) = 200;  // outside the used 10 x 5: still a used tile
  keys(Qt::Key_I);
  EXPECT_EQ(w->action("mnuTilesetSave")->text(), "Save Tiles Used Image");
  EXPECT_FALSE(map()->isEnabled());
  const QImage shown = sheet()->grab().toImage();
  for (int t = 1; t < 256; ++t) {  // tile 0 also carries the selection frame
    const QPoint at(16 * (t % 32), 16 * (t / 32));
    const bool framed = fromQRgb(shown.pixel(at + QPoint(8, 0))) == st().SelectColor &&
                        fromQRgb(shown.pixel(at + QPoint(15, 15))) == st().SelectColor;
    EXPECT_EQ(framed, t <= 9 + 7 * 4 || t == 200) << t;
  }
}

TEST_F(ModesAndBitmap, ARightClickOnTheListRenamesTheItemUnderItAndKeepsTheSelection) {
  keys(Qt::Key_D);
  auto* list = static_cast<QListWidget*>(w->control("lstDatatypes"));
  list->scrollToItem(list->item(10), QAbstractItemView::PositionAtTop);
  const QPoint onTen = list->visualItemRect(list->item(10)).center();
  prompts.answerInput("Wall");
  QTest::mouseClick(list->viewport(), Qt::RightButton, Qt::NoModifier, onTen);
  EXPECT_EQ(list->item(10)->text() + " " + list->currentItem()->text(), "0A = Wall 00 = UNDEFINED");
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
  const int mid = list.visualRect(model.index(1)).center().y();
  const int below = list.visualRect(model.index(2)).bottom() + 20;
  for (auto [p, item, outside] : {std::tuple{QPoint(5, mid), 1, false}, {QPoint(5, below), 2, false},
                                  {QPoint(-3, mid), 1, true}, {QPoint(5, -10), 0, true}}) {
    const ListHit hit = ListBoxItemFromPoint(list, p);
    EXPECT_EQ(std::pair(hit.item, hit.outside), std::pair(item, outside)) << p.y();
  }
}
