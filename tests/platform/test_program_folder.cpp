#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

#include "platform/ProgramFolder.h"

namespace {

TEST(ProgramFolder, FileNameIsTheTextAfterTheLastSlash) {
  EXPECT_EQ(FileNameOf("/home/u/maps/level1.prg"), "level1.prg");
  EXPECT_EQ(FileNameOf("level1.prg"), "level1.prg");
  EXPECT_EQ(FileNameOf("/home/u/maps/"), "");
  EXPECT_EQ(FileNameOf("a\\b.prg"), "a\\b.prg");
}

TEST(ProgramFolder, ExtensionIsTheLastThreeCharactersInUpperCase) {
  EXPECT_EQ(UpperExt3("/x/tiles.Prg"), "PRG");
  EXPECT_EQ(UpperExt3("pal.vpl"), "VPL");
  EXPECT_EQ(UpperExt3("ab"), "AB");
  EXPECT_EQ(UpperExt3("/x.mwj"), "MWJ");
}

TEST(ProgramFolder, TestsCanPointTheProgramAtTheirOwnFolder) {
  SetAppPathForTesting("/tmp/somewhere/");
  EXPECT_EQ(AppPath(), "/tmp/somewhere");
  SetAppPathForTesting("/tmp/other");
  EXPECT_EQ(AppPath(), "/tmp/other");
  SetAppPathForTesting("");
  EXPECT_EQ(AppPath(), QCoreApplication::applicationDirPath().toStdString());
}

}  // namespace
