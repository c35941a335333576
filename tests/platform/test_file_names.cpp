#include <gtest/gtest.h>

#include "platform/FileNames.h"

TEST(FileNames, ADocumentsNameIsTheTextAfterTheLastSlashAndItsTypeTheLastThreeLetters) {
  EXPECT_EQ(FileNameOf("/home/u/maps/level1.prg"), "level1.prg");
  EXPECT_EQ(FileNameOf("level1.prg"), "level1.prg");
  EXPECT_EQ(FileNameOf("/home/u/maps/"), "");
  EXPECT_EQ(UpperExt3("/x/tiles.Prg"), "PRG");
}
