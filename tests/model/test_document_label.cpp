#include <gtest/gtest.h>

#include "model/DocumentLabel.h"

TEST(DocumentLabel, LongNamesAreCutInCharactersWithAnEllipsis) {
  std::string a28;  // 28 two-byte characters are still shorter than 29 characters
  for (int i = 0; i < 28; ++i) a28 += "\xC3\xA4";
  EXPECT_EQ(MemberLabelText(a28), a28);
  EXPECT_EQ(MemberLabelText(a28 + "b"), a28.substr(0, 52) + "...");
  EXPECT_EQ(ProjectLabelText(std::string(21, 'p')), "Project - " + std::string(21, 'p'));
  EXPECT_EQ(ProjectLabelText(std::string(22, 'p')), "Project - " + std::string(19, 'p') + "...");
}
