#pragma once
#include <string>

struct App;

// The loaders read the whole file first and change nothing unless it could be
// read (a refused file shows "<Kind> Load Error", leaves every document as it
// was and returns false). The savers return whether the file was written; on
// failure they show "<Kind> Save Error" and change no identity.
bool LoadTileset(App& a, const std::string& path);
bool SaveTileset(App& a, const std::string& path);
// The tile sheet with an outline round every tile the map uses, as a bitmap;
// no document changes.
bool ExportTilesUsedImage(App& a, const std::string& path);
bool LoadDatamap(App& a, const std::string& path);
bool SaveDatamap(App& a, const std::string& path);
bool LoadColormap(App& a, const std::string& path);
bool SaveColormap(App& a, const std::string& path);
bool LoadDatatype(App& a, const std::string& path);
bool SaveDatatype(App& a, const std::string& path);
bool ExportDatatype(App& a, const std::string& path);
