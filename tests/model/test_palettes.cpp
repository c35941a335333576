#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "model/App.h"
#include "model/Palettes.h"
#include "support/ScriptedPrompts.h"

namespace {

constexpr int32_t rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

class PaletteTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  ScriptedPrompts prompts;
  App a;

  void SetUp() override { a.prompts = &prompts; }
  std::string write(const char* name, const std::string& text) {
    std::string p = dir.filePath(name).toStdString();
    QFile f(QString::fromStdString(p));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.data(), qint64(text.size()));
    return p;
  }
  // A palette that differs from the built-in one in every entry.
  void markPalette() {
    for (int i = 0; i < 16; ++i) a.st.Palette[size_t(i)] = 0x010101 * (i + 1);
  }
};

// ---- Entry texts

TEST(PaletteEntry, TwoNumbersGiveBlueFromTheTextAfterTheLastComma) {
  PaletteEntryParse p = parsePaletteEntry("10,20");
  EXPECT_EQ(p.fault, PaletteEntryParse::None);
  EXPECT_EQ(p.red, 10);
  EXPECT_EQ(p.green, 20);
  EXPECT_EQ(p.blue, 20);
}

TEST(PaletteEntry, FourNumbersSkipTheThird) {
  PaletteEntryParse p = parsePaletteEntry("1,2,3,4");
  EXPECT_EQ(p.red, 1);
  EXPECT_EQ(p.green, 2);
  EXPECT_EQ(p.blue, 4);
}

TEST(PaletteEntry, ComponentsFollowTheNumericRule) {
  PaletteEntryParse p = parsePaletteEntry(" 12.5, &H10 ,254.5");
  EXPECT_EQ(p.fault, PaletteEntryParse::None);
  EXPECT_EQ(p.red, 12);
  EXPECT_EQ(p.green, 16);
  EXPECT_EQ(p.blue, 254);
  EXPECT_EQ(parsePaletteEntry("1,2,255.5").fault, PaletteEntryParse::Blue);
  EXPECT_EQ(parsePaletteEntry("x,y,z").fault, PaletteEntryParse::None);  // all 0
}

TEST(PaletteEntry, FirstComponentOutOfRangeIsTheOneReported) {
  EXPECT_EQ(parsePaletteEntry("-1,300,300").fault, PaletteEntryParse::Red);
  EXPECT_EQ(parsePaletteEntry("0,300,0").fault, PaletteEntryParse::Green);
  EXPECT_EQ(parsePaletteEntry("0,0,256").fault, PaletteEntryParse::Blue);
}

TEST(PaletteEntry, HugeComponentFailsInsteadOfWrappingIntoRange) {
  // 99999999999 mod 2^32 or 2^16 would land somewhere else; it must fail.
  EXPECT_EQ(parsePaletteEntry("99999999999,0,0").fault, PaletteEntryParse::Red);
  EXPECT_EQ(parsePaletteEntry("0,4294967296,0").fault, PaletteEntryParse::Green);
  EXPECT_EQ(parsePaletteEntry("0,0,65536").fault, PaletteEntryParse::Blue);
}

TEST(PaletteEntry, EntryWithoutACommaFailsOnRed) {
  EXPECT_EQ(parsePaletteEntry("128").fault, PaletteEntryParse::Red);
  EXPECT_EQ(parsePaletteEntry("").fault, PaletteEntryParse::Red);
}

TEST_F(PaletteTest, BadComponentShowsOneStopMessageNamingTheEntry) {
  prompts.answerMsgBox(vbOK);
  int r = -1, g = -1, b = -1;
  EXPECT_FALSE(ParsePaletteColor(a, "-1,300,300", "Color7", r, g, b));
  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(prompts.last().text, "Invalid RED in Color7!");
  EXPECT_EQ(prompts.last().title, "Palette Load Error");
  EXPECT_EQ(prompts.last().style, vbCritical);
}

// ---- INI palettes

