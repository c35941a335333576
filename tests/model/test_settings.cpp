#include <QFileInfo>
#include <gtest/gtest.h>

#include "model/Settings.h"
#include "platform/FileAccess.h"
#include "support/DocumentFilesHelpers.h"
#include "support/TestApp.h"

namespace {

template <class T>
std::string str(T v) { return std::to_string(v); }

// What LoadSettings sets from the four setting sections, in the file's key order.
std::vector<std::string> loaded(const ProgramState& s) {
  std::vector<std::string> v = {
      str(s.AskSave),     str(s.SelectColor),  str(s.DatatypeColor), str(s.RandomFill[1]),
      str(s.RandomFill[2]), str(s.RandomFill[3]), s.StartupProject,  s.TilesDir,
      s.MapsDir,          s.StartupTileset,    s.StartupDatamap,     str(s.SaveWindow),
      str(s.WindowState), str(s.WindowTop),    str(s.WindowLeft),    str(s.WindowWidth),
      str(s.WindowHeight)};
  for (int32_t colour : s.Palette) v.push_back(str(colour));
  return v;
}

// Another program start over this settings text, its window at top 1500, left 3000, 15435 x 12000.
class Settings : public AppTest {
 protected:
  std::string ini() const { return path("Mosaicwright.ini"); }
  std::vector<std::string> load(const std::string& text) {
    writeText(ini(), text);
    LoadSettings(a);
    return loaded(a.st);
  }
};

struct Key {
  std::string section, key, value;       // value: what every other load holds
  std::string missing, empty, noNumber;  // what the key loads as
  std::string bad = "x7";                // a text without a number
};

// Every key of the four setting sections, in the order of loaded().
std::vector<Key> settingKeys() {
  std::vector<Key> k = {
      {"Defaults", "AskSave", "True", "0", "0", "0"},
      {"Defaults", "SelectColor", "255", "16744448", "16744448", "0"},
      {"Defaults", "DatatypeColor", "256", "65535", "65535", "0"},
      {"Defaults", "RandomFill1", "11", "75", "75", "0"},
      {"Defaults", "RandomFill2", "22", "20", "20", "0"},
      {"Defaults", "RandomFill3", "33", "5", "5", "0"},
      {"Files", "Project", "/p", "", "", "x7"},  {"Files", "TilesDir", "/t/", "", "", "x7"},
      {"Files", "MapsDir", "/m/", "", "", "x7"}, {"Files", "Tile", "/t.prg", "", "", "x7"},
      {"Files", "Map", "/m.map", "", "", "x7"},  {"Window", "Save", "1", "0", "0", "0"},
      {"Window", "State", "1", "2", "0", "0"},   // missing: maximized, empty: normal
      {"Window", "Top", "150", "1500", "0", "0"},  // missing: where the window stands
      {"Window", "Left", "300", "3000", "0", "0"}, {"Window", "Width", "9000", "15435", "0", "0"},
      {"Window", "Height", "6000", "12000", "0", "0"},
  };
  // A colour missing or empty keeps its built-in colour; "r,g,b" reads as 0,0,0: black.
  const int builtIn[16][3] = {{0, 0, 0},       {255, 255, 255}, {116, 67, 53},   {124, 172, 186},
                              {123, 72, 144},  {100, 151, 79},  {64, 50, 133},   {191, 205, 122},
                              {123, 91, 47},   {79, 69, 0},     {163, 144, 101}, {80, 80, 80},
                              {120, 120, 120}, {164, 215, 142}, {120, 106, 189}, {159, 159, 159}};
  for (int i = 0; i < 16; ++i) {
    const std::string own = str(builtIn[i][0] + 256 * builtIn[i][1] + 65536 * builtIn[i][2]);
    k.push_back({"ColorPalette", "Color" + str(i), str(i) + ",1,2", own, own, "0", "r,g,b"});
  }
  return k;
}

// A key missing, empty or holding no number in an otherwise complete file
// changes that key's value alone, so a key read under another key's name or
// with another key's fallback shows.
TEST_F(Settings, EveryKeyMissingEmptyOrHoldingNoNumberLoadsItsDocumentedValue) {
  const std::vector<Key> keys = settingKeys();
  const auto loadWith = [&](const Key* odd, const std::optional<std::string>& form) {
    std::string text, section;
    for (const Key& k : keys) {
      if (k.section != section) text += "[" + (section = k.section) + "]\n";
      if (&k != odd) text += k.key + "=" + k.value + "\n";
      else if (form) text += k.key + "=" + *form + "\n";
    }
    return load(text);
  };
  const std::vector<std::string> complete = loadWith(nullptr, std::nullopt);
  ProgramState applied;  // the settings dialog hands back the first 12 and applies each
  ApplyEditableSettings(applied, EditableSettingsOf(a.st));
  EXPECT_TRUE(std::equal(complete.begin(), complete.begin() + 12, loaded(applied).begin()));
  for (size_t i = 0; i < keys.size(); ++i) {
    const Key& key = keys[i];
    const std::pair<std::optional<std::string>, std::string> forms[] = {
        {std::nullopt, key.missing}, {"", key.empty}, {key.bad, key.noNumber}};
    for (const auto& [form, value] : forms) {
      std::vector<std::string> expected = complete;
      expected[i] = value;
      EXPECT_EQ(loadWith(&key, form), expected) << key.key << "=" << form.value_or("(missing)");
    }
  }
}

TEST_F(Settings, AnEmptyFileLineFeedsOnlyOrAFileTooLongToBeOursLoadEveryDefault) {
  std::vector<std::string> defaults;
  for (const Key& k : settingKeys()) defaults.push_back(k.missing);
  EXPECT_EQ(load(std::string(2 << 20, '\n')), defaults);
  constexpr uint64_t kHuge = (uint64_t(1) << 32) + 5;
  ASSERT_TRUE(writeSparse(ini(), kHuge));
  LoadSettings(a);
  EXPECT_EQ(loaded(a.st), defaults);
  SaveSettings(a);  // neither this nor the first-run write may replace the file
  EXPECT_EQ(QFileInfo(QString::fromStdString(ini())).size(), qint64(kHuge));
  EXPECT_EQ(readFileHead(ini(), 4), Bytes(4, 0));
}

}  // namespace
