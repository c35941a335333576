#include <QDir>
#include <QImage>

#include "editor/logic/BitmapExport.h"
#include "editor/logic/Zoom.h"
#include "model/Formats.h"
#include "support/DocumentFilesHelpers.h"
#include "test_map_editing_helpers.h"

namespace {

class BitmapExport : public MapTest {
 protected:
  // A 10 x 5 map of distinct tiles, with cursor and previews out in view.
  BitmapExport() {
    a.st.MapWidth = 10;
    a.st.MapHeight = 5;
    a.frm.picMap.resize(160, 80);
    fillWithPattern();
    a.st.HoverPreview = true;
    drag(kMap, 1, 1, 3, 2);
    picMap_MouseMove(a, 0, 2, Mid(4), Mid(4));
  }
  // Every pixel of the written file equals the picture's.
  static void expectFileIs(const std::string& path, const Picture& pic) {
    const QImage img(QString::fromStdString(path), "bmp");
    ASSERT_EQ(img.size(), QSize(pic.width(), pic.height()));
    int differing = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        differing += fromQRgb(img.pixel(x, y)) != pic.pixel(x, y);
    EXPECT_EQ(differing, 0);
  }
};

}  // namespace

TEST_F(BitmapExport, AtFullSizeTheFileIsTheWholeMapPictureIn24Bits) {
  a.frm.CommonDialog1.FileName = "left over";
  prompts.answerSave(path("map.bmp"));
  mnuBitmap_Click(a);
  const auto& d = prompts.last().dialog;
  EXPECT_EQ(d.DialogTitle, "Save Image File");
  EXPECT_EQ(d.Filter, "Windows Bitmap Files (*.bmp)|*.bmp");
  EXPECT_EQ(d.FileName, "");
  EXPECT_EQ(d.Flags, 6);
  expectFileIs(path("map.bmp"), a.frm.picMap);
  const Bytes file = readBytes(path("map.bmp"));
  EXPECT_EQ(Bytes(file.begin() + 18, file.begin() + 30),
            (Bytes{160, 0, 0, 0, 80, 0, 0, 0, 1, 0, 24, 0}));
}

TEST_F(BitmapExport, ZoomedTheFileIsTheWholeCopyBeyondTheViewport) {
  a.frm.picScrollWidth = 40;  // the copy reaches past the viewport
  a.frm.picScrollHeight = 30;
  mnuZoom75_Click(a);
  SetScrollValue(a, false, 3);
  prompts.answerSave(path("zoom.bmp"));
  mnuBitmap_Click(a);
  expectFileIs(path("zoom.bmp"), a.frm.picZoom);
  EXPECT_EQ(a.frm.picZoom.width(), 120);
}

TEST_F(BitmapExport, AFailedWriteSaysSoAndLeavesTheOldFileCancelWritesNothing) {
  writeText(path("old.bmp"), "OLD");
  prompts.answerSave(path("old.bmp")).answerMsgBox(vbOK);
  {
    const FileSizeLimit limit(1000);
    mnuBitmap_Click(a);
  }
  EXPECT_EQ(prompts.last().text, "Cannot write Bitmap file (" + path("old.bmp") + ")!");
  EXPECT_EQ(prompts.last().title, "Bitmap Export Error");
  EXPECT_EQ(prompts.last().style, vbCritical);
  EXPECT_EQ(readText(path("old.bmp")), "OLD");

  const QDir dir(QString::fromStdString(folder.dir()));
  const QStringList files = dir.entryList(QDir::Files | QDir::Hidden);
  prompts.answerSave("");
  mnuBitmap_Click(a);
  EXPECT_EQ(dir.entryList(QDir::Files | QDir::Hidden), files);
  EXPECT_EQ(prompts.shown().size(), 3u);
}
