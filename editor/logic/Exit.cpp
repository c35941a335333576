#include "editor/logic/Exit.h"

#include "editor/logic/DatamapCommands.h"
#include "model/App.h"
#include "model/Settings.h"
#include "platform/NumericText.h"

void Form_Unload(App& a, bool& cancel) {
  ProgramState& st = a.st;
  cancel = false;

  if (st.SaveWindow) {
    const WindowPlacement p = a.host->CurrentPlacement();
    st.WindowState = p.state;
    st.WindowTop = p.top;
    st.WindowLeft = p.left;
    st.WindowWidth = p.width;
    st.WindowHeight = p.height;
    if (p.state != 0) {
      st.WindowTop = int32_t(RoundHalfEven((a.host->ScreenHeightTwips() - double(p.height)) / 2));
      st.WindowLeft = int32_t(RoundHalfEven((a.host->ScreenWidthTwips() - double(p.width)) / 2));
    }
    SaveSettings(a);
  }

  if (st.AskSave) {
    st.MsgResult = int16_t(a.prompts->MsgBox("Do you want to save your datamap before exiting?",
                                             vbYesNoCancel, "Save Datamap On Exit?"));
    if (st.MsgResult == vbCancel) {
      cancel = true;
    } else if (st.MsgResult == vbYes) {
      // Unless the map is saved (a failed save has already said so, a
      // cancelled one asked nothing more), closing now would lose the very
      // map the user asked to keep.
      if (mnuDatamapSaveAs_Click(a) != SaveResult::Saved) cancel = true;
    }
  }
}
