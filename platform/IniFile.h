#pragma once
#include <optional>
#include <string>
#include <vector>

// The private-profile INI operations the program relies on, on any INI file.
//
// Read: the value of [section] key, blanks around it trimmed and one pair of
// enclosing double quotes removed; `def` when the file, section or key is
// missing; "" for a key present with an empty value. Section and key names
// match in any letter case. Values are returned whole (no length cut).
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& def, const std::string& path);

// Write: replaces the key's line in place, or appends the key to the end of its
// section, or appends the section with the key, creating the file. Every other
// line stays as it was. Refuses (false, nothing written) a section, key or value
// holding CR or LF, which would inject lines.
bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& path);

// A file read once for many lookups, with GetPrivateProfileString's answers
// as of the moment it was read (start-up reads hundreds of keys).
class IniSnapshot {
 public:
  explicit IniSnapshot(const std::string& path);
  std::string get(const std::string& section, const std::string& key, const std::string& def) const;
  // Whether the file could be read, and whether it holds [section]: a file
  // that is not of the expected kind reads like one with every key missing.
  bool readable() const { return text_.has_value(); }
  bool hasSection(const std::string& section) const;

 private:
  std::optional<std::string> text_;
};

// Several keys set as WritePrivateProfileString would set them one after the
// other, but with one read and one write of the file. A refused key is left
// out (and makes the result false); the others are still written.
struct IniKey {
  std::string section, key, value;
};
bool WritePrivateProfileStrings(const std::vector<IniKey>& keys, const std::string& path);

// The same two operations on the text of an INI file, without the file: the
// value when the section and key are present, and the whole new text after
// setting one key (nullopt when the section, key or value is refused).
std::optional<std::string> iniLookup(const std::string& text, const std::string& section,
                                     const std::string& key);
std::optional<std::string> iniSetKey(const std::string& text, const std::string& section,
                                     const std::string& key, const std::string& value);
