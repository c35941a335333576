#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "platform/FileAccess.h"

struct App;
struct ProgramState;
class IniSnapshot;

// What a missing key gives, and what the settings dialog's "Load Defaults" sets.
inline constexpr int32_t kDefaultSelectColor = 16744448;  // 0xFF8000: blue
inline constexpr int32_t kDefaultDatatypeColor = 65535;   // yellow
inline constexpr std::array<int16_t, 4> kDefaultRandomFill{0, 75, 20, 5};  // 1..3 used

// Reads the settings, palette, datatype names and recent-file lists; writes a
// fresh settings file on the first run.
void LoadSettings(App& a);
// Everything LoadSettings reads, from one parse of the settings file.
void ApplySettings(App& a, const IniSnapshot& ini);
// Writes the 17 keys of Defaults, Files and Window; a failed write leaves the
// values in memory as they are.
WriteResult SaveSettings(App& a);

// The settings the settings dialog edits: all but the window's placement.
struct EditableSettings {
  bool AskSave = false, SaveWindow = false;
  int32_t SelectColor = 0, DatatypeColor = 0;
  std::array<int16_t, 4> RandomFill{};  // 1..3 used
  std::string StartupProject, TilesDir, MapsDir, StartupTileset, StartupDatamap;
};
EditableSettings EditableSettingsOf(const ProgramState& st);
void ApplyEditableSettings(ProgramState& st, const EditableSettings& s);
void LoadDatatypeNames(App& a, const IniSnapshot& ini);
