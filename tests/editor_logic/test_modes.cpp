#include <QImage>
#include <set>

#include "editor/logic/BitmapExport.h"
#include "editor/logic/DatatypeMode.h"
#include "editor/logic/IdentifyTiles.h"
#include "editor/logic/MenuState.h"
#include "editor/logic/Zoom.h"
#include "logic_fixture.h"
#include "model/SettingsPath.h"

// Datatype mode, identify mode and the zoom, which exclude one another through
// the menu states, and the bitmap of what the map view shows.

namespace {

using Names = std::set<std::string>;

// The list's hit test answers what the test sets.
class ListHost : public RecordingHost {
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

TEST_F(Modes, EachEvenMenuCodeDisablesItsGroupAndTheNextOddCodeEnablesIt) {
  const Names groups[] = {
      {"mnuFile", "mnuEdit", "mnuOptions"},
      {"mnuFile", "mnuEdit", "mnuIdentify", "mnuSettings"},
      {"mnuFile", "mnuUndo", "mnuIdentify", "mnuZoom", "mnuSettings"},
      {"mnuProject", "mnuDatamap", "mnuDatatype", "mnuCMap", "mnuTilesetLoad", "mnuTilesetNew",
       "mnuTilesetSaveAs", "mnuTILEMRU(0)", "mnuTILEMRU(1)", "mnuTILEMRU(2)", "mnuTILEMRU(3)",
       "mnuTILEMRU(4)", "mnuLoadPalette", "mnuEdit", "mnuBitmap", "mnuZoom", "mnuSettings"},
  };
  for (int g = 0; g < 4; ++g) {
    SetMenuState(a, 2 * g);
    EXPECT_EQ(disabledMenus(), groups[g]) << "code " << 2 * g;
    SetMenuState(a, -1);
    SetMenuState(a, 8);
    EXPECT_EQ(disabledMenus(), groups[g]) << "codes outside 0..7 change nothing";
    SetMenuState(a, 2 * g + 1);
    EXPECT_TRUE(disabledMenus().empty()) << "code " << 2 * g + 1;
  }
}

TEST_F(Modes, DatatypeModeHasAOneCellCursorAndOffRestoresTheCursorFramesMenusAndMap) {
  drag(kSheet, 0, 0, 2, 1);  // a 3 x 2 brush: a 48 x 32 cursor
  a.st.DatatypeAt(2, 1) = 0x2A;
  const auto frames = [&] {
    const MainForm& f = a.frm;
    return std::tuple(f.shpMapCursor.width, f.shpMapCursor.height, f.Frame1.visible,
                      f.Frame2.enabled, f.Frame4.visible, f.Frame5.visible);
  };
  mnuDatatypeMode_Click(a);
  EXPECT_EQ(frames(), std::tuple(16, 16, false, false, false, true));
  EXPECT_EQ(disabledMenus(),
            (Names{"mnuFile", "mnuUndo", "mnuIdentify", "mnuZoom", "mnuSettings"}));
  mnuDatatypeMode_Click(a);
  EXPECT_EQ(frames(), std::tuple(48, 32, true, true, true, false));
  EXPECT_TRUE(disabledMenus().empty());
  EXPECT_TRUE(showsTile(a.frm.picMap, 32, 16, 0));  // the label is gone, the tag stays
  EXPECT_EQ(a.st.DatatypeAt(2, 1), 0x2A);
}

TEST_F(Modes, RenamingShowsTheNameAsTypedAndStoresItTrimmedWithoutControlCharacters) {
  using Row = std::tuple<int, int, const char*, const char*, const char*>;
  const Row rows[] = {// item, shift, answer, item text, line in the settings file
                      {10, 0, "  Wall ", "0A =   Wall ", "D010=\"Wall\""},
                      {255, 1, "Exit", "FF = Exit", "D255=\"Exit\""},
                      {5, 0, "   ", "05 =    ", "D005=\"\""},
                      // A pasted line break or tab: the list and the file agree on blanks.
                      {7, 2, "Lava\r\nPit\t", "07 = Lava  Pit ", "D007=\"Lava  Pit\""}};
  a.frm.lstDatatypes.listIndex = 3;
  for (const auto& [item, shift, answer, text, line] : rows) {
    list.hit = {item, false};
    prompts.answerInput(answer);
    lstDatatypes_MouseUp(a, 2, shift, 40, 60);
    EXPECT_EQ(prompts.lastMessage(), "Define Datatype | Define Datatype");
    EXPECT_EQ(a.frm.lstDatatypes.items[size_t(item)], text);
    EXPECT_NE(readText(SettingsPath()).find(std::string(line) + "\n"), std::string::npos) << line;
  }
  EXPECT_EQ(a.frm.lstDatatypes.listIndex, 3);
}

TEST_F(Modes, IdentifyMarksEveryTileInUseAndOnOffOnMarksTheSame) {
  const auto marked = [&] {  // tile, left, top, colour of each marker shown
    std::vector<std::array<int, 4>> out;
    for (int t = 0; t < 256; ++t) {
      const Shape& s = a.frm.shpTilesUsed[size_t(t)];
      if (s.visible && (t == 0 || a.frm.shpTilesUsedExists[size_t(t)]))
        out.push_back({t, s.left, s.top, s.borderColor});
    }
    return out;
  };
  const int32_t c = a.st.SelectColor;
  mnuIdentify_Click(a);
  EXPECT_EQ(marked(), (std::vector<std::array<int, 4>>{{0, 0, 0, c}}));  // a cleared map
  mnuIdentify_Click(a);
  a.st.DatamapAt(3, 0) = 33;
  a.st.DatamapAt(255, 127) = 255;  // outside a map made smaller
  a.st.MapWidth = 10;
  mnuIdentify_Click(a);
  const auto first = marked();
  EXPECT_EQ(first,
            (std::vector<std::array<int, 4>>{{0, 0, 0, c}, {33, 16, 16, c}, {255, 496, 112, c}}));
  mnuIdentify_Click(a);
  EXPECT_TRUE(marked().empty());
  mnuIdentify_Click(a);
  EXPECT_EQ(marked(), first);
}

TEST_F(Modes, ZoomCopiesSampleTheWholeMapLockTheMenusAndNeverShrinkToNothing) {
  // Every pixel differs from its neighbours, so a copy sampling the wrong column or row shows.
  const auto color = [](int x, int y) {
    return RGBColor(x & 0xFF, y & 0xFF, (x >> 8) + 16 * (y >> 8));
  };
  for (int y = 0; y < 2048; ++y)
    for (int x = 0; x < 4096; ++x) a.frm.picMap.setPixel(x, y, color(x, y));
  a.frm.picScrollWidth = 1001;
  a.frm.picScrollHeight = 593;
  mnuZoom50_Click(a);
  const Picture& z = a.frm.picZoom;
  ASSERT_EQ(QSize(z.width(), z.height()), QSize(2048, 1024));
  for (int y = 0; y < 1024; ++y)
    for (int x = 0; x < 2048; ++x) ASSERT_EQ(z.pixel(x, y), color(2 * x, 2 * y)) << x << "," << y;
  // The bitmap is the whole copy, not the part in view.
  prompts.answerSave(path("zoom.bmp"));
  mnuBitmap_Click(a);
  const Bytes file = readBytes(path("zoom.bmp"));
  EXPECT_EQ(Bytes(file.begin() + 18, file.begin() + 30),
            (Bytes{0x00, 0x08, 0, 0, 0x00, 0x04, 0, 0, 1, 0, 24, 0}));  // 2048 x 1024, 24 bits
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
  a.frm.picScrollHeight = 0;
  a.frm.picScrollWidth = -4;
  for (auto zoom : {mnuZoomPage_Click, mnuZoomWidth_Click}) {
    zoom(a);
    EXPECT_TRUE(z.width() >= 1 && z.height() >= 1);
  }
}
