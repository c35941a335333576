#include <gtest/gtest.h>

#include "model/Palettes.h"
#include "platform/FileAccess.h"
#include "support/DocumentFilesHelpers.h"
#include "support/TestApp.h"

namespace {

constexpr int32_t rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }
constexpr int32_t kGrey = rgb(9, 9, 9);

class Palettes : public AppTest {
 protected:
  void SetUp() override { a.st.Palette.fill(kGrey); }
};

TEST_F(Palettes, IniEntriesReplaceTheBuiltInOnesAndBadOnesTurnBlackWithAMessage) {
  // Red before the first comma, green after it, blue after the last one. The file begins with
  // a byte order mark, as some editors save it.
  writeText(path("pal.ini"), "\xEF\xBB\xBF[ColorPalette]\nColor0=10,20\nColor1=1,2,3,4\n"
                             "Color3=1,2,3\nColor5=0,300,0\nColor6=0,0,256\nColor7=-1,300,300\n"
                             "Color8=99999999999,0,0\nColor9=0,4294967296,0\nColor10=128\n");
  for (int i = 0; i < 6; ++i) prompts.answerMsgBox(vbOK);
  LoadPaletteINI(a, path("pal.ini"));
  // Out of range, however large (never wrapped into range): one message each, in entry order.
  const std::pair<const char*, int> faults[] = {{"GREEN", 5}, {"BLUE", 6}, {"RED", 7},
                                                {"RED", 8},   {"GREEN", 9}, {"RED", 10}};
  ASSERT_EQ(prompts.shown().size(), 6u);
  for (size_t i = 0; i < 6; ++i)
    EXPECT_EQ(prompts.shown()[i].title + ": " + prompts.shown()[i].text,
              std::string("Palette Load Error: Invalid ") + faults[i].first + " in Color" +
                  std::to_string(faults[i].second) + "!");
  EXPECT_EQ(prompts.last().style, vbCritical);
  std::array<int32_t, 16> want = kBuiltInPalette;  // the rest stay built in
  want[0] = rgb(10, 20, 20);
  want[1] = rgb(1, 2, 4);
  want[3] = rgb(1, 2, 3);
  for (int i = 5; i <= 10; ++i) want[size_t(i)] = 0;
  EXPECT_EQ(a.st.Palette, want);
  EXPECT_EQ(a.frm.picColor, want);
}

TEST(VplText, ColourLinesAreReadAfterTheFirstLineWhateverTheLineEnds) {
  const std::vector<int32_t> two{rgb(1, 2, 3), rgb(4, 5, 6)};
  const std::pair<std::string, std::vector<int32_t>> rows[] = {
      {"10 20 30\n01 02 03\n", {rgb(1, 2, 3)}}, {"JASC\nff 80 0A 0\n", {rgb(255, 128, 10)}},
      {"h\n# comment\n\n        \n10 20 30\n", {0, rgb(0x10, 0x20, 0x30)}},  // blanks: black
      {"h\r\n01 02 03\r\n04 05 06\r\n", two}, {"h\n01 02 03\n04 05 06\n", two},
      {"h\r01 02 03\r04 05 06\r", two}, {"", {}},
  };
  for (const auto& [text, colours] : rows) EXPECT_EQ(parseVplText(text), colours) << text;
  std::string many = "h\n";
  for (int i = 0; i < 20; ++i) many += "01 01 01\n";
  EXPECT_EQ(parseVplText(many).size(), 16u);
}

TEST_F(Palettes, AVplFileChangesOnlyTheEntriesItHoldsAndAnUnreadableOneNone) {
  writeText(path("six.vpl"), "h\n00 00 00\n01 00 00\n02 00 00\n03 00 00\n04 00 00\n05 00 00\n");
  ASSERT_TRUE(LoadPaletteVPL(a, path("six.vpl")));
  const std::array<int32_t, 16> six{0, 1, 2, 3, 4, 5, kGrey, kGrey, kGrey, kGrey, kGrey,
                                    kGrey, kGrey, kGrey, kGrey, kGrey};
  EXPECT_EQ(a.frm.picColor, six);
  const std::string head = "h\n01 02 03\n";
  ASSERT_TRUE(writeSparse(path("huge.vpl"), kWholeFileLimit + 1, Bytes(head.begin(), head.end())));
  for (const std::string name : {"gone.vpl", "huge.vpl"}) {
    prompts.answerMsgBox(vbOK);
    const uint64_t before = bytesReadSoFar();
    EXPECT_FALSE(LoadPaletteVPL(a, path(name)));
    EXPECT_LE(bytesReadSoFar() - before, kWholeFileLimit + 1024);
    EXPECT_EQ(prompts.last().title + ": " + prompts.last().text,
              "Palette Load Error: Cannot read palette file (" + path(name) + ")!");
    EXPECT_EQ(a.st.Palette, six);
  }
}

}  // namespace
