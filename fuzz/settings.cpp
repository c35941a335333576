#include "FuzzTarget.h"
#include "model/App.h"
#include "model/Settings.h"
#include "platform/IniFile.h"

// A whole settings file as start-up reads it: settings, palette, datatype
// names and recent-file lists.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static SilentPrompts prompts;
  static App a;
  a.prompts = &prompts;
  ApplySettings(a, IniSnapshot::fromText(textOf(data, size)));
  const ListBox& names = a.frm.lstDatatypes;
  FUZZ_CHECK(names.items.size() == 256 && names.listIndex == 0);
  for (size_t v = 0; v < 256; ++v) {
    static const char hex[] = "0123456789ABCDEF";
    const std::string& item = names.items[v];
    FUZZ_CHECK(item.size() > 5 && item[0] == hex[v / 16] && item[1] == hex[v % 16]);
    FUZZ_CHECK(item.compare(2, 3, " = ") == 0);
  }
  FUZZ_CHECK(a.st.WindowState >= 0 && a.st.WindowState <= 2);
  return 0;
}
