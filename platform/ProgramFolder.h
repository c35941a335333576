#pragma once
#include <string>

// The folder the settings file and the start-up document paths live in: the
// executable's folder, or $XDG_CONFIG_HOME/Mosaicwright (default
// ~/.config/Mosaicwright, created on first use) when that is not writable.
// No trailing "/".
std::string AppPath();
// Tests point the program at a folder of their own ("" goes back to the real one).
void SetAppPathForTesting(const std::string& folder);

// The text after the last "/" of a path; the whole path when there is none.
std::string FileNameOf(const std::string& path);
// The last three characters of a path in upper case ("PRG" for a.Prg).
std::string UpperExt3(const std::string& path);
