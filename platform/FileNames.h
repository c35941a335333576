#pragma once
#include <string>

// The text after the last "/" of a path; the whole path when there is none.
std::string FileNameOf(const std::string& path);
// The path less its last component ("/maps" for /maps/a.prg, "" for a.prg).
std::string FolderOf(const std::string& path);
// A path as a file records it, made whole: a relative one is taken from the
// folder of that file, so that the file and what it names can move together.
std::string PathRecordedIn(const std::string& file, const std::string& path);
// The last three characters of a path in upper case ("PRG" for a.Prg).
std::string UpperExt3(const std::string& path);
