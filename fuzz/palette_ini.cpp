#include "FuzzTarget.h"
#include "model/App.h"
#include "model/Palettes.h"
#include "platform/IniFile.h"

// The ColorPalette section of an INI text: every entry ends up a colour,
// built in, read, or black after its message.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static SilentPrompts prompts;
  static App a;
  a.prompts = &prompts;
  LoadPaletteINI(a, IniSnapshot::fromText(textOf(data, size)));
  for (size_t i = 0; i < 16; ++i) {
    FUZZ_CHECK(a.st.Palette[i] >= 0 && a.st.Palette[i] <= 0xFFFFFF);
    FUZZ_CHECK(a.frm.picColor[i] == a.st.Palette[i]);
  }
  return 0;
}
