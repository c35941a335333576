#include "platform/IniFile.h"

#include <QFileInfo>
#include <algorithm>
#include <string_view>

#include "platform/FileAccess.h"

namespace {

// One line of the text: its characters [start, stop) and its own line end
// [stop, next) ("" for a last line without one), so that untouched lines are
// written back unchanged.
struct LineSpan {
  size_t start, stop, next;
  std::string_view in(std::string_view text) const { return text.substr(start, stop - start); }
};

LineSpan lineAt(std::string_view text, size_t start) {
  const size_t lf = text.find('\n', start);
  if (lf == std::string_view::npos) return {start, text.size(), text.size()};
  const size_t stop = (lf > start && text[lf - 1] == '\r') ? lf - 1 : lf;
  return {start, stop, lf + 1};
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trimmed(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

char lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

uint32_t nameHash(std::string_view s) {
  uint32_t h = 2166136261u;  // FNV-1a
  for (char c : s) h = (h ^ uint8_t(lower(c))) * 16777619u;
  return h;
}

uint32_t keyHash(uint32_t sectionHash, std::string_view key) {
  const uint32_t s = sectionHash;
  return s ^ (nameHash(key) + 0x9E3779B9u + (s << 6) + (s >> 2));
}

enum class Kind { Other, Section, Key };

struct Parsed {
  Kind kind = Kind::Other;
  std::string_view name;   // section or key name, trimmed
  std::string_view value;  // key lines: the value, trimmed, not yet unquoted
};

Parsed parseLine(std::string_view s, bool firstLine) {
  // An editor may have saved the file with a UTF-8 byte order mark.
  if (firstLine && s.substr(0, 3) == "\xEF\xBB\xBF") s.remove_prefix(3);
  const std::string_view t = trimmed(s);
  Parsed p;
  if (t.empty() || t[0] == ';') return p;
  if (t[0] == '[') {
    const size_t close = t.find(']');
    p.kind = Kind::Section;
    p.name = trimmed(t.substr(1, close == std::string_view::npos ? close : close - 1));
    return p;
  }
  const size_t eq = t.find('=');
  if (eq == std::string_view::npos) return p;
  p.name = trimmed(t.substr(0, eq));
  if (p.name.empty()) return p;
  p.kind = Kind::Key;
  p.value = trimmed(t.substr(eq + 1));
  return p;
}

std::string unquoted(std::string_view v) {
  if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
  return std::string(v);
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

// The start of a text with the blanks around it trimmed, fed in pieces: its
// first `cap` bytes, whether it goes on past them, and its last character. A
// run of blanks is held back until a later character shows it is inside.
class TrimmedHead {
 public:
  explicit TrimmedHead(size_t cap) : cap_(cap) {}
  void add(std::string_view s) {
    constexpr std::string_view kBlanks = " \t\r\v\f";  // as isBlank
    if (head_.empty()) s.remove_prefix(std::min(s.find_first_not_of(kBlanks), s.size()));
    const size_t end = s.find_last_not_of(kBlanks) + 1;  // 0: blanks only
    if (end > 0) {
      // Up to its last character that is no blank, the piece is inside the text.
      if (!longer_) {
        head_ += held_;
        head_.append(s.data(), std::min(end, cap_ + 1));
        if (head_.size() > cap_) longer_ = true, head_.resize(cap_);
      }
      held_.clear();
      last_ = s[end - 1];
    }
    if (!longer_)
      held_.append(s.data() + end, std::min(s.size() - end, cap_ - std::min(held_.size(), cap_)));
  }
  const std::string& head() const { return head_; }
  bool longer() const { return longer_; }
  char last() const { return last_; }
  void clear() { head_.clear(), held_.clear(), longer_ = false, last_ = 0; }

 private:
  size_t cap_;
  std::string head_, held_;
  bool longer_ = false;
  char last_ = 0;
};

// Rewrites a text fed in pieces as the snapshot's short form (see text_), one
// line at a time, keeping of a long line no more than its cut value needs; each
// key line inside a section goes to onKey(hash, section line, key line).
template <class OnKey>
class ShortForm {
 public:
  ShortForm(std::string& out, OnKey onKey) : out_(out), onKey_(onKey) {}
  // The first piece holds the text's first three bytes, if it has them.
  void feed(std::string_view s) {
    // An editor may have saved the file with a UTF-8 byte order mark.
    if (!started_ && s.substr(0, 3) == "\xEF\xBB\xBF") s.remove_prefix(3);
    started_ = true;
    for (size_t lf; (lf = s.find('\n')) != std::string_view::npos; s.remove_prefix(lf + 1)) {
      add(s.substr(0, lf));
      endLine();
    }
    add(s);
  }
  void finish() { endLine(); }

 private:
  enum class Phase { Start, Other, Section, SectionEnded, Key, Value };

  void add(std::string_view s) {
    while (!s.empty()) {
      switch (phase_) {
        case Phase::Start: {
          size_t i = 0;
          while (i < s.size() && isBlank(s[i])) ++i;
          if (i == s.size()) return;
          const char c = s[i];
          phase_ = c == '[' ? Phase::Section : (c == ';' || c == '=') ? Phase::Other : Phase::Key;
          s.remove_prefix(phase_ == Phase::Key ? i : i + 1);
          break;
        }
        case Phase::Section:
        case Phase::Key: {
          const size_t end = s.find(phase_ == Phase::Key ? '=' : ']');
          name_.add(s.substr(0, end));
          if (end == std::string_view::npos) return;
          phase_ = phase_ == Phase::Key ? Phase::Value : Phase::SectionEnded;
          s.remove_prefix(end + 1);
          break;
        }
        case Phase::Value: value_.add(s); return;
        default: return;
      }
    }
  }

  void endLine() {
    const std::string& name = name_.longer() ? tooLongName_ : name_.head();
    if (phase_ == Phase::Section || phase_ == Phase::SectionEnded) {
      inSection_ = true, sectionHash_ = nameHash(name), sectionLine_ = uint32_t(out_.size());
      out_.append("[").append(name).append("]\n");
    } else if (phase_ == Phase::Value) {
      if (inSection_) onKey_(keyHash(sectionHash_, name), sectionLine_, uint32_t(out_.size()));
      // The value cut as the whole one would be: unquoted first, then cut.
      const std::string& v = value_.head();
      const bool quoted =
          (value_.longer() || v.size() >= 2) && v.front() == '"' && value_.last() == '"';
      const size_t at = quoted ? 1 : 0;
      const size_t n = quoted && !value_.longer() ? v.size() - 2 : kIniValueLimit;
      out_.append(name).append("=\"").append(v, at, n).append("\"\n");
    }
    phase_ = Phase::Start;
    name_.clear();
    value_.clear();
  }

  std::string& out_;
  OnKey onKey_;
  const std::string tooLongName_ = std::string(kIniValueLimit + 1, '?');
  bool started_ = false, inSection_ = false;
  uint32_t sectionHash_ = 0, sectionLine_ = 0;
  Phase phase_ = Phase::Start;
  TrimmedHead name_{kIniValueLimit}, value_{kIniValueLimit + 1};  // the value's quote too
};

std::optional<std::string> readFile(const std::string& path) {
  std::optional<Bytes> bytes = readWholeFile(path, kIniFileLimit);
  if (!bytes) return std::nullopt;
  return std::string(bytes->begin(), bytes->end());
}

}  // namespace

// Read a chunk at a time: a file of one long line costs no more than a short one.
IniSnapshot::IniSnapshot(const std::string& path, size_t chunk) {
  FileReader file(path);
  if (!file.isOpen()) return;
  std::string text;
  ShortForm form(text, [this](auto... line) { entries_.push_back({line...}); });
  Bytes piece;
  for (size_t total = 0;;) {
    piece.clear();
    // The first piece holds the byte order mark whole, if there is one.
    const size_t n = total ? chunk : std::max(chunk, size_t(3));
    if (!file.read(n, piece) || (total += piece.size()) > kIniFileLimit) return;
    if (piece.empty()) break;
    form.feed(std::string_view(reinterpret_cast<const char*>(piece.data()), piece.size()));
  }
  form.finish();
  text_ = std::move(text);
  index();
}

IniSnapshot IniSnapshot::fromText(std::string_view text) {
  IniSnapshot s;
  if (text.size() > kIniFileLimit) return s;
  s.text_.emplace();
  ShortForm form(*s.text_, [&s](auto... line) { s.entries_.push_back({line...}); });
  form.feed(text);
  form.finish();
  s.index();
  return s;
}

void IniSnapshot::index() {
  std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
    return a.hash != b.hash ? a.hash < b.hash : a.keyLine < b.keyLine;
  });
}

std::optional<std::string> IniSnapshot::find(const std::string& section,
                                             const std::string& key) const {
  if (!text_ || section.size() > kIniValueLimit || key.size() > kIniValueLimit)
    return std::nullopt;
  const std::string_view text = *text_;
  const uint32_t h = keyHash(nameHash(section), key);
  auto it = std::lower_bound(entries_.begin(), entries_.end(), h,
                             [](const Entry& e, uint32_t v) { return e.hash < v; });
  // Names that merely share the hash are told apart by the lines themselves.
  for (; it != entries_.end() && it->hash == h; ++it) {
    const Parsed s = parseLine(lineAt(text, it->sectionLine).in(text), false);
    const Parsed k = parseLine(lineAt(text, it->keyLine).in(text), false);
    if (sameName(s.name, section) && sameName(k.name, key)) return unquoted(k.value);
  }
  return std::nullopt;
}

std::string IniSnapshot::get(const std::string& section, const std::string& key,
                             const std::string& def) const {
  return find(section, key).value_or(def);
}

bool IniSnapshot::hasSection(const std::string& section) const {
  if (!text_ || section.size() > kIniValueLimit) return false;
  const std::string_view text = *text_;
  for (size_t at = 0; at < text.size();) {
    const LineSpan l = lineAt(text, at);
    const Parsed p = parseLine(l.in(text), false);
    if (p.kind == Kind::Section && sameName(p.name, section)) return true;
    at = l.next;
  }
  return false;
}

std::optional<std::string> iniSetKey(const std::string& text, const std::string& section,
                                     const std::string& key, const std::string& value) {
  if (!validSection(section) || !validKey(key) || hasLineBreak(value)) return std::nullopt;

  const size_t firstLf = text.find('\n');
  const std::string eol =
      (firstLf != std::string::npos && firstLf > 0 && text[firstLf - 1] == '\r') ? "\r\n" : "\n";
  const std::string keyLine = key + "=" + value;

  bool inSection = false, inFirstBlock = false;
  std::optional<LineSpan> insertAfter;  // last key line (or the header) of the section's first block
  std::optional<LineSpan> last;
  for (size_t at = 0; at < text.size();) {
    const LineSpan l = lineAt(text, at);
    last = l;
    const Parsed p = parseLine(l.in(text), at == 0);
    if (p.kind == Kind::Section) {
      inSection = sameName(p.name, section);
      inFirstBlock = inSection && !insertAfter;
      if (inFirstBlock) insertAfter = l;
    } else if (p.kind == Kind::Key && inSection) {
      if (sameName(p.name, key))
        return text.substr(0, l.start) + keyLine + text.substr(l.stop);
      if (inFirstBlock) insertAfter = l;
    }
    at = l.next;
  }

  std::string out;
  if (insertAfter) {
    out.reserve(text.size() + keyLine.size() + 2 * eol.size());
    out.append(text, 0, insertAfter->next);
    if (insertAfter->stop == insertAfter->next) out += eol;  // a last line without its end
    out += keyLine + eol;
    out.append(text, insertAfter->next, std::string::npos);
    return out;
  }
  out = text;
  if (last && last->stop == last->next) out += eol;
  if (last && !trimmed(last->in(text)).empty()) out += eol;
  out += "[" + section + "]" + eol + keyLine + eol;
  return out;
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& def, const std::string& path) {
  return IniSnapshot(path).get(section, key, def);
}

WriteResult WritePrivateProfileString(const std::string& section, const std::string& key,
                                      const std::string& value, const std::string& path) {
  return WritePrivateProfileStrings({{section, key, value}}, path);
}

WriteResult WritePrivateProfileStrings(const std::vector<IniKey>& keys, const std::string& path) {
  const bool existed = QFileInfo::exists(QString::fromStdString(path));
  std::string old;
  if (existed) {
    // A file we cannot read whole (or one too long to be ours) must not be
    // replaced by the new keys.
    std::optional<std::string> text = readFile(path);
    if (!text) return {};
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
  if (updated == old && (existed || !allTaken))
    return {allTaken ? WriteOutcome::Written : WriteOutcome::Failed};

  // A writable settings file in a folder we may not create files in still
  // takes the write.
  const WriteResult written = writeWholeFile(path, Bytes(updated.begin(), updated.end()), true);
  if (written && !allTaken) return {WriteOutcome::Failed};
  return written;
}
