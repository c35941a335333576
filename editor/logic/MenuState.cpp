#include "editor/logic/MenuState.h"

#include <initializer_list>

#include "model/App.h"

namespace {

void setEnabled(App& a, std::initializer_list<const char*> names, bool enabled) {
  for (const char* n : names) a.frm.menu(n).enabled = enabled;
}

}  // namespace

void SetMenuState(App& a, int code) {
  if (code < 0 || code > 7) return;
  const bool enable = code % 2 == 1;
  switch (code / 2) {
    case 0:
      setEnabled(a, {"mnuFile", "mnuEdit", "mnuOptions"}, enable);
      break;
    case 1:
      setEnabled(a, {"mnuFile", "mnuEdit", "mnuIdentify", "mnuSettings"}, enable);
      break;
    case 2:
      setEnabled(a, {"mnuFile", "mnuUndo", "mnuIdentify", "mnuZoom", "mnuSettings"}, enable);
      break;
    case 3:
      setEnabled(a,
                 {"mnuProject", "mnuDatamap", "mnuDatatype", "mnuCMap", "mnuTilesetLoad",
                  "mnuTilesetNew", "mnuTilesetSaveAs", "mnuTILEMRU(0)", "mnuTILEMRU(1)",
                  "mnuTILEMRU(2)", "mnuTILEMRU(3)", "mnuTILEMRU(4)", "mnuLoadPalette", "mnuEdit",
                  "mnuBitmap", "mnuZoom", "mnuSettings"},
                 enable);
      break;
  }
}
