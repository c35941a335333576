#pragma once
#include <string>

// "<AppPath>/Mosaicwright.ini", rebuilt on every access: the settings, the
// datatype names and the recent-file lists all live in this one file.
std::string SettingsPath();
