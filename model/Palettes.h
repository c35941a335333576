#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct App;
class IniSnapshot;

extern const std::array<int32_t, 16> kBuiltInPalette;
extern const std::array<const char*, 16> kBuiltInPaletteText;  // "0,0,0", ...

// Parses "r,g,b"; on a component outside 0..255 shows "Invalid RED in <label>!"
// (GREEN, BLUE) under "Palette Load Error" and returns false.
bool ParsePaletteColor(App& a, const std::string& text, const std::string& label, int& red,
                       int& green, int& blue);
// Built-in palette, then the ColorPalette keys of the INI file; paints the swatches.
void LoadPaletteINI(App& a, const std::string& path);
void LoadPaletteINI(App& a, const IniSnapshot& ini);
// Applies the .vpl only when the file could be read whole; a file that cannot,
// or one longer than kWholeFileLimit, shows a "Palette Load Error" message and
// keeps the palette.
bool LoadPaletteVPL(App& a, const std::string& path);

// The pure parts of the two loaders, without messages or program state.
// An entry text's three components, or the first one outside 0..255 (an
// entry without a comma has no red part and fails there).
struct PaletteEntryParse {
  enum Fault { None, Red, Green, Blue } fault = None;
  int red = 0, green = 0, blue = 0;
};
PaletteEntryParse parsePaletteEntry(const std::string& text);
// The colours of a .vpl text's colour lines in file order, at most 16: the
// first line never counts, nor empty lines and lines beginning with "#".
std::vector<int32_t> parseVplText(const std::string& text);
