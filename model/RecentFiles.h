#pragma once
#include <string>

struct App;
class IniSnapshot;

void LoadMRU(App& a, const IniSnapshot& ini);
// Puts path at the top of the kind's list, writes the list's five keys to the
// settings file and refreshes all five menus. An empty path is ignored.
void AddMRU(App& a, int kind, const std::string& path);
// Shows one list in its menu items (frm.menu("mnuTILEMRU(i)")) and separator.
void RefreshMRUMenu(App& a, int kind);
