#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileAccess.h"

// The private-profile INI operations the program relies on, on any INI file.
//
// An INI file longer than this is no settings, palette or project file: it
// reads as a missing file and is never written over.
inline constexpr size_t kIniFileLimit = size_t(16) << 20;

// The longest value a read returns, the longest path the system opens: one
// long line must not cost the program more than that.
inline constexpr size_t kIniValueLimit = 4095;

// Read: the value of [section] key, blanks around it trimmed and one pair of
// enclosing double quotes removed, then cut to its first kIniValueLimit bytes;
// `def` when the file, section or key is missing; "" for a key present with an
// empty value. Section and key names match in any letter case; the first match
// in the file wins; a name longer than kIniValueLimit matches none.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& def, const std::string& path);

// Write: replaces the key's line in place, or appends the key to the end of its
// section, or appends the section with the key, creating the file. Every other
// line stays as it was. Refuses (Failed, nothing written) a section, key or
// value holding CR or LF, which would inject lines.
WriteResult WritePrivateProfileString(const std::string& section, const std::string& key,
                                      const std::string& value, const std::string& path);

// A file read once and indexed for many lookups (start-up reads hundreds of
// keys), with GetPrivateProfileString's answers as of the moment it was read.
class IniSnapshot {
 public:
  // The file is read `chunk` bytes at a time; a line may take any number of them.
  explicit IniSnapshot(const std::string& path, size_t chunk = size_t(64) << 10);
  // The same over a text that is already in memory.
  static IniSnapshot fromText(std::string_view text);
  std::string get(const std::string& section, const std::string& key, const std::string& def) const;
  // Whether the file could be read, and whether it holds [section]: a file
  // that is not of the expected kind reads like one with every key missing.
  bool readable() const { return text_.has_value(); }
  bool hasSection(const std::string& section) const;
  // The value when the section and key are present.
  std::optional<std::string> find(const std::string& section, const std::string& key) const;

 private:
  IniSnapshot() = default;
  void index();

  // Each section and key line of the file in a short form that reads the
  // same: [name] and name="value", the value already unquoted and cut, an
  // over-long name as one that nothing asks for; no other line.
  std::optional<std::string> text_;
  // One per key line inside a section, ordered by the hash of the two names
  // in any letter case, then by place in the file (the first match wins).
  struct Entry {
    uint32_t hash, sectionLine, keyLine;  // offsets of the two lines in text_
  };
  std::vector<Entry> entries_;
};

// Several keys set as WritePrivateProfileString would set them one after the
// other, but with one read and one write of the file. A refused key is left
// out (and makes the result Failed); the others are still written. A file the
// folder keeps from being replaced is written in place.
struct IniKey {
  std::string section, key, value;
};
WriteResult WritePrivateProfileStrings(const std::vector<IniKey>& keys, const std::string& path);

// The write on the text of an INI file, without the file (reads of a text go
// through IniSnapshot::fromText): the whole new text after setting one key,
// nullopt when the section, key or value is refused.
std::optional<std::string> iniSetKey(const std::string& text, const std::string& section,
                                     const std::string& key, const std::string& value);
