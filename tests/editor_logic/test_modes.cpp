#include <QImage>
#include <set>

#include "editor/logic/BitmapExport.h"
#include "editor/logic/DatatypeMode.h"
#include "editor/logic/FileDrops.h"
#include "editor/logic/MenuState.h"
#include "editor/logic/Zoom.h"
#include "logic_fixture.h"
#include "model/SettingsPath.h"

// The menu states by which the modes exclude one another, datatype mode, the
// zoom and the bitmap of what the map view shows.

namespace {

using Names = std::set<std::string>;

class ListHost : public RecordingHost {  // its list answers the hit test as the test sets
 public:
  ListHit hit;
  ListHit DatatypeItemFromPoint(int, int) const override { return hit; }
};

class Modes : public MapTest {
 protected:
  Modes() { a.host = &list; }
  Names disabledMenus() const {
    Names off;
    for (const auto& [name, item] : a.frm.menus)
      if (!item.enabled) off.insert(name);
    return off;
  }
  ListHost list;
};

}  // namespace

TEST_F(Modes, DatatypeModeHasAOneCellCursorKeepsItsLabelsAndOffRestoresTheCursorFramesAndMenus) {
  drag(kSheet, 0, 0, 2, 1);  // a 3 x 2 brush: a 48 x 32 cursor
  const Shape& cursor = a.frm.shpMapCursor;
  a.st.DatatypeAt(0, 0) = 0x2A;
  mnuDatatypeMode_Click(a);
  EXPECT_EQ(QSize(cursor.width, cursor.height), QSize(16, 16));
  EXPECT_TRUE(a.frm.Frame5.visible && !a.frm.Frame4.visible && !a.frm.Frame2.enabled);
  EXPECT_EQ(disabledMenus(),
            (Names{"mnuFile", "mnuUndo", "mnuIdentify", "mnuZoom", "mnuSettings"}));
  prompts.answerMsgBox(vbOK);  // a drop that loads a tileset, then stops at a name it refuses
  picTileView_OLEDragDrop(a, {MW_EXAMPLES "/TILE.Example.PRG", "x.txt"});
  EXPECT_FALSE(a.frm.picMap.image().copy(0, 0, 16, 16) == a.frm.picMap.image().copy(16, 0, 16, 16));
  mnuDatatypeMode_Click(a);
  EXPECT_EQ(QSize(cursor.width, cursor.height), QSize(48, 32));
  EXPECT_TRUE(!a.frm.Frame5.visible && a.frm.Frame4.visible && a.frm.Frame2.enabled);
  EXPECT_TRUE(disabledMenus().empty());
}

TEST_F(Modes, RenamingShowsTheNameAsTypedAndStoresItTrimmedWithoutControlCharacters) {
  using Row = std::tuple<int, int, const char*, const char*, const char*>;
  const Row rows[] = {// item, shift, answer, item text, line in the settings file
                      {10, 0, "  Wall ", "0A =   Wall ", "D010=\"Wall\""},
                      {255, 1, "Exit", "FF = Exit", "D255=\"Exit\""},
                      {5, 0, "   ", "05 =    ", "D005=\"\""},
                      // A pasted line break or tab: the list and the file agree on blanks.
                      {7, 2, "Lava\r\nPit\t", "07 = Lava  Pit ", "D007=\"Lava  Pit\""}};
  for (const auto& [item, shift, answer, text, line] : rows) {
    list.hit = {item, false};
    prompts.answerInput(answer);
    lstDatatypes_MouseUp(a, 2, shift, 40, 60);
    EXPECT_EQ(a.frm.lstDatatypes.items[size_t(item)], text);
    EXPECT_NE(readText(SettingsPath()).find(std::string(line) + "\n"), std::string::npos) << line;
  }
}

TEST_F(Modes, ZoomCopiesSampleTheWholeMapAndLockTheMenusUntilAClick) {
  // Every pixel differs from its neighbours, so a copy sampling the wrong column or row shows.
  const auto at = [](int x, int y) { return RGBColor(x % 256, y % 256, x / 256 + y / 256 * 16); };
  for (int y = 0; y < 2048; ++y)
    for (int x = 0; x < 4096; ++x) a.frm.picMap.setPixel(x, y, at(x, y));
  a.frm.picScrollWidth = 1001;
  a.frm.picScrollHeight = 593;
  mnuZoom50_Click(a);
  const Picture& z = a.frm.picZoom;
  ASSERT_EQ(QSize(z.width(), z.height()), QSize(2048, 1024));
  EXPECT_EQ(a.frm.caption, "Mosaicwright v2.1 - [Zoom 50%]");
  for (int y = 0; y < 1024; ++y)
    for (int x = 0; x < 2048; ++x) ASSERT_EQ(z.pixel(x, y), at(2 * x, 2 * y)) << x << "," << y;
  // The bitmap is the whole copy, not the part in view.
  prompts.answerSave(path("zoom.bmp"));
  mnuBitmap_Click(a);
  EXPECT_TRUE(QImage(QString::fromStdString(path("zoom.bmp")), "bmp")
                  .convertToFormat(QImage::Format_RGB32) == z.image());
  using Case = std::tuple<void (*)(App&), std::string, QSize>;
  for (auto [zoom, name, size] :
       {Case{mnuZoom75_Click, "75%", {3072, 1536}}, Case{mnuZoom25_Click, "25%", {1024, 512}},
        Case{mnuZoomPage_Click, "Fit Page", {1186, 593}},  // 4096 * 593 / 2048 wide
        Case{mnuZoomWidth_Click, "Fit Width", {1001, 500}}}) {
    zoom(a);
    EXPECT_EQ(QSize(z.width(), z.height()), size) << name;
    EXPECT_EQ(a.frm.caption, "Mosaicwright v2.1 - [Zoom " + name + "]");
    EXPECT_EQ(disabledMenus(), (Names{"mnuFile", "mnuEdit", "mnuIdentify", "mnuSettings"}));
    picZoom_Click(a);
    EXPECT_TRUE(a.frm.picZoom.isBlank()) << name;  // unzoomed, the copy holds no memory
    EXPECT_TRUE(disabledMenus().empty()) << name;
    EXPECT_EQ(a.frm.caption, "Mosaicwright v2.1 ");
  }
}
