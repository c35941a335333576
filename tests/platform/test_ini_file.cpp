#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/IniFile.h"

namespace {

class IniFileTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  std::string path(const char* name = "test.ini") const {
    return dir.filePath(name).toStdString();
  }
  void put(const std::string& text, const char* name = "test.ini") {
    QFile f(QString::fromStdString(path(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.data(), qint64(text.size()));
  }
  std::string content(const char* name = "test.ini") const {
    QFile f(QString::fromStdString(path(name)));
    if (!f.open(QIODevice::ReadOnly)) return "<missing>";
    return f.readAll().toStdString();
  }
};

// ---- Reading

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault) {
  EXPECT_EQ(GetPrivateProfileString("A", "k", "dflt", path()), "dflt");
  put("[A]\nk=1\n");
  EXPECT_EQ(GetPrivateProfileString("B", "k", "dflt", path()), "dflt");
  EXPECT_EQ(GetPrivateProfileString("A", "other", "dflt", path()), "dflt");
  EXPECT_EQ(GetPrivateProfileString("A", "k", "dflt", path()), "1");
}

TEST_F(IniFileTest, KeyWithEmptyValueReadsEmptyNotTheDefault) {
  put("[A]\nk=\nb=   \n");
  EXPECT_EQ(GetPrivateProfileString("A", "k", "dflt", path()), "");
  EXPECT_EQ(GetPrivateProfileString("A", "b", "dflt", path()), "");
}

TEST_F(IniFileTest, BlanksAroundValueAndKeyAreNotPartOfThem) {
  put("[A]\n  key  =  some value \t\n");
  EXPECT_EQ(GetPrivateProfileString("A", "key", "", path()), "some value");
}

TEST_F(IniFileTest, OnePairOfEnclosingQuotesIsRemovedKeepingInnerBlanks) {
  put("[DataTypes]\nD000=\" Wall \"\nD001=\"\"x\"\"\nD002=\"open\nD003=\"\n");
  EXPECT_EQ(GetPrivateProfileString("DataTypes", "D000", "", path()), " Wall ");
  EXPECT_EQ(GetPrivateProfileString("DataTypes", "D001", "", path()), "\"x\"");
  EXPECT_EQ(GetPrivateProfileString("DataTypes", "D002", "", path()), "\"open");
  EXPECT_EQ(GetPrivateProfileString("DataTypes", "D003", "", path()), "\"");
}

TEST_F(IniFileTest, SectionAndKeyNamesMatchInAnyLetterCase) {
  put("[defaults]\nASKSAVE=True\n");
  EXPECT_EQ(GetPrivateProfileString("Defaults", "AskSave", "", path()), "True");
}

TEST_F(IniFileTest, KeysOfOtherSectionsAreNotFound) {
  put("x=0\n[A]\nx=1\n[B]\ny=2\n");
  EXPECT_EQ(GetPrivateProfileString("B", "x", "none", path()), "none");
  EXPECT_EQ(GetPrivateProfileString("A", "x", "none", path()), "1");
}

TEST_F(IniFileTest, CrlfAndLfFilesReadAlike) {
  put("[A]\r\nk=crlf\r\n[B]\r\nk=\r\n");
  EXPECT_EQ(GetPrivateProfileString("A", "k", "", path()), "crlf");
  EXPECT_EQ(GetPrivateProfileString("B", "k", "d", path()), "");
}

TEST_F(IniFileTest, LongValuesAreReadWhole) {
  std::string longPath = "/" + std::string(400, 'p') + "/tiles.prg";
  put("[Files]\nTile=" + longPath + "\n");
  EXPECT_EQ(GetPrivateProfileString("Files", "Tile", "", path()), longPath);
}

TEST_F(IniFileTest, ValueMayHoldEqualsSigns) {
  put("[A]\nk=a=b\n");
  EXPECT_EQ(GetPrivateProfileString("A", "k", "", path()), "a=b");
}

TEST_F(IniFileTest, CommentLinesAreNotKeys) {
  put("[A]\n;k=hidden\n");
  EXPECT_EQ(GetPrivateProfileString("A", "k", "none", path()), "none");
}

TEST_F(IniFileTest, FolderInPlaceOfFileGivesTheDefault) {
  QDir(dir.path()).mkdir("sub.ini");
  EXPECT_EQ(GetPrivateProfileString("A", "k", "d", path("sub.ini")), "d");
}

// ---- Writing

TEST_F(IniFileTest, WriteCreatesFileWithSectionAndKey) {
  EXPECT_TRUE(WritePrivateProfileString("A", "k", "v", path()));
  EXPECT_EQ(content(), "[A]\nk=v\n");
}

TEST_F(IniFileTest, WriteReplacesKeyInPlaceAndKeepsEveryOtherLineByteForByte) {
  put("; my notes\r\n[A]\r\n  one = 1 \r\nK=old\r\n\r\n[B]\r\nk=b\r\n");
  EXPECT_TRUE(WritePrivateProfileString("a", "k", "new", path()));
  EXPECT_EQ(content(), "; my notes\r\n[A]\r\n  one = 1 \r\nk=new\r\n\r\n[B]\r\nk=b\r\n");
}

TEST_F(IniFileTest, NewKeyGoesAfterTheSectionsLastKeyLine) {
  put("[A]\nx=1\n\n; about B\n[B]\ny=2\n");
  EXPECT_TRUE(WritePrivateProfileString("A", "z", "3", path()));
  EXPECT_EQ(content(), "[A]\nx=1\nz=3\n\n; about B\n[B]\ny=2\n");
}

TEST_F(IniFileTest, NewKeyInEmptySectionGoesRightAfterItsHeader) {
  put("[A]\n\n[B]\n");
  EXPECT_TRUE(WritePrivateProfileString("A", "k", "v", path()));
  EXPECT_EQ(content(), "[A]\nk=v\n\n[B]\n");
}

TEST_F(IniFileTest, NewSectionIsAppendedAfterABlankLineInTheFilesLineEndStyle) {
  put("[A]\r\nx=1");
  EXPECT_TRUE(WritePrivateProfileString("B", "y", "2", path()));
  EXPECT_EQ(content(), "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
}

TEST_F(IniFileTest, EmptyValueWritesTheKeyWithNothingAfterTheEquals) {
  put("[MRU]\nTILE0=/a.prg\n");
  EXPECT_TRUE(WritePrivateProfileString("MRU", "TILE0", "", path()));
  EXPECT_EQ(content(), "[MRU]\nTILE0=\n");
  EXPECT_EQ(GetPrivateProfileString("MRU", "TILE0", "d", path()), "");
}

TEST_F(IniFileTest, LineBreaksInSectionKeyOrValueAreRefusedAndNothingIsWritten) {
  put("[Files]\nTile=/a.prg\n");
  EXPECT_FALSE(WritePrivateProfileString("Files", "Tile", "/x\nProject=/evil.mwj", path()));
  EXPECT_FALSE(WritePrivateProfileString("Files", "Tile", "/x\r", path()));
  EXPECT_FALSE(WritePrivateProfileString("Files", "Ti\nle", "v", path()));
  EXPECT_FALSE(WritePrivateProfileString("Fi\r\nles", "Tile", "v", path()));
  EXPECT_EQ(content(), "[Files]\nTile=/a.prg\n");
  EXPECT_FALSE(WritePrivateProfileString("A", "k", "x\ny", path("fresh.ini")));
  EXPECT_EQ(content("fresh.ini"), "<missing>");
}

TEST_F(IniFileTest, KeyHoldingEqualsSignIsRefused) {
  EXPECT_FALSE(WritePrivateProfileString("A", "a=b", "v", path()));
  EXPECT_EQ(content(), "<missing>");
}

TEST_F(IniFileTest, WrittenValuesReadBackIncludingQuotesAndEquals) {
  const std::string p = path();
  ASSERT_TRUE(WritePrivateProfileString("DataTypes", "D005", "\"Deep Water\"", p));
  ASSERT_TRUE(WritePrivateProfileString("Files", "Map", "/home/u/a=b/map.prg", p));
  EXPECT_EQ(GetPrivateProfileString("DataTypes", "D005", "", p), "Deep Water");
  EXPECT_EQ(GetPrivateProfileString("Files", "Map", "", p), "/home/u/a=b/map.prg");
}

TEST_F(IniFileTest, WriteIntoMissingFolderFailsWithoutCreatingIt) {
  std::string p = dir.filePath("nowhere/test.ini").toStdString();
  EXPECT_FALSE(WritePrivateProfileString("A", "k", "v", p));
  EXPECT_FALSE(QDir(dir.filePath("nowhere")).exists());
}

TEST_F(IniFileTest, ByteOrderMarkBeforeTheFirstSectionIsIgnored) {
  put("\xEF\xBB\xBF[A]\nk=v\n");
  EXPECT_EQ(GetPrivateProfileString("A", "k", "", path()), "v");
  EXPECT_TRUE(WritePrivateProfileString("A", "j", "w", path()));
  EXPECT_EQ(content(), "\xEF\xBB\xBF[A]\nk=v\nj=w\n");
}

TEST_F(IniFileTest, SectionAppearingTwiceReadsAndWritesTheFirstKeyFound) {
  put("[A]\nx=1\n[B]\n[A]\ny=2\n");
  EXPECT_EQ(GetPrivateProfileString("A", "y", "", path()), "2");
  EXPECT_TRUE(WritePrivateProfileString("A", "y", "3", path()));
  EXPECT_TRUE(WritePrivateProfileString("A", "z", "4", path()));
  EXPECT_EQ(content(), "[A]\nx=1\nz=4\n[B]\n[A]\ny=3\n");
  EXPECT_EQ(GetPrivateProfileString("A", "y", "", path()), "3");
}

TEST(IniText, LookupAndSetWorkOnTextAlone) {
  auto text = iniSetKey("", "S", "k", "1");
  ASSERT_TRUE(text);
  text = iniSetKey(*text, "S", "j", "2");
  ASSERT_TRUE(text);
  EXPECT_EQ(*text, "[S]\nk=1\nj=2\n");
  EXPECT_EQ(iniLookup(*text, "s", "J"), std::optional<std::string>("2"));
  EXPECT_EQ(iniLookup(*text, "S", "x"), std::nullopt);
}

}  // namespace
