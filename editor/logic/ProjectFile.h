#pragma once
#include <array>
#include <string>

#include "platform/FileAccess.h"

struct App;

// Reads the project file's four member paths and loads every member that
// exists; one message lists the members whose files are missing. A path that
// names no file, or a file without a [Files] section, is refused with a
// message and changes nothing. Returns whether the project was loaded.
bool LoadProject(App& a, const std::string& path);

// The project file's name less the four characters of ".mwj"; a shorter name
// leaves nothing. Counted in UTF-8 characters, so that a name with accented
// letters loses its ".mwj" and not part of a letter.
std::string ProjectStem(const std::string& projectName);

// The member paths a project file records, in the order of its keys MWRT,
// TYPE, TILE, CMAP (datamap, datatype layer, tileset, colormap); "" for a
// member without a file.
using ProjectMembers = std::array<std::string, 4>;

// Sets the four keys of section Files in the file at path, leaving every other
// section and line of an existing file as it was. When the file cannot take
// them, the old file stays as it was (unless the result says it is damaged).
WriteResult WriteProjectFile(const ProjectMembers& members, const std::string& path);
