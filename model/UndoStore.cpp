#include "model/UndoStore.h"

#include <cstring>

#include "model/App.h"

void PushUndo(App& a) {
  ProgramState& st = a.st;
  ++st.UndoLevel;
  if (st.UndoLevel >= kUndoSlots) {
    // Slot 0 takes the oldest snapshot; slot 12 is freed for the new one.
    std::memmove(st.UndoSlot(0), st.UndoSlot(1), size_t(kUndoSlots - 1) * kMapCells);
    st.UndoLevel = kUndoSlots - 1;
  }
  std::memcpy(st.UndoSlot(st.UndoLevel), st.Datamap.data(), kMapCells);
}
