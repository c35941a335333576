#pragma once
#include <string>

// The settings file's name; one beside the executable makes that copy portable.
inline constexpr char kSettingsFileName[] = "Mosaicwright.ini";

// The folder the settings file and the untitled documents live in:
// $XDG_CONFIG_HOME/Mosaicwright (~/.config/Mosaicwright when that variable is
// unset or not an absolute path), created on first use; the executable's own
// folder when a settings file already stands beside the executable.
// No trailing "/".
std::string AppPath();
// The folder the executable lies in, where the help file is looked for.
std::string ExecutableFolder();
// Tests point the program at a folder of their own ("" goes back to the real one).
void SetAppPathForTesting(const std::string& folder);
