#include <QDir>
#include <QDropEvent>
#include <QImage>
#include <QListWidget>
#include <QMimeData>
#include <QUrl>
#include <numeric>

#include "editor/logic/Zoom.h"
#include "window_fixture.h"

namespace {

class Drops : public RealWindow {
 protected:
  static bool entered(QWidget* view, const QMimeData& data) {
    QDragEnterEvent enter(QPoint(8, 8), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &enter);
    return enter.isAccepted();
  }
  std::unique_ptr<QMimeData> files(const std::vector<std::string>& names) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const std::string& n : names) urls << QUrl::fromLocalFile(QString::fromStdString(path(n)));
    data->setUrls(urls);
    return data;
  }
  // As the desktop does: the drag enters, then drops; the view acts once the drop returns.
  void drop(QWidget* view, const std::vector<std::string>& names) {
    const std::unique_ptr<QMimeData> data = files(names);
    ASSERT_TRUE(entered(view, *data));
    QDropEvent dropped(QPointF(8, 8), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &dropped);
    EXPECT_TRUE(dropped.isAccepted());
    QCoreApplication::processEvents();
  }
  std::string message() {
    return prompts.shown().empty() ? "none" : prompts.last().title + " | " + prompts.last().text;
  }
  static Bytes file(Bytes head, size_t size, uint8_t fill) {
    head.resize(size, fill);
    return head;
  }
  bool labelled(int col, int row) {  // the tag's label is drawn over the cell
    const Picture& m = frm().picMap;
    for (int i = 0; i < 256; ++i)
      if (m.pixel(16 * col + i % 16, 16 * row + i / 16) == st().DatatypeColor) return true;
    return false;
  }
};

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
  }
};
}  // namespace

TEST_F(Drops, TheSheetLoadsEveryPathInOrderAndTakesA258ByteFileAsColormap) {
  writeBytes(path("a.prg"), file({0x00, 0x30}, 2050, 0x01));
  writeBytes(path("b.chr"), Bytes(2048, 0x80));
  writeBytes(path("c.bmp"), Bytes(258, 0x05));
  writeText(path("notes.txt"), "x");
  Click(sheet(), Cell(5, 0));
  SetScrollValue(app(), true, 2);
  drop(sheet(), {"a.prg", "b.chr", "c.bmp"});
  EXPECT_EQ(st().TilesetMRU[0] + " " + st().TilesetMRU[1], path("b.chr") + " " + path("a.prg"));
  EXPECT_EQ(st().ColormapPath, path("c.bmp"));
  EXPECT_EQ(std::pair(frm().shpTileSelected.left, frm().scrVert.value), std::pair(0, 0));
  EXPECT_TRUE(map()->isEnabled());

  // A name the sheet does not take stops the drop after what came before it.
  SetScrollValue(app(), true, 2);
  prompts.answerMsgBox(vbOK).answerMsgBox(vbOK);
  drop(sheet(), {"a.prg", "notes.txt", "b.chr"});
  EXPECT_EQ(message(), "Tileset/Colormap Load Error | "
                       "This is not a Tileset/Colormap file (*.bmp;*.prg;*.chr)");
  EXPECT_EQ(std::pair(st().TilesetPath, frm().scrVert.value), std::pair(path("a.prg"), 2));
  drop(sheet(), {"gone.chr"});  // vanished since the drag began
  EXPECT_EQ(message(), "Tileset Load Error | Cannot read Tileset file (" + path("gone.chr") + ")!");

  // Zoomed, the copy is made again: tile 0 of b.chr lights its left edge. The map stays shut.
  w->action("mnuZoom50")->trigger();
  drop(sheet(), {"b.chr"});
  EXPECT_EQ(fromQRgb(w->control("picZoom")->grab().toImage().pixel(0, 0)), st().Palette[5]);
  EXPECT_FALSE(map()->isEnabled());
}

TEST_F(Drops, TheMapLoadsOnlyTheFirstDatamapAndRefusesFoldersAndOtherNames) {
  writeBytes(path("x.MAP"), file({0x00, 0x40, 10, 5}, 32772, 3));
  writeBytes(path("y.prg"), file({0x00, 0x40, 20, 8}, 32772, 4));
  QDir(QString::fromStdString(folder.dir())).mkdir("maps");
  writeText(path("x.txt"), "x");
  prompts.answerMsgBox(vbOK).answerMsgBox(vbOK);
  drop(map(), {"maps", "x.MAP"});
  EXPECT_EQ(message(), "Datamap Load Error | Please load a Datamap file not a directory");
  drop(map(), {"x.txt"});
  EXPECT_EQ(message(), "Datamap Load Error | This is not a Datamap file (*.map;*.prg)");
  EXPECT_FALSE(st().DatamapHasFile);
  SetScrollValue(app(), true, 2);
  drop(map(), {"x.MAP", "y.prg"});
  EXPECT_EQ(std::tuple(st().DatamapPath, st().MapWidth, st().MapHeight, st().DatamapMRU[1],
                       frm().scrVert.value), std::tuple(path("x.MAP"), 10, 5, "", 0));
}

