#include <tuple>

#include "editor/logic/DatatypeMode.h"
#include "model/Settings.h"
#include "model/SettingsPath.h"
#include "test_map_editing_helpers.h"

namespace {

// The list's hit test answers what the test sets.
class ListHost : public RecordingHost {
 public:
  ListHit hit;
  ListHit DatatypeItemFromPoint(int, int) const override { return hit; }
};

class DatatypeMode : public MapTest {
 protected:
  DatatypeMode() { a.host = &list; }
  // Does the cell's block show anything in the label colour?
  bool labelled(int col, int row) {
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        if (a.frm.picMap.pixel(16 * col + x, 16 * row + y) == a.st.DatatypeColor) return true;
    return false;
  }
  ListHost list;
};

}  // namespace

TEST_F(DatatypeMode, OnShowsTheLabelsInOneCellCursorOffRestoresCursorFramesAndMenus) {
  drag(kSheet, 0, 0, 2, 1);  // a 3 x 2 brush: a 48 x 32 cursor
  ASSERT_EQ(QSize(a.frm.shpMapCursor.width, a.frm.shpMapCursor.height), QSize(48, 32));
  a.st.DatatypeAt(2, 1) = 0x2A;
  a.st.DatatypeAt(255, 127) = 0xFF;

  mnuDatatypeMode_Click(a);
  EXPECT_TRUE(a.st.DatatypeMode);
  EXPECT_EQ(QSize(a.frm.shpMapCursor.width, a.frm.shpMapCursor.height), QSize(16, 16));
  EXPECT_EQ(std::tuple(a.frm.Frame1.visible, a.frm.Frame2.enabled, a.frm.Frame4.visible,
                       a.frm.Frame5.visible),
            std::tuple(false, false, false, true));
  for (const char* off : {"mnuFile", "mnuUndo", "mnuIdentify", "mnuZoom", "mnuSettings"})
    EXPECT_FALSE(a.frm.menu(off).enabled) << off;
  for (const char* on : {"mnuDatatypeMode", "mnuBitmap", "mnuEdit", "mnuOptions"})
    EXPECT_TRUE(a.frm.menu(on).enabled) << on;
  EXPECT_TRUE(labelled(2, 1));
  EXPECT_TRUE(labelled(255, 127));
  EXPECT_FALSE(labelled(3, 1));
  EXPECT_EQ(list.doEvents, 1);  // the plain map shows before the labels

  mnuDatatypeMode_Click(a);
  EXPECT_FALSE(a.st.DatatypeMode);
  EXPECT_EQ(QSize(a.frm.shpMapCursor.width, a.frm.shpMapCursor.height), QSize(48, 32));
  EXPECT_EQ(std::tuple(a.frm.Frame1.visible, a.frm.Frame2.enabled, a.frm.Frame4.visible,
                       a.frm.Frame5.visible),
            std::tuple(true, true, true, false));
  for (const char* on : {"mnuFile", "mnuUndo", "mnuIdentify", "mnuZoom", "mnuSettings"})
    EXPECT_TRUE(a.frm.menu(on).enabled) << on;
  EXPECT_TRUE(showsTile(a.frm.picMap, 32, 16, 0));  // the label is gone, the tag stays
  EXPECT_EQ(a.st.DatatypeAt(2, 1), 0x2A);
}

TEST_F(DatatypeMode, RenamingShowsTheNameAsTypedAndStoresItTrimmedWithoutControlCharacters) {
  struct Row {
    int item, shift;
    const char* answer;
    const char* itemText;
    const char* line;  // in the settings file
    const char* nextStart;
  };
  const Row rows[] = {
      {10, 0, "  Wall ", "0A =   Wall ", "D010=\"Wall\"", "0A = Wall"},
      {255, 1, "Exit", "FF = Exit", "D255=\"Exit\"", "FF = Exit"},
      {5, 0, "   ", "05 =    ", "D005=\"\"", "05 = UNDEFINED"},
      // A pasted line break or tab: the list and the file agree on blanks.
      {7, 2, "Lava\r\nPit\t", "07 = Lava  Pit ", "D007=\"Lava  Pit\"", "07 = Lava  Pit"},
  };
  a.frm.lstDatatypes.listIndex = 3;
  for (const Row& r : rows) {
    list.hit = {r.item, false};
    prompts.answerInput(r.answer);
    lstDatatypes_MouseUp(a, 2, r.shift, 40, 60);
    EXPECT_EQ(prompts.last().text, "Define Datatype");
    EXPECT_EQ(prompts.last().title, "Define Datatype");
    EXPECT_EQ(a.frm.lstDatatypes.items[size_t(r.item)], r.itemText);
    EXPECT_NE(readText(SettingsPath()).find(std::string(r.line) + "\n"), std::string::npos)
        << r.line;
  }
  EXPECT_EQ(a.frm.lstDatatypes.listIndex, 3);
  EXPECT_EQ(a.frm.lstDatatypes.items[4], "04 = UNDEFINED");

  LoadDatatypeNames(a, SettingsPath());
  for (const Row& r : rows) EXPECT_EQ(a.frm.lstDatatypes.items[size_t(r.item)], r.nextStart);
}

TEST_F(DatatypeMode, OtherButtonsAReleaseOffTheListAndAnEmptyAnswerChangeNothing) {
  const auto items = a.frm.lstDatatypes.items;
  const std::string settings = readText(SettingsPath());
  list.hit = {10, false};
  lstDatatypes_MouseUp(a, 1, 0, 40, 60);
  lstDatatypes_MouseUp(a, 4, 0, 40, 60);
  list.hit = {255, true};  // released below or beside the list: nearest item, but outside
  lstDatatypes_MouseUp(a, 2, 0, 40, 400);
  EXPECT_TRUE(prompts.shown().empty());
  list.hit = {10, false};
  prompts.answerInput("");  // Cancel
  lstDatatypes_MouseUp(a, 2, 0, 40, 60);
  EXPECT_EQ(a.frm.lstDatatypes.items, items);
  EXPECT_EQ(readText(SettingsPath()), settings);
}
