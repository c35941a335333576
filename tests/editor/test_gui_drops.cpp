#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "editor/logic/Zoom.h"
#include "window_fixture.h"

namespace {

using Bytes = std::vector<uint8_t>;

class Drops : public RealWindow {
 protected:
  QWidget* map() { return w->mapView(); }
  QWidget* sheet() { return w->tileSheetView(); }

  static bool entered(QWidget* view, const QMimeData& data) {
    QDragEnterEvent enter(QPoint(8, 8), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &enter);
    return enter.isAccepted();
  }
  static QMimeData* files(const std::vector<std::string>& paths) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const std::string& p : paths) urls << QUrl::fromLocalFile(QString::fromStdString(p));
    data->setUrls(urls);
    return data;
  }
  // What the desktop does: the drag enters, then drops; the view handles the
  // drop once the event has returned.
  void drop(QWidget* view, const std::vector<std::string>& names) {
    std::vector<std::string> paths;
    for (const std::string& n : names) paths.push_back(path(n));
    std::unique_ptr<QMimeData> data(files(paths));
    ASSERT_TRUE(entered(view, *data));
    QDropEvent dropped(QPointF(8, 8), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &dropped);
    EXPECT_TRUE(dropped.isAccepted());
    QCoreApplication::processEvents();
  }
  void scrollAway() {
    SetScrollValue(app(), false, 3);
    SetScrollValue(app(), true, 2);
  }
  bool scrolledHome() { return app().frm.scrHorz.value == 0 && app().frm.scrVert.value == 0; }
  void expectMessage(const std::string& text, int style, const std::string& title) {
    ASSERT_FALSE(prompts.shown().empty());
    EXPECT_EQ(prompts.last().text, text);
    EXPECT_EQ(prompts.last().style, style);
    EXPECT_EQ(prompts.last().title, title);
  }
  static Bytes prgTileset(uint8_t fill) {
    Bytes b(2050, fill);
    b[0] = 0x00;
    b[1] = 0x30;
    return b;
  }
  static Bytes datamap(uint8_t width, uint8_t height, uint8_t tile) {
    Bytes b{0x00, 0x40, width, height};
    b.resize(4 + 32768, tile);
    return b;
  }
  bool labelled(int col, int row) {
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        if (app().frm.picMap.pixel(16 * col + x, 16 * row + y) == st().DatatypeColor) return true;
    return false;
  }
};

}  // namespace

TEST_F(Drops, TheSheetLoadsEveryPathInOrderAndTakesA258ByteFileAsColormap) {
  writeBytes(path("a.prg"), prgTileset(0x01));
  writeBytes(path("b.chr"), Bytes(2048, 0x80));
  writeBytes(path("c.bmp"), Bytes(258, 0x05));
  QTest::mouseClick(sheet(), Qt::LeftButton, Qt::NoModifier, QPoint(5 * 16 + 7, 7));
  scrollAway();
  drop(sheet(), {"a.prg", "b.chr", "c.bmp"});
  EXPECT_EQ(st().TilesetMRU[0], path("b.chr"));
  EXPECT_EQ(st().TilesetMRU[1], path("a.prg"));
  EXPECT_EQ(st().ColormapPath, path("c.bmp"));
  EXPECT_EQ(app().frm.lblCMAPName.caption, "c.bmp");
  EXPECT_EQ(app().frm.shpTileSelected.left, 0);
  EXPECT_TRUE(scrolledHome());
  EXPECT_TRUE(map()->isEnabled());

  // A name the sheet does not take stops the drop after what came before it.
  writeText(path("notes.txt"), "x");
  scrollAway();
  prompts.answerMsgBox(vbOK);
  drop(sheet(), {"a.prg", "notes.txt", "b.chr"});
  expectMessage("This is not a Tileset/Colormap file (*.bmp;*.prg;*.chr)", vbCritical,
                "Tileset/Colormap Load Error");
  EXPECT_EQ(st().TilesetPath, path("a.prg"));
  EXPECT_FALSE(scrolledHome());

  QDir(QString::fromStdString(folder.dir())).mkdir("set.prg");
  prompts.answerMsgBox(vbOK);
  drop(sheet(), {"set.prg"});
  expectMessage("Please load a Tileset/Colormap file not a directory", vbInformation,
                "Tileset/Colormap Load Error");

  prompts.answerMsgBox(vbOK);
  drop(sheet(), {"gone.chr"});  // vanished since the drag began
  expectMessage("Cannot read Tileset file (" + path("gone.chr") + ")!", vbCritical,
                "Tileset Load Error");
}

