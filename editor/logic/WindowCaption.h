#pragma once
#include <string>

struct App;

// "Mosaicwright v<major>.<minor>" followed by suffix.
void UpdateCaption(App& a, const std::string& suffix);
