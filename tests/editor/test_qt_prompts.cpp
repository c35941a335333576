#include <gtest/gtest.h>

#include "platform/widgets/QtPrompts.h"

TEST(FileDialogFilters, EachPairBecomesOneQtFilterListingUpperCaseToo) {
  EXPECT_EQ(QtPrompts::qtFilters("Datamap (*.map;*.prg)|*.map;*.prg"),
            QStringList{"Datamap (*.map *.MAP *.prg *.PRG)"});
  EXPECT_EQ(QtPrompts::qtFilters("Bitmaps (*.bmp)|*.bmp|All Files (*.*)|*.*|"),
            (QStringList{"Bitmaps (*.bmp *.BMP)", "All Files (*.*)"}));
  EXPECT_EQ(QtPrompts::qtFilters("Project (.mwj)|*.mwj"), QStringList{"Project (*.mwj *.MWJ)"});
  EXPECT_TRUE(QtPrompts::qtFilters("").isEmpty());
}
