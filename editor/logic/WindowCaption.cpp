#include "editor/logic/WindowCaption.h"

#include "model/App.h"
#include "model/ProgramInfo.h"

void UpdateCaption(App& a, const std::string& suffix) {
  a.frm.caption = "Mosaicwright v" + std::to_string(kVersionMajor) + "." +
                  std::to_string(kVersionMinor) + suffix;
}
