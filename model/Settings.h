#pragma once
#include <string>

struct App;
class IniSnapshot;

// Reads the settings, palette, datatype names and recent-file lists; writes a
// fresh settings file on the first run.
void LoadSettings(App& a);
// Everything LoadSettings reads, from one parse of the settings file.
void ApplySettings(App& a, const IniSnapshot& ini);
// Writes the 17 keys of Defaults, Files and Window; false when the file could
// not be written (the values in memory stay as they are).
bool SaveSettings(App& a);
void LoadDatatypeNames(App& a, const std::string& path);
void LoadDatatypeNames(App& a, const IniSnapshot& ini);