TEST_F(Drops, TheMapLoadsOnlyTheFirstDatamapAndRefusesFoldersAndOtherNames) {
  writeBytes(path("x.MAP"), datamap(10, 5, 3));
  writeBytes(path("y.prg"), datamap(20, 8, 4));
  QDir(QString::fromStdString(folder.dir())).mkdir("maps");
  writeText(path("x.txt"), "x");

  prompts.answerMsgBox(vbOK).answerMsgBox(vbOK);
  drop(map(), {"maps", "x.MAP"});
  expectMessage("Please load a Datamap file not a directory", vbInformation, "Datamap Load Error");
  drop(map(), {"x.txt"});
  expectMessage("This is not a Datamap file (*.map;*.prg)", vbCritical, "Datamap Load Error");
  EXPECT_FALSE(st().DatamapHasFile);

  scrollAway();
  drop(map(), {"x.MAP", "y.prg"});
  EXPECT_EQ(st().DatamapPath, path("x.MAP"));
  EXPECT_EQ(QSize(st().MapWidth, st().MapHeight), QSize(10, 5));
  EXPECT_EQ(st().DatamapMRU[1], "");
  EXPECT_TRUE(scrolledHome());

  prompts.answerMsgBox(vbOK);
  drop(map(), {"gone.map"});
  expectMessage("Cannot read Datamap file (" + path("gone.map") + ")!", vbCritical,
                "Datamap Load Error");
}

TEST_F(Drops, OnlyDragsOfLocalFilesAreTakenAndNotWhileTheViewIsLocked) {
  QMimeData text;
  text.setText("/tmp/a.prg");
  QMimeData web;
  web.setUrls({QUrl("https://example.org/a.prg")});
  QMimeData mixed;
  mixed.setUrls({QUrl::fromLocalFile("/tmp/a.prg"), QUrl("https://example.org/b.prg")});
  const std::unique_ptr<QMimeData> local(files({path("a.prg")}));
  for (QWidget* view : {map(), sheet()}) {
    EXPECT_FALSE(entered(view, text));
    EXPECT_FALSE(entered(view, web));
    EXPECT_FALSE(entered(view, mixed));
    EXPECT_TRUE(entered(view, *local));
  }
  keys(Qt::Key_I);  // identify mode closes both views
  EXPECT_FALSE(entered(map(), *local));
  EXPECT_FALSE(entered(sheet(), *local));
}

TEST_F(Drops, DatatypeLabelsSurviveEveryDropAndAWaitingRandomFillKeepsTheMapClosed) {
  writeBytes(path("m.prg"), datamap(10, 5, 3));
  writeBytes(path("t.prg"), prgTileset(0x00));
  writeText(path("notes.txt"), "x");
  st().DatatypeAt(1, 1) = 0x2A;
  keys(Qt::Key_D);
  ASSERT_TRUE(labelled(1, 1));
  drop(map(), {"m.prg"});
  EXPECT_TRUE(labelled(1, 1));
  prompts.answerMsgBox(vbOK);
  drop(sheet(), {"t.prg", "notes.txt"});
  EXPECT_TRUE(labelled(1, 1));
  keys(Qt::Key_D);

  st().RandomFillStep = 1;
  app().frm.picMap.enabled = false;
  w->sync();
  drop(sheet(), {"t.prg"});
  EXPECT_FALSE(app().frm.picMap.enabled);
}

TEST_F(Drops, AZoomedViewShowsWhatASheetDropLoadedAndStaysClosedToTheMouse) {
  writeBytes(path("t.prg"), prgTileset(0xFF));  // every tile solid
  w->action("mnuZoom50")->trigger();
  drop(sheet(), {"t.prg"});
  EXPECT_NE(app().frm.picMap.pixel(6, 6), SheetColor(0, 0, 0));
  EXPECT_EQ(app().frm.picZoom.pixel(3, 3), app().frm.picMap.pixel(6, 6));
  EXPECT_FALSE(app().frm.picMap.enabled);
}
