#include <set>

#include "editor/logic/MenuState.h"
#include "support/TestApp.h"

using MenuState = AppTest;

TEST_F(MenuState, EachEvenMenuCodeDisablesItsGroupAndTheNextOddCodeEnablesIt) {
  const std::set<std::string> groups[] = {
      {"mnuFile", "mnuEdit", "mnuOptions"},
      {"mnuFile", "mnuEdit", "mnuIdentify", "mnuSettings"},
      {"mnuFile", "mnuUndo", "mnuIdentify", "mnuZoom", "mnuSettings"},
      {"mnuProject", "mnuDatamap", "mnuDatatype", "mnuCMap", "mnuTilesetLoad", "mnuTilesetNew",
       "mnuTilesetSaveAs", "mnuTILEMRU(0)", "mnuTILEMRU(1)", "mnuTILEMRU(2)", "mnuTILEMRU(3)",
       "mnuTILEMRU(4)", "mnuLoadPalette", "mnuEdit", "mnuBitmap", "mnuZoom", "mnuSettings"},
  };
  auto disabled = [&] {  // among every menu any code has touched
    std::set<std::string> off;
    for (const auto& [name, item] : a.frm.menus)
      if (!item.enabled) off.insert(name);
    return off;
  };
  for (int g = 0; g < 4; ++g) {
    SetMenuState(a, 2 * g);
    EXPECT_EQ(disabled(), groups[g]) << "code " << 2 * g;
    SetMenuState(a, -1);
    SetMenuState(a, 8);
    EXPECT_EQ(disabled(), groups[g]) << "codes outside 0..7 change nothing";
    SetMenuState(a, 2 * g + 1);
    EXPECT_TRUE(disabled().empty()) << "code " << 2 * g + 1;
  }
}
