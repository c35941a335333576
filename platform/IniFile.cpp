#include "platform/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <vector>

namespace {

// One line of the file as it stands: its text and its own line end ("" for a
// last line without one), so that untouched lines are written back unchanged.
struct Line {
  std::string text;
  std::string end;
};

std::vector<Line> splitLines(const std::string& text) {
  std::vector<Line> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t lf = text.find('\n', start);
    if (lf == std::string::npos) {
      lines.push_back({text.substr(start), ""});
      break;
    }
    size_t stop = (lf > start && text[lf - 1] == '\r') ? lf - 1 : lf;
    lines.push_back({text.substr(start, stop - start), text.substr(stop, lf + 1 - stop)});
    start = lf + 1;
  }
  return lines;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string trimmed(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

char lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool sameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

enum class Kind { Other, Section, Key };

struct Parsed {
  Kind kind = Kind::Other;
  std::string name;   // section or key name, trimmed
  std::string value;  // key lines: the value, trimmed, not yet unquoted
};

Parsed parseLine(const std::string& raw, bool firstLine) {
  std::string s = raw;
  // An editor may have saved the file with a UTF-8 byte order mark.
  if (firstLine && s.compare(0, 3, "\xEF\xBB\xBF") == 0) s.erase(0, 3);
  std::string t = trimmed(s);
  Parsed p;
  if (t.empty() || t[0] == ';') return p;
  if (t[0] == '[') {
    size_t close = t.find(']');
    p.kind = Kind::Section;
    p.name = trimmed(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return p;
  }
  size_t eq = t.find('=');
  if (eq == std::string::npos) return p;
  p.name = trimmed(t.substr(0, eq));
  if (p.name.empty()) return p;
  p.kind = Kind::Key;
  p.value = trimmed(t.substr(eq + 1));
  return p;
}

std::string unquoted(const std::string& v) {
  if (v.size() >= 2 && v.front() == '"' && v.back() == '"') return v.substr(1, v.size() - 2);
  return v;
}

bool hasLineBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

// Names that would not read back as themselves are refused along with line
// breaks: a key holding "=" would be cut there, a section holding "]" likewise.
bool validSection(const std::string& s) {
  return !s.empty() && !hasLineBreak(s) && s.find(']') == std::string::npos && trimmed(s) == s;
}

bool validKey(const std::string& k) {
  return !k.empty() && !hasLineBreak(k) && k.find('=') == std::string::npos && k[0] != '[' &&
         k[0] != ';' && trimmed(k) == k;
}

std::optional<std::string> readFile(const std::string& path) {
  QFile f(QString::fromStdString(path));
  if (!QFileInfo(f).isFile() || !f.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError) return std::nullopt;
  return bytes.toStdString();
}

}  // namespace

std::optional<std::string> iniLookup(const std::string& text, const std::string& section,
                                     const std::string& key) {
  std::vector<Line> lines = splitLines(text);
  bool inSection = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    Parsed p = parseLine(lines[i].text, i == 0);
    if (p.kind == Kind::Section)
      inSection = sameName(p.name, section);
    else if (p.kind == Kind::Key && inSection && sameName(p.name, key))
      return unquoted(p.value);
  }
  return std::nullopt;
}

std::optional<std::string> iniSetKey(const std::string& text, const std::string& section,
                                     const std::string& key, const std::string& value) {
  if (!validSection(section) || !validKey(key) || hasLineBreak(value)) return std::nullopt;

  std::vector<Line> lines = splitLines(text);
  size_t firstLf = text.find('\n');
  std::string eol =
      (firstLf != std::string::npos && firstLf > 0 && text[firstLf - 1] == '\r') ? "\r\n" : "\n";
  const std::string keyLine = key + "=" + value;

  bool inSection = false, inFirstBlock = false, sectionSeen = false;
  size_t insertAfter = 0;  // last key line (or the header) of the section's first block
  for (size_t i = 0; i < lines.size(); ++i) {
    Parsed p = parseLine(lines[i].text, i == 0);
    if (p.kind == Kind::Section) {
      inSection = sameName(p.name, section);
      inFirstBlock = inSection && !sectionSeen;
      if (inFirstBlock) {
        sectionSeen = true;
        insertAfter = i;
      }
    } else if (p.kind == Kind::Key && inSection) {
      if (sameName(p.name, key)) {
        lines[i].text = keyLine;
        insertAfter = std::string::npos;
        sectionSeen = true;
        break;
      }
      if (inFirstBlock) insertAfter = i;
    }
  }

  std::vector<Line> added;
  size_t at = lines.size();
  if (sectionSeen && insertAfter != std::string::npos) {
    added.push_back({keyLine, eol});
    at = insertAfter + 1;
  } else if (!sectionSeen) {
    if (!lines.empty() && !trimmed(lines.back().text).empty()) added.push_back({"", eol});
    added.push_back({"[" + section + "]", eol});
    added.push_back({keyLine, eol});
  }
  if (!added.empty()) {
    if (at > 0 && lines[at - 1].end.empty()) lines[at - 1].end = eol;
    lines.insert(lines.begin() + std::ptrdiff_t(at), added.begin(), added.end());
  }

  std::string out;
  out.reserve(text.size() + keyLine.size() + section.size() + 8);
  for (const Line& l : lines) out += l.text + l.end;
  return out;
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& def, const std::string& path) {
  std::optional<std::string> text = readFile(path);
  if (!text) return def;
  return iniLookup(*text, section, key).value_or(def);
}

bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path) {
  return WritePrivateProfileStrings({{section, key, value}}, path);
}

IniSnapshot::IniSnapshot(const std::string& path) : text_(readFile(path)) {}

std::string IniSnapshot::get(const std::string& section, const std::string& key,
                             const std::string& def) const {
  if (!text_) return def;
  return iniLookup(*text_, section, key).value_or(def);
}

bool IniSnapshot::hasSection(const std::string& section) const {
  if (!text_) return false;
  const std::vector<Line> lines = splitLines(*text_);
  for (size_t i = 0; i < lines.size(); ++i) {
    const Parsed p = parseLine(lines[i].text, i == 0);
    if (p.kind == Kind::Section && sameName(p.name, section)) return true;
  }
  return false;
}

bool WritePrivateProfileStrings(const std::vector<IniKey>& keys, const std::string& path) {
  QString qpath = QString::fromStdString(path);
  const bool existed = QFileInfo::exists(qpath);
  std::string old;
  if (existed) {
    // A file we cannot read whole must not be replaced by the new keys.
    std::optional<std::string> text = readFile(path);
    if (!text) return false;
    old = std::move(*text);
  }
  bool allTaken = true;
  std::string updated = old;
  for (const IniKey& k : keys) {
    std::optional<std::string> next = iniSetKey(updated, k.section, k.key, k.value);
    if (next)
      updated = std::move(*next);
    else
      allTaken = false;
  }
  if (updated == old && (existed || !allTaken)) return allTaken;

  QSaveFile f(qpath);
  // A writable file in a folder we may not create files in still takes the write.
  f.setDirectWriteFallback(true);
  if (!f.open(QIODevice::WriteOnly)) return false;
  QByteArray bytes = QByteArray::fromStdString(updated);
  // Flushed before the commit: bytes that fail only then must not replace the file.
  if (f.write(bytes) != bytes.size() || !f.flush()) {
    f.cancelWriting();
    return false;
  }
  return f.commit() && allTaken;
}
