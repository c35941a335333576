#pragma once
#include <string>

// The folder the settings file and the start-up document paths live in: the
// executable's folder, or $XDG_CONFIG_HOME/Mosaicwright (default
// ~/.config/Mosaicwright, created on first use) when that is not writable.
// No trailing "/".
std::string AppPath();
// Tests point the program at a folder of their own ("" goes back to the real one).
void SetAppPathForTesting(const std::string& folder);
