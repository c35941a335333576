#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/IniFile.h"
#include "support/TestFiles.h"

namespace {

class IniFileTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  const std::string ini = dir.filePath("test.ini").toStdString();
  std::string get(const char* section, const char* key) const {
    return GetPrivateProfileString(section, key, "dflt", ini);
  }
};

// Values are cut at 4,095 bytes; the long lines outgrow any chunk the file is read in.
TEST_F(IniFileTest, ValuesReadTrimmedUnquotedCutAndInAnyLetterCase) {
  EXPECT_EQ(get("A", "k"), "dflt");  // no file yet
  const std::string p(70000, 'p'), blanks(70000, ' '), longPath = "/" + p.substr(0, 4094);
  writeText(ini,
            "x=0\r\n[A]\r\nk=\xEF\xBB\xBF\r\nb=   \r\n  key  =  some value \t\r\nq=\" Wall \"\r\n"
            "qq=\"\"x\"\"\r\nopen=\"open\r\neq=a=b\r\n;c=hidden\r\n[" + p + "]\nlater=no\n"
            "[defaults]\nASKSAVE=True\nTile=/" + p + "\none= \"" + p.substr(0, 4095) + "\" \t\n"
            "two=\"" + p.substr(0, 4000) + blanks + "\"\n\t[B]\ny=2\n[" + blanks + "c" + blanks +
            "]" + blanks + "]\n" + blanks + "k" + blanks + "=" + blanks + "v v" + blanks +
            "\n[a]\nK=again\nlater=x\n");
  const std::pair<std::pair<const char*, const char*>, std::string> rows[] = {
      {{"Nope", "k"}, "dflt"},        {{"A", "missing"}, "dflt"},
      {{"B", "k"}, "dflt"},           {{"A", "c"}, "dflt"},
      {{"A", "x"}, "dflt"},           {{"DEFAULTS", "tile"}, longPath},
      {{"A", "k"}, "\xEF\xBB\xBF"},              {{"A", "b"}, ""},
      {{"A", "key"}, "some value"},   {{"A", "q"}, " Wall "},
      {{"A", "qq"}, "\"x\""},         {{"A", "open"}, "\"open"},
      {{"A", "eq"}, "a=b"},           {{"Defaults", "AskSave"}, "True"},
      {{"b", "Y"}, "2"},              {{"A", "later"}, "x"},
      {{"Defaults", "one"}, p.substr(0, 4095)}, {{"C", "k"}, "v v"},
      {{"Defaults", "two"}, p.substr(0, 4000) + std::string(95, ' ')},
  };
  for (const size_t chunk : {size_t(1), size_t(3), size_t(64) << 10}) {  // many reads or few
    const IniSnapshot file(ini, chunk);
    for (const auto& [where, expected] : rows)
      EXPECT_EQ(file.get(where.first, where.second, "dflt"), expected) << where.first << chunk;
  }
}

TEST_F(IniFileTest, LineBreaksAnywhereAreRefusedAndNoWriteJoinsTwoLines) {
  writeText(ini, "[Files]\nTile=/a.prg");
  for (auto [section, key, value] : {std::tuple{"Files", "Tile", "/x\nProject=/evil.mwj"},
                                     {"Files", "Tile", "/x\r"}, {"Files", "Ti\nle", "v"},
                                     {"Fi\r\nles", "Tile", "v"}})
    EXPECT_FALSE(WritePrivateProfileString(section, key, value, ini)) << section << key << value;
  EXPECT_EQ(readText(ini), "[Files]\nTile=/a.prg");
  // In a batch the refused key is left out and the others are still written.
  EXPECT_FALSE(WritePrivateProfileStrings(
      {{"Files", "Map", "/m.prg"}, {"Files", "Tile", "/x\ny"}, {"Window", "Save", "True"}}, ini));
  EXPECT_EQ(readText(ini), "[Files]\nTile=/a.prg\nMap=/m.prg\n\n[Window]\nSave=True\n");
  writeText(ini, "[Files]\nTile=/a.prg");
  EXPECT_TRUE(WritePrivateProfileString("Window", "Save", "True", ini));
  EXPECT_EQ(readText(ini), "[Files]\nTile=/a.prg\n\n[Window]\nSave=True\n");
}

}  // namespace
