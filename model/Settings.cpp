#include "model/Settings.h"

#include <cstdio>

#include "model/App.h"
#include "model/Palettes.h"
#include "model/RecentFiles.h"
#include "model/SettingsPath.h"
#include "platform/FileAccess.h"
#include "platform/IniFile.h"
#include "platform/NumericText.h"

namespace {

bool flagOf(const std::string& text) {
  std::string low = text;
  for (char& c : low)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  if (low == "true") return true;
  if (low == "false") return false;
  return Val(text) != 0;
}

const char* flagText(bool v) { return v ? "True" : "False"; }

// One key read: the converted text, or the fallback when the read gives "".
struct Reader {
  const IniSnapshot& ini;
  std::string get(const char* section, const char* key, const std::string& def) const {
    return ini.get(section, key, def);
  }
  bool flag(const char* section, const char* key, const char* def) const {
    std::string t = get(section, key, def);
    return t.empty() ? false : flagOf(t);
  }
  int32_t long32(const char* section, const char* key, const std::string& def,
                 int32_t fallback) const {
    std::string t = get(section, key, def);
    return t.empty() ? fallback : ValLong(t);
  }
  int16_t short16(const char* section, const char* key, const std::string& def,
                  int16_t fallback) const {
    std::string t = get(section, key, def);
    return t.empty() ? fallback : ValShort(t);
  }
};

// The 17 keys of Defaults, Files and Window as SaveSettings writes them.
std::vector<IniKey> settingsKeys(const EditableSettings& e, const ProgramState& st) {
  std::vector<IniKey> keys;
  auto put = [&](const char* section, const char* key, const std::string& value) {
    keys.push_back({section, key, value});
  };
  put("Defaults", "AskSave", flagText(e.AskSave));
  put("Defaults", "SelectColor", std::to_string(e.SelectColor));
  put("Defaults", "DatatypeColor", std::to_string(e.DatatypeColor));
  put("Defaults", "RandomFill1", std::to_string(e.RandomFill[1]));
  put("Defaults", "RandomFill2", std::to_string(e.RandomFill[2]));
  put("Defaults", "RandomFill3", std::to_string(e.RandomFill[3]));
  put("Files", "Project", e.StartupProject);
  put("Files", "TilesDir", e.TilesDir);
  put("Files", "MapsDir", e.MapsDir);
  put("Files", "Tile", e.StartupTileset);
  put("Files", "Map", e.StartupDatamap);
  put("Window", "Save", flagText(e.SaveWindow));
  put("Window", "State", std::to_string(st.WindowState));
  put("Window", "Top", std::to_string(st.WindowTop));
  put("Window", "Left", std::to_string(st.WindowLeft));
  put("Window", "Width", std::to_string(st.WindowWidth));
  put("Window", "Height", std::to_string(st.WindowHeight));
  return keys;
}

}  // namespace

void LoadSettings(App& a) {
  const std::string path = SettingsPath();
  ApplySettings(a, IniSnapshot(path));

  // Tested only after every read, so that a first run loads pure defaults and
  // then writes them, with the built-in palette, as the fresh file in one go.
  if (!FileExists(path)) {
    std::vector<IniKey> keys = settingsKeys(EditableSettingsOf(a.st), a.st);
    for (int i = 0; i < 16; ++i)
      keys.push_back({"ColorPalette", "Color" + std::to_string(i), kBuiltInPaletteText[size_t(i)]});
    WritePrivateProfileStrings(keys, path);
  }
}

void ApplySettings(App& a, const IniSnapshot& ini) {
  ProgramState& st = a.st;
  const Reader r{ini};

  st.AskSave = r.flag("Defaults", "AskSave", "False");
  st.SelectColor = r.long32("Defaults", "SelectColor", std::to_string(kDefaultSelectColor),
                            kDefaultSelectColor);
  st.DatatypeColor = r.long32("Defaults", "DatatypeColor", std::to_string(kDefaultDatatypeColor),
                              kDefaultDatatypeColor);
  for (int i = 1; i <= 3; ++i) {
    const std::string key = "RandomFill" + std::to_string(i);
    st.RandomFill[size_t(i)] = r.short16("Defaults", key.c_str(),
                                         std::to_string(kDefaultRandomFill[size_t(i)]),
                                         kDefaultRandomFill[size_t(i)]);
  }

  st.StartupProject = r.get("Files", "Project", "");
  st.TilesDir = r.get("Files", "TilesDir", "");
  st.MapsDir = r.get("Files", "MapsDir", "");
  st.StartupTileset = r.get("Files", "Tile", "");
  st.StartupDatamap = r.get("Files", "Map", "");

  const WindowPlacement now = a.host->CurrentPlacement();
  st.SaveWindow = r.flag("Window", "Save", "False");
  st.WindowState = r.short16("Window", "State", "2", 0);
  // Any other number would restore a state the window does not have.
  if (st.WindowState < 0 || st.WindowState > 2) st.WindowState = 0;
  st.WindowTop = r.long32("Window", "Top", std::to_string(now.top), 0);
  st.WindowLeft = r.long32("Window", "Left", std::to_string(now.left), 0);
  st.WindowWidth = r.long32("Window", "Width", std::to_string(now.width), 0);
  st.WindowHeight = r.long32("Window", "Height", std::to_string(now.height), 0);

  LoadPaletteINI(a, ini);
  LoadDatatypeNames(a, ini);
  LoadMRU(a, ini);
  for (int k = 0; k < 5; ++k) RefreshMRUMenu(a, k);
}

WriteResult SaveSettings(App& a) {
  return WritePrivateProfileStrings(settingsKeys(EditableSettingsOf(a.st), a.st), SettingsPath());
}

EditableSettings EditableSettingsOf(const ProgramState& st) {
  return {st.AskSave,        st.SaveWindow, st.SelectColor, st.DatatypeColor,  st.RandomFill,
          st.StartupProject, st.TilesDir,   st.MapsDir,     st.StartupTileset, st.StartupDatamap};
}

void ApplyEditableSettings(ProgramState& st, const EditableSettings& s) {
  st.AskSave = s.AskSave;
  st.SaveWindow = s.SaveWindow;
  st.SelectColor = s.SelectColor;
  st.DatatypeColor = s.DatatypeColor;
  st.RandomFill = s.RandomFill;
  st.StartupProject = s.StartupProject;
  st.TilesDir = s.TilesDir;
  st.MapsDir = s.MapsDir;
  st.StartupTileset = s.StartupTileset;
  st.StartupDatamap = s.StartupDatamap;
}

void LoadDatatypeNames(App& a, const IniSnapshot& ini) {
  ListBox& list = a.frm.lstDatatypes;
  list.items.clear();
  list.items.reserve(256);
  for (int v = 0; v < 256; ++v) {
    char key[8], prefix[8];
    std::snprintf(key, sizeof key, "D%03d", v);
    std::snprintf(prefix, sizeof prefix, "%02X = ", v);
    std::string name = ini.get("DataTypes", key, "");
    list.items.push_back(prefix + (name.empty() ? std::string("UNDEFINED") : name));
  }
  list.listIndex = 0;
}
