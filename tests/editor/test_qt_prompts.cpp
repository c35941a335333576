#include <gtest/gtest.h>

#include "platform/widgets/QtPrompts.h"

TEST(FileDialogFilters, EachPairBecomesOneQtFilterListingUpperCaseToo) {
  const QStringList f =
      QtPrompts::qtFilters("Tileset Files (*.prg;*.chr)|*.prg;*.chr|Bitmaps (*.bmp)|*.bmp|");
  ASSERT_EQ(f.size(), 2);
  EXPECT_EQ(f[0], "Tileset Files (*.prg *.PRG *.chr *.CHR)");
  EXPECT_EQ(f[1], "Bitmaps (*.bmp *.BMP)");
}

TEST(FileDialogFilters, AllFilesIsListedOnceAndAFilterWithoutTrailingBarWorks) {
  const QStringList f = QtPrompts::qtFilters("All Files (*.*)|*.*");
  ASSERT_EQ(f.size(), 1);
  EXPECT_EQ(f[0], "All Files (*.*)");
}

TEST(FileDialogFilters, NoFilterGivesNone) { EXPECT_TRUE(QtPrompts::qtFilters("").isEmpty()); }