TEST_F(Drops, OnlyDragsOfLocalFilesAreTakenAndNotWhileTheViewIsLocked) {
  QMimeData text, web, mixed;
  text.setText("/tmp/a.prg");
  web.setUrls({QUrl("https://example.org/a.prg")});
  mixed.setUrls({QUrl::fromLocalFile("/tmp/a.prg"), QUrl("https://example.org/b.prg")});
  const std::unique_ptr<QMimeData> local = files({"a.prg"});
  for (QWidget* view : {map(), sheet()}) {
    EXPECT_FALSE(entered(view, text) || entered(view, web) || entered(view, mixed));
    EXPECT_TRUE(entered(view, *local));
  }
  keys(Qt::Key_I);  // identify mode closes both views
  EXPECT_FALSE(entered(map(), *local) || entered(sheet(), *local));
}

TEST_F(Drops, DatatypeLabelsSurviveEveryDropAndAWaitingRandomFillKeepsTheMapClosed) {
  writeBytes(path("m.prg"), file({0x00, 0x40, 10, 5}, 32772, 3));
  writeBytes(path("t.prg"), file({0x00, 0x30}, 2050, 0x00));
  st().DatatypeAt(1, 1) = 0x2A;
  keys(Qt::Key_D);
  ASSERT_TRUE(labelled(1, 1));
  drop(map(), {"m.prg"});
  EXPECT_TRUE(labelled(1, 1));
  drop(sheet(), {"t.prg"});
  EXPECT_TRUE(labelled(1, 1));
  frm().lstDatatypes.listIndex = 0;  // 00 takes the tag off and prints no label
  Click(map(), Cell(1, 1));
  EXPECT_FALSE(labelled(1, 1) || st().DatatypeAt(1, 1));
  keys(Qt::Key_D);
  st().RandomFillStep = 1;
  frm().picMap.enabled = false;
  w->sync();
  drop(sheet(), {"t.prg"});
  EXPECT_FALSE(frm().picMap.enabled);
}

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

TEST_F(ModesAndBitmap, CtrlIFramesExactlyTheTilesTheMapHoldsAtEachSwitchOn) {
  st().SelectColor = RGBColor(255, 0, 255);
  st().DatamapAt(200, 100) = 200;  // outside the used 10 x 5: still a used tile
  Click(sheet(), Cell(4, 3));      // the selection frame onto tile 100, away from the used ones
  const auto framed = [&] {
    const QImage shown = sheet()->grab().toImage();
    std::vector<int> tiles;
    for (int t = 0; t < 256; ++t)
      if (fromQRgb(shown.pixel(16 * (t % 32) + 8, 16 * (t / 32))) == st().SelectColor &&
          fromQRgb(shown.pixel(16 * (t % 32) + 15, 16 * (t / 32) + 15)) == st().SelectColor)
        tiles.push_back(t);
    return tiles;
  };
  std::vector<int> used(38);  // 0 to 37 in the map in use, and 200
  std::iota(used.begin(), used.end(), 0);
  used.push_back(200);
  keys(Qt::Key_I);
  // Locked but for the image's own save.
  EXPECT_TRUE(!map()->isEnabled() && !w->action("mnuTilesetLoad")->isEnabled() &&
              !w->control("Frame1")->isEnabled() && w->action("mnuTilesetSave")->isEnabled());
  EXPECT_EQ(framed(), used);
  keys(Qt::Key_I);
  EXPECT_TRUE(framed().empty());
  st().DatamapAt(200, 100) = 0;  // gone from the map while the mode was off
  used.pop_back();
  keys(Qt::Key_I);
  EXPECT_EQ(framed(), used);
  EXPECT_EQ(w->action("mnuTilesetSave")->text(), "Save Tiles Used Image");
  prompts.answerSave(path("t.prg")).answerSave(path("t.chr"));  // the tileset, not its image
  for (int k = 0; k < 2; ++k) w->action("mnuTilesetSave")->trigger();
  EXPECT_EQ(readBytes(path("t.prg")).size() + readBytes(path("t.chr")).size(), 2050u + 2048u);
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
  // At the end of the list, the bottom edge names the last item, also when it lies below it.
  list->scrollToBottom();
  prompts.answerInput("Last");
  QTest::mouseClick(list->viewport(), Qt::RightButton, Qt::NoModifier,
                    QPoint(5, list->viewport()->height() - 1));
  EXPECT_EQ(list->item(255)->text(), "FF = Last");
}