TEST_F(PaletteTest, IniHoldingOnlyOneKeyReplacesThatEntryOfTheBuiltInPalette) {
  markPalette();
  std::string p = write("pal.ini", "[ColorPalette]\nColor3=1,2,3\n");
  LoadPaletteINI(a, p);
  for (int i = 0; i < 16; ++i) {
    int32_t want = i == 3 ? rgb(1, 2, 3) : kBuiltInPalette[size_t(i)];
    EXPECT_EQ(a.st.Palette[size_t(i)], want) << i;
    EXPECT_EQ(a.frm.picColor[size_t(i)], want) << i;
  }
  EXPECT_EQ(a.st.Palette[2], rgb(116, 67, 53));
  EXPECT_EQ(a.st.Palette[15], rgb(159, 159, 159));
}

TEST_F(PaletteTest, MissingFileOrSectionGivesTheBuiltInPaletteSilently) {
  markPalette();
  LoadPaletteINI(a, dir.filePath("none.ini").toStdString());
  EXPECT_EQ(a.st.Palette, kBuiltInPalette);
  markPalette();
  LoadPaletteINI(a, write("other.ini", "[Defaults]\nAskSave=True\n"));
  EXPECT_EQ(a.st.Palette, kBuiltInPalette);
  EXPECT_EQ(a.frm.picColor, kBuiltInPalette);
}

TEST_F(PaletteTest, BadIniEntriesBecomeBlackEachWithItsOwnMessageInOrder) {
  std::string p = write("pal.ini",
                        "[ColorPalette]\nColor1=9,9,9\nColor5=0,300,0\nColor9=0,0,256\n"
                        "Color12=99999999999,0,0\nColor14=white\n");
  prompts.answerMsgBox(vbOK).answerMsgBox(vbOK).answerMsgBox(vbOK).answerMsgBox(vbOK);
  LoadPaletteINI(a, p);
  ASSERT_EQ(prompts.shown().size(), 4u);
  EXPECT_EQ(prompts.shown()[0].text, "Invalid GREEN in Color5!");
  EXPECT_EQ(prompts.shown()[1].text, "Invalid BLUE in Color9!");
  EXPECT_EQ(prompts.shown()[2].text, "Invalid RED in Color12!");
  EXPECT_EQ(prompts.shown()[3].text, "Invalid RED in Color14!");
  EXPECT_EQ(a.st.Palette[1], rgb(9, 9, 9));
  EXPECT_EQ(a.st.Palette[5], 0);
  EXPECT_EQ(a.st.Palette[9], 0);
  EXPECT_EQ(a.st.Palette[12], 0);
  EXPECT_EQ(a.st.Palette[14], 0);
  EXPECT_EQ(a.frm.picColor[12], 0);
  EXPECT_EQ(a.st.Palette[13], rgb(164, 215, 142));
}

TEST_F(PaletteTest, EmptyIniEntryKeepsTheBuiltInColour) {
  LoadPaletteINI(a, write("pal.ini", "[ColorPalette]\nColor4=\n"));
  EXPECT_EQ(a.st.Palette[4], rgb(123, 72, 144));
}

TEST_F(PaletteTest, BuiltInTextsMatchTheBuiltInColours) {
  for (int i = 0; i < 16; ++i) {
    PaletteEntryParse p = parsePaletteEntry(kBuiltInPaletteText[size_t(i)]);
    EXPECT_EQ(rgb(p.red, p.green, p.blue), kBuiltInPalette[size_t(i)]) << i;
  }
}

// ---- .vpl palettes

TEST(VplText, FirstLineIsNeverAColour) {
  EXPECT_EQ(parseVplText("10 20 30\n01 02 03\n"), (std::vector<int32_t>{rgb(1, 2, 3)}));
}

TEST(VplText, MixedCaseColumnsAndAFourthColumnAreRead) {
  EXPECT_EQ(parseVplText("JASC\nff 80 0A 0\n"), (std::vector<int32_t>{rgb(255, 128, 10)}));
  EXPECT_EQ(parseVplText("h\nFF,80;0a\n"), (std::vector<int32_t>{rgb(255, 128, 10)}));
}

TEST(VplText, CommentsAndEmptyLinesAreSkippedButABlankLineIsAColour) {
  std::string text = "header\n# comment\n\n        \n #x\n10 20 30\n";
  EXPECT_EQ(parseVplText(text),
            (std::vector<int32_t>{rgb(0, 0, 0), rgb(0, 0, 0), rgb(0x10, 0x20, 0x30)}));
}

