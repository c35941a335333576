#include <gtest/gtest.h>

#include "model/DocumentLabel.h"

TEST(DocumentLabel, LongNamesAreCutInCharactersWithAnEllipsis) {
  const std::string n28(28, 'a'), n29(29, 'b');
  EXPECT_EQ(MemberLabelText(n28), n28);
  EXPECT_EQ(MemberLabelText(n29), std::string(26, 'b') + "...");
  // 28 two-byte characters are still shorter than 29 characters.
  std::string umlauts;
  for (int i = 0; i < 28; ++i) umlauts += "\xC3\xA4";  // a-umlaut
  EXPECT_EQ(MemberLabelText(umlauts), umlauts);
  EXPECT_EQ(MemberLabelText(umlauts + "\xC3\xA4"), umlauts.substr(0, 52) + "...");
  EXPECT_EQ(ProjectLabelText(std::string(21, 'p')), "Project - " + std::string(21, 'p'));
  EXPECT_EQ(ProjectLabelText(std::string(22, 'p')), "Project - " + std::string(19, 'p') + "...");
}
