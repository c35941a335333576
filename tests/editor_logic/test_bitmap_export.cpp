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
  BitmapExport() {
    a.st.MapWidth = 10;
    a.st.MapHeight = 5;
    a.frm.picMap.resize(160, 80);
    fillWithPattern();
  }
  // Does every pixel of the written file equal the picture's?
  static bool fileIs(const std::string& path, const Picture& pic) {
    const QImage img(QString::fromStdString(path), "bmp");
    if (img.size() != QSize(pic.width(), pic.height())) return false;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (fromQRgb(img.pixel(x, y)) != pic.pixel(x, y)) return false;
    return true;
  }
};

}  // namespace

TEST_F(BitmapExport, TheFileIsTheWholeMapPictureOrTheWholeZoomedCopyIn24Bits) {
  a.frm.CommonDialog1.FileName = "left over";
  prompts.answerSave(path("map.bmp"));
  mnuBitmap_Click(a);
  const auto& d = prompts.last().dialog;
  EXPECT_EQ(d.DialogTitle, "Save Image File");
  EXPECT_EQ(d.Filter, "Windows Bitmap Files (*.bmp)|*.bmp");
  EXPECT_EQ(d.FileName, "");
  EXPECT_EQ(d.Flags, 6);
  EXPECT_TRUE(fileIs(path("map.bmp"), a.frm.picMap));
  const Bytes file = readBytes(path("map.bmp"));
  EXPECT_EQ(Bytes(file.begin() + 18, file.begin() + 30),
            (Bytes{160, 0, 0, 0, 80, 0, 0, 0, 1, 0, 24, 0}));

  a.frm.picScrollWidth = 40;  // the copy reaches past the viewport
  mnuZoom75_Click(a);
  SetScrollValue(a, false, 3);
  prompts.answerSave(path("zoom.bmp"));
  mnuBitmap_Click(a);
  EXPECT_EQ(a.frm.picZoom.width(), 120);
  EXPECT_TRUE(fileIs(path("zoom.bmp"), a.frm.picZoom));
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
}
