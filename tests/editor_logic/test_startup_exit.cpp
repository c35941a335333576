#include <set>

#include "model/Formats.h"
#include "test_startup_fixture.h"

using namespace startup_test;

namespace {

// Every menu any menu state switches.
const std::vector<std::string> kSwitched = {
    "mnuFile",       "mnuEdit",       "mnuOptions",     "mnuIdentify",    "mnuSettings",
    "mnuUndo",       "mnuZoom",       "mnuProject",     "mnuDatamap",     "mnuDatatype",
    "mnuCMap",       "mnuTilesetLoad", "mnuTilesetNew", "mnuTilesetSaveAs", "mnuTILEMRU(0)",
    "mnuTILEMRU(1)", "mnuTILEMRU(2)", "mnuTILEMRU(3)",  "mnuTILEMRU(4)",  "mnuLoadPalette",
    "mnuBitmap",     "mnuTilesetSave", "mnuDatatypeMode", "menuExit",     "mnuHlp"};

std::set<std::string> disabledMenus(App& a) {
  std::set<std::string> off;
  for (const std::string& n : kSwitched)
    if (!a.frm.menu(n).enabled) off.insert(n);
  return off;
}

}  // namespace

using MenuStates = Startup;

TEST_F(MenuStates, EachEvenCodeDisablesExactlyItsGroupAndTheOddCodeEnablesItAgain) {
  const std::set<std::string> groups[] = {
      {"mnuFile", "mnuEdit", "mnuOptions"},
      {"mnuFile", "mnuEdit", "mnuIdentify", "mnuSettings"},
      {"mnuFile", "mnuUndo", "mnuIdentify", "mnuZoom", "mnuSettings"},
      {"mnuProject", "mnuDatamap", "mnuDatatype", "mnuCMap", "mnuTilesetLoad", "mnuTilesetNew",
       "mnuTilesetSaveAs", "mnuTILEMRU(0)", "mnuTILEMRU(1)", "mnuTILEMRU(2)", "mnuTILEMRU(3)",
       "mnuTILEMRU(4)", "mnuLoadPalette", "mnuEdit", "mnuBitmap", "mnuZoom", "mnuSettings"},
  };
  for (int g = 0; g < 4; ++g) {
    SetMenuState(a, 2 * g);
    EXPECT_EQ(disabledMenus(a), groups[g]) << "code " << 2 * g;
    SetMenuState(a, 2 * g + 1);
    EXPECT_TRUE(disabledMenus(a).empty()) << "code " << 2 * g + 1;
  }
}

TEST_F(MenuStates, CodesOutsideTheTableChangeNothing) {
  SetMenuState(a, 6);
  const std::set<std::string> before = disabledMenus(a);
  SetMenuState(a, -1);
  SetMenuState(a, 8);
  EXPECT_EQ(disabledMenus(a), before);
  SetMenuState(a, 0);
  const std::set<std::string> fillWaiting = disabledMenus(a);
  SetMenuState(a, 9);
  EXPECT_EQ(disabledMenus(a), fillWaiting);
}

TEST_F(MenuStates, AnOddCodeEnablesItsGroupWhateverDisabledItBefore) {
  SetMenuState(a, 6);
  SetMenuState(a, 1);
  EXPECT_TRUE(a.frm.menu("mnuEdit").enabled);
  EXPECT_FALSE(a.frm.menu("mnuDatamap").enabled);
}

class Exit : public Startup {
 protected:
  void SetUp() override {
    Startup::SetUp();
    Form_Load(a, "");
    a.st.MapWidth = 2;
    a.st.MapHeight = 1;
    a.st.DatamapAt(0, 0) = 0x41;
    a.st.DatamapAt(1, 0) = 0x42;
  }
  bool unload() {
    bool cancel = false;
    Form_Unload(a, cancel);
    return cancel;
  }
};

