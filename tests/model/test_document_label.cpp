#include <gtest/gtest.h>

#include "model/DocumentLabel.h"

TEST(DocumentLabel, LongNamesAreCutInCharactersWithAnEllipsis) {
  std::string umlauts;  // 28 two-byte characters are still shorter than 29 characters
  for (int i = 0; i < 28; ++i) umlauts += "\xC3\xA4";
  const std::pair<std::string, std::string> rows[] = {
      {MemberLabelText(std::string(28, 'a')), std::string(28, 'a')},
      {MemberLabelText(std::string(29, 'b')), std::string(26, 'b') + "..."},
      {MemberLabelText(umlauts), umlauts},
      {MemberLabelText(umlauts + "\xC3\xA4"), umlauts.substr(0, 52) + "..."},
      {ProjectLabelText(std::string(21, 'p')), "Project - " + std::string(21, 'p')},
      {ProjectLabelText(std::string(22, 'p')), "Project - " + std::string(19, 'p') + "..."},
  };
  for (const auto& [got, want] : rows) EXPECT_EQ(got, want);
}