TEST(VplText, AllThreeLineEndStylesSeparateLines) {
  std::vector<int32_t> want{rgb(1, 2, 3), rgb(4, 5, 6)};
  EXPECT_EQ(parseVplText("h\r\n01 02 03\r\n04 05 06\r\n"), want);
  EXPECT_EQ(parseVplText("h\n01 02 03\n04 05 06\n"), want);
  EXPECT_EQ(parseVplText("h\r01 02 03\r04 05 06\r"), want);
  EXPECT_EQ(parseVplText("h\r01 02 03\n04 05 06"), want);
}

TEST(VplText, EmptyFileOrHeaderOnlyHasNoColours) {
  EXPECT_TRUE(parseVplText("").empty());
  EXPECT_TRUE(parseVplText("header only").empty());
  EXPECT_TRUE(parseVplText("header only\r\n").empty());
}

TEST(VplText, ShortLinesTakeZeroForMissingColumns) {
  EXPECT_EQ(parseVplText("h\nff 8\n"), (std::vector<int32_t>{rgb(255, 8, 0)}));
  EXPECT_EQ(parseVplText("h\nf\n"), (std::vector<int32_t>{rgb(15, 0, 0)}));
}

TEST(VplText, NoMoreThanSixteenColoursAreTaken) {
  std::string text = "h\n";
  for (int i = 0; i < 20; ++i) text += "01 01 01\n";
  EXPECT_EQ(parseVplText(text).size(), 16u);
}

TEST_F(PaletteTest, VplWithSixColoursChangesOnlyEntriesZeroToFive) {
  markPalette();
  std::string text =
      "JASC-PAL\r\n00 00 00\r\n01 00 00\r\n02 00 00\r\n03 00 00\r\n04 00 00\r\n05 00 00\r\n";
  ASSERT_TRUE(LoadPaletteVPL(a, write("six.vpl", text)));
  for (int i = 0; i < 6; ++i) EXPECT_EQ(a.st.Palette[size_t(i)], rgb(i, 0, 0)) << i;
  for (int i = 6; i < 16; ++i) EXPECT_EQ(a.st.Palette[size_t(i)], 0x010101 * (i + 1)) << i;
  EXPECT_EQ(a.frm.picColor, a.st.Palette);
  EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(PaletteTest, VplWithMoreThanSixteenColoursFillsTheSixteenEntries) {
  std::string text = "h\n";
  for (int i = 0; i < 40; ++i) text += "10 20 30\n";
  ASSERT_TRUE(LoadPaletteVPL(a, write("many.vpl", text)));
  for (int i = 0; i < 16; ++i) EXPECT_EQ(a.st.Palette[size_t(i)], rgb(0x10, 0x20, 0x30));
}

TEST_F(PaletteTest, EmptyVplChangesNothingButRepaintsTheSwatches) {
  markPalette();
  std::array<int32_t, 16> before = a.st.Palette;
  ASSERT_TRUE(LoadPaletteVPL(a, write("empty.vpl", "")));
  EXPECT_EQ(a.st.Palette, before);
  EXPECT_EQ(a.frm.picColor, before);
}

TEST_F(PaletteTest, UnreadableVplIsReportedAndKeepsThePalette) {
  markPalette();
  std::array<int32_t, 16> before = a.st.Palette;
  std::string missing = dir.filePath("gone.vpl").toStdString();
  prompts.answerMsgBox(vbOK);
  EXPECT_FALSE(LoadPaletteVPL(a, missing));
  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(prompts.last().text, "Cannot read palette file (" + missing + ")!");
  EXPECT_EQ(prompts.last().title, "Palette Load Error");
  EXPECT_EQ(prompts.last().style, vbCritical);
  EXPECT_EQ(a.st.Palette, before);

  QDir(dir.path()).mkdir("folder.vpl");
  prompts.answerMsgBox(vbOK);
  EXPECT_FALSE(LoadPaletteVPL(a, dir.filePath("folder.vpl").toStdString()));
  EXPECT_EQ(prompts.shown().size(), 2u);
  EXPECT_EQ(a.st.Palette, before);
}

}  // namespace
