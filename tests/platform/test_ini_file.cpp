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

TEST_F(IniFileTest, ValuesReadTrimmedUnquotedAndInAnyLetterCase) {
  EXPECT_EQ(get("A", "k"), "dflt");  // no file yet
  const std::string longPath = "/" + std::string(400, 'p') + "/tiles.prg";
  writeText(ini,
            "x=0\r\n[A]\r\nk=\r\nb=   \r\n  key  =  some value \t\r\nq=\" Wall \"\r\n"
            "qq=\"\"x\"\"\r\nopen=\"open\r\neq=a=b\r\n;c=hidden\r\n"
            "[defaults]\nASKSAVE=True\nTile=" + longPath + "\n[B]\ny=2\n[a]\nK=again\nlater=x\n");
  const std::pair<std::pair<const char*, const char*>, std::string> rows[] = {
      {{"Nope", "k"}, "dflt"},        {{"A", "missing"}, "dflt"},
      {{"B", "k"}, "dflt"},           {{"A", "c"}, "dflt"},
      {{"A", "x"}, "dflt"},           {{"DEFAULTS", "tile"}, longPath},
      {{"A", "k"}, ""},               {{"A", "b"}, ""},
      {{"A", "key"}, "some value"},   {{"A", "q"}, " Wall "},
      {{"A", "qq"}, "\"x\""},         {{"A", "open"}, "\"open"},
      {{"A", "eq"}, "a=b"},           {{"Defaults", "AskSave"}, "True"},
      {{"b", "Y"}, "2"},              {{"A", "later"}, "x"},
  };
  for (const auto& [where, expected] : rows)
    EXPECT_EQ(get(where.first, where.second), expected) << where.first << "/" << where.second;
}

TEST_F(IniFileTest, LineBreaksAnywhereAreRefusedAndNothingIsWritten) {
  writeText(ini, "[Files]\nTile=/a.prg\n");
  for (auto [section, key, value] : {std::tuple{"Files", "Tile", "/x\nProject=/evil.mwj"},
                                     {"Files", "Tile", "/x\r"}, {"Files", "Ti\nle", "v"},
                                     {"Fi\r\nles", "Tile", "v"}})
    EXPECT_FALSE(WritePrivateProfileString(section, key, value, ini)) << section << key << value;
  EXPECT_EQ(readText(ini), "[Files]\nTile=/a.prg\n");
  // In a batch the refused key is left out and the others are still written.
  EXPECT_FALSE(WritePrivateProfileStrings(
      {{"Files", "Map", "/m.prg"}, {"Files", "Tile", "/x\ny"}, {"Window", "Save", "True"}}, ini));
  EXPECT_EQ(readText(ini), "[Files]\nTile=/a.prg\nMap=/m.prg\n\n[Window]\nSave=True\n");
}

}  // namespace
