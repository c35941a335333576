#include <cctype>
#include <optional>
#include <string_view>

#include "FuzzTarget.h"
#include "platform/IniFile.h"

// Any INI text: the snapshot answers every lookup as a plain scan of the whole
// lines does, and a key set in the text reads back.
namespace {

std::string_view trim(std::string_view s) {
  const char* blanks = " \t\r\v\f";
  const size_t b = s.find_first_not_of(blanks);
  if (b == std::string_view::npos) return {};
  return s.substr(b, s.find_last_not_of(blanks) - b + 1);
}

bool same(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(uint8_t(a[i])) != std::tolower(uint8_t(b[i]))) return false;
  return true;
}

struct Line {
  bool section = false, key = false;
  std::string name, value;
};

std::vector<Line> scan(const std::string& text) {
  std::vector<Line> lines;
  size_t at = 0;
  while (at < text.size()) {
    size_t lf = text.find('\n', at);
    std::string_view raw(text.data() + at, (lf == std::string::npos ? text.size() : lf) - at);
    if (at == 0 && raw.substr(0, 3) == "\xEF\xBB\xBF") raw.remove_prefix(3);
    at = lf == std::string::npos ? text.size() : lf + 1;
    const std::string_view t = trim(raw);
    Line l;
    if (!t.empty() && t[0] == '[') {
      l.section = true;
      l.name = trim(t.substr(1, t.find(']') == std::string_view::npos ? t.npos : t.find(']') - 1));
    } else if (!t.empty() && t[0] != ';' && t.find('=') != std::string_view::npos &&
               !trim(t.substr(0, t.find('='))).empty()) {
      l.key = true;
      l.name = trim(t.substr(0, t.find('=')));
      std::string_view v = trim(t.substr(t.find('=') + 1));
      if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
      l.value = v;
    }
    lines.push_back(l);
  }
  return lines;
}

std::optional<std::string> plainLookup(const std::vector<Line>& lines, const std::string& section,
                                       const std::string& key) {
  // Names past the value limit match nothing; values are cut to it.
  if (section.size() > kIniValueLimit || key.size() > kIniValueLimit) return std::nullopt;
  bool in = false;
  for (const Line& l : lines) {
    if (l.section) in = same(l.name, section);
    else if (l.key && in && same(l.name, key)) return l.value.substr(0, kIniValueLimit);
  }
  return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = textOf(data, size);
  const IniSnapshot ini = IniSnapshot::fromText(text);
  const std::vector<Line> lines = scan(text);
  // Every name the text holds, in every section it holds, and a few it does not.
  std::vector<std::string> sections = {"Files", "files"}, keys = {"Tile", "x"};
  for (const Line& l : lines) (l.section ? sections : keys).push_back(l.name);
  for (size_t s = 0; s < sections.size() && s < 24; ++s)
    for (size_t k = 0; k < keys.size() && k < 48; ++k)
      FUZZ_CHECK(ini.find(sections[s], keys[k]) == plainLookup(lines, sections[s], keys[k]));

  // The last line's text, as a value, set under the last section and key names seen.
  const std::string value = text.substr(text.find_last_of("\r\n") + 1);
  const std::string section = sections.back(), key = keys.back();
  const std::optional<std::string> updated = iniSetKey(text, section, key, value);
  if (updated) {
    std::string_view v = trim(value);
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
    if (section.size() <= kIniValueLimit && key.size() <= kIniValueLimit)
      FUZZ_CHECK(IniSnapshot::fromText(*updated).find(section, key) ==
                 std::string(v.substr(0, kIniValueLimit)));
  }
  return 0;
}
