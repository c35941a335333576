#include "model/RecentFiles.h"

#include "model/App.h"
#include "model/SettingsPath.h"
#include "platform/IniFile.h"

namespace {

std::string slotKey(int kind, int slot) { return DocTag(kind) + std::to_string(slot); }

std::string itemName(int kind, int slot) {
  return std::string("mnu") + DocTag(kind) + "MRU(" + std::to_string(slot) + ")";
}

std::string separatorName(int kind) { return "mnuBar" + std::to_string(8 + kind); }

bool validKind(int kind) { return kind >= 0 && kind <= 4; }

}  // namespace

void LoadMRU(App& a, const IniSnapshot& ini) {
  for (int i = 0; i < 5; ++i)
    for (int k = 0; k < 5; ++k)
      Identity(a.st, k).mru[size_t(i)] = ini.get("MRU", slotKey(k, i), "");
}

void AddMRU(App& a, int kind, const std::string& path) {
  // An empty path would take slot 0 as an empty slot and push a real entry
  // out; a path with a line break cannot be stored as one key, and keeping it
  // in memory alone would leave the file's list out of step with the menu.
  bool storable = !path.empty() && path.find_first_of("\r\n") == std::string::npos;
  if (validKind(kind) && storable) {
    std::array<std::string, 5>& list = Identity(a.st, kind).mru;
    int k = 0;
    while (k < 5 && list[size_t(k)] != path) ++k;
    for (int j = (k < 5 ? k : 4); j >= 1; --j) list[size_t(j)] = list[size_t(j - 1)];
    list[0] = path;
    std::vector<IniKey> keys;
    for (int i = 0; i < 5; ++i) keys.push_back({"MRU", slotKey(kind, i), list[size_t(i)]});
    WritePrivateProfileStrings(keys, SettingsPath());
  }
  for (int k = 0; k < 5; ++k) RefreshMRUMenu(a, k);
}

void RefreshMRUMenu(App& a, int kind) {
  if (!validKind(kind)) return;
  const std::array<std::string, 5>& list = Identity(a.st, kind).mru;
  bool any = false;
  for (int i = 0; i < 5; ++i) {
    MenuItem& item = a.frm.menu(itemName(kind, i));
    if (list[size_t(i)].empty()) {
      item.visible = false;
    } else {
      item.caption = list[size_t(i)];
      item.visible = true;
      any = true;
    }
  }
  a.frm.menu(separatorName(kind)).visible = any;
}
