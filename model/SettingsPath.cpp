#include "model/SettingsPath.h"

#include "platform/ProgramFolder.h"

std::string SettingsPath() { return AppPath() + "/" + kSettingsFileName; }
