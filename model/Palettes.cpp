#include "model/Palettes.h"

#include <string_view>

#include "model/App.h"
#include "platform/Color.h"
#include "platform/FileAccess.h"
#include "platform/IniFile.h"
#include "platform/NumericText.h"

// The C64's 16 colours as the program has always shown them.
const std::array<int32_t, 16> kBuiltInPalette = {
    RGBColor(0, 0, 0),       RGBColor(255, 255, 255), RGBColor(116, 67, 53),
    RGBColor(124, 172, 186), RGBColor(123, 72, 144),  RGBColor(100, 151, 79),
    RGBColor(64, 50, 133),   RGBColor(191, 205, 122), RGBColor(123, 91, 47),
    RGBColor(79, 69, 0),     RGBColor(163, 144, 101), RGBColor(80, 80, 80),
    RGBColor(120, 120, 120), RGBColor(164, 215, 142), RGBColor(120, 106, 189),
    RGBColor(159, 159, 159)};

const std::array<const char*, 16> kBuiltInPaletteText = {
    "0,0,0",       "255,255,255", "116,67,53",   "124,172,186", "123,72,144",  "100,151,79",
    "64,50,133",   "191,205,122", "123,91,47",   "79,69,0",     "163,144,101", "80,80,80",
    "120,120,120", "164,215,142", "120,106,189", "159,159,159"};

namespace {

// The component is checked as the whole number it rounds to, before it is
// narrowed, so that a huge number cannot wrap into 0..255.
bool component(const std::string& text, int& out) {
  int64_t v = RoundHalfEven(Val(text));
  if (v < 0 || v > 255) return false;
  out = int(v);
  return true;
}

int hexPair(std::string_view line, size_t pos) {
  const std::string_view pair = pos < line.size() ? line.substr(pos, 2) : std::string_view();
  return int(RoundHalfEven(Val("&H" + std::string(pair))));
}

}  // namespace

PaletteEntryParse parsePaletteEntry(const std::string& text) {
  PaletteEntryParse p;
  size_t first = text.find(',');
  if (first == std::string::npos || !component(text.substr(0, first), p.red)) {
    p.fault = PaletteEntryParse::Red;
    return p;
  }
  if (!component(text.substr(first + 1), p.green)) {
    p.fault = PaletteEntryParse::Green;
    return p;
  }
  if (!component(text.substr(text.rfind(',') + 1), p.blue)) {
    p.fault = PaletteEntryParse::Blue;
    return p;
  }
  return p;
}

bool ParsePaletteColor(App& a, const std::string& text, const std::string& label, int& red,
                       int& green, int& blue) {
  PaletteEntryParse p = parsePaletteEntry(text);
  if (p.fault != PaletteEntryParse::None) {
    static const char* names[] = {"", "RED", "GREEN", "BLUE"};
    if (a.prompts)
      a.prompts->MsgBox(std::string("Invalid ") + names[p.fault] + " in " + label + "!", vbCritical,
                        "Palette Load Error");
    return false;
  }
  red = p.red;
  green = p.green;
  blue = p.blue;
  return true;
}

void LoadPaletteINI(App& a, const std::string& path) { LoadPaletteINI(a, IniSnapshot(path)); }

void LoadPaletteINI(App& a, const IniSnapshot& ini) {
  a.st.Palette = kBuiltInPalette;
  for (int i = 0; i < 16; ++i) {
    std::string key = "Color" + std::to_string(i);
    std::string text = ini.get("ColorPalette", key, "");
    if (!text.empty()) {
      int r = 0, g = 0, b = 0;
      a.st.Palette[size_t(i)] = ParsePaletteColor(a, text, key, r, g, b) ? RGBColor(r, g, b) : 0;
    }
    a.frm.picColor[size_t(i)] = a.st.Palette[size_t(i)];
  }
}

std::vector<int32_t> parseVplText(const std::string& text) {
  std::vector<int32_t> colors;
  // Lines end at LF, CR or CR LF. The first line is the file's header and
  // never a colour; a palette has 16 entries, so the scan stops at the 16th
  // colour line, however much text follows.
  size_t start = 0;
  for (bool first = true; start < text.size() && colors.size() < 16; first = false) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string_view line(text.data() + start, end - start);
    if (!first && !line.empty() && line[0] != '#')
      colors.push_back(RGBColor(hexPair(line, 0), hexPair(line, 3), hexPair(line, 6)));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return colors;
}

bool LoadPaletteVPL(App& a, const std::string& path) {
  // A palette is a few hundred bytes; a file past the limit is no palette.
  const std::optional<Bytes> bytes = readWholeFile(path);
  if (!bytes) {
    if (a.prompts)
      a.prompts->MsgBox("Cannot read palette file (" + path + ")!", vbCritical,
                        "Palette Load Error");
    return false;
  }

  // Entries past the file's last colour line keep the colours they had.
  std::vector<int32_t> colors = parseVplText(std::string(bytes->begin(), bytes->end()));
  for (size_t n = 0; n < colors.size(); ++n) a.st.Palette[n] = colors[n];
  for (size_t i = 0; i < 16; ++i) a.frm.picColor[i] = a.st.Palette[i];
  return true;
}
