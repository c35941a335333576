#pragma once
#include <string>

struct App;

// "<AppPath>/Mosaicwright.ini", rebuilt on every access.
std::string SettingsPath();
// Reads the settings, palette, datatype names and recent-file lists; writes a
// fresh settings file on the first run.
void LoadSettings(App& a);
// Writes the 17 keys of Defaults, Files and Window.
void SaveSettings(App& a);
void LoadDatatypeNames(App& a, const std::string& path);