TEST_F(Exit, WithoutAskSaveTheWindowClosesWithoutAQuestion) {
  EXPECT_FALSE(unload());
  EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(Exit, CancellingTheQuestionKeepsTheWindowOpen) {
  a.st.AskSave = true;
  prompts.answerMsgBox(vbCancel);
  EXPECT_TRUE(unload());
  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(prompts.last().text, "Do you want to save your datamap before exiting?");
  EXPECT_EQ(prompts.last().title, "Save Datamap On Exit?");
  EXPECT_EQ(prompts.last().style, 3);
  EXPECT_EQ(a.st.MsgResult, vbCancel);
}

TEST_F(Exit, AnsweringNoClosesWithoutSaving) {
  a.st.AskSave = true;
  prompts.answerMsgBox(vbNo);
  EXPECT_FALSE(unload());
  EXPECT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(a.st.MsgResult, vbNo);
}

TEST_F(Exit, AnsweringYesSavesTheDatamapUnderTheChosenNameAndCloses) {
  a.st.AskSave = true;
  prompts.answerMsgBox(vbYes).answerSave(path("out.map"));
  EXPECT_FALSE(unload());
  EXPECT_EQ(prompts.shown()[1].kind, "Save");
  const Bytes written = readWholeFile(path("out.map")).value_or(Bytes{});
  ASSERT_GE(written.size(), 6u);
  // Load address, width byte 2, height byte 1, then the cells.
  EXPECT_EQ(written[2], 0x02);
  EXPECT_EQ(written[3], 0x01);
  EXPECT_EQ(written[4], 0x41);
  EXPECT_EQ(written[5], 0x42);
}

TEST_F(Exit, AnsweringYesThenCancellingTheFileDialogStillCloses) {
  a.st.AskSave = true;
  prompts.answerMsgBox(vbYes).answerSave("");
  EXPECT_FALSE(unload());
}

TEST_F(Exit, AFailedSaveKeepsTheWindowOpenOverTheUnsavedMap) {
  a.st.AskSave = true;
  prompts.answerMsgBox(vbYes).answerSave(path("no-such-folder/out.map")).answerMsgBox(vbOK);
  EXPECT_TRUE(unload());
  EXPECT_EQ(prompts.pending(), 0u);
}

TEST_F(Exit, WindowSavingStoresANormalWindowsOwnPlacement) {
  a.st.SaveWindow = true;
  host.current = {1515, 3030, 15450, 12015, 0};
  EXPECT_FALSE(unload());
  EXPECT_EQ(a.st.WindowState, 0);
  EXPECT_EQ(a.st.WindowTop, 1515);
  EXPECT_EQ(a.st.WindowLeft, 3030);
  EXPECT_EQ(a.st.WindowWidth, 15450);
  EXPECT_EQ(a.st.WindowHeight, 12015);
  const std::string ini = readText("Mosaicwright.ini");
  EXPECT_NE(ini.find("Save=True"), std::string::npos);
  EXPECT_NE(ini.find("Top=1515"), std::string::npos);
  EXPECT_NE(ini.find("Height=12015"), std::string::npos);
}

TEST_F(Exit, MaximizedWindowIsStoredCentredWithTiesRoundedToEven) {
  a.st.SaveWindow = true;
  // (16200 - 15199) / 2 = 500.5 and (28800 - 26999) / 2 = 900.5.
  host.current = {0, 0, 26999, 15199, 2};
  EXPECT_FALSE(unload());
  EXPECT_EQ(a.st.WindowState, 2);
  EXPECT_EQ(a.st.WindowTop, 500);
  EXPECT_EQ(a.st.WindowLeft, 900);
  EXPECT_EQ(a.st.WindowWidth, 26999);
  EXPECT_EQ(a.st.WindowHeight, 15199);
  const std::string ini = readText("Mosaicwright.ini");
  EXPECT_NE(ini.find("State=2"), std::string::npos);
  EXPECT_NE(ini.find("Left=900"), std::string::npos);
}

TEST_F(Exit, WithoutWindowSavingTheSettingsAreNotWritten) {
  a.st.SelectColor = 123;
  host.current = {15, 15, 1500, 1500, 0};
  EXPECT_FALSE(unload());
  const std::string ini = readText("Mosaicwright.ini");
  EXPECT_NE(ini.find("SelectColor=16744448"), std::string::npos);
  EXPECT_NE(ini.find("Top=1500"), std::string::npos);
}
