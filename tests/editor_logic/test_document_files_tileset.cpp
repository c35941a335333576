#include "test_document_files.h"

using TilesetFiles = DocumentFilesTest;

TEST_F(TilesetFiles, APrgTilesetSavesByteExactAsPrgAndAsChr) {
  writeBytes(path("in.prg"), prgTileset(0x00, 0x30));
  LoadTileset(a, path("in.prg"));
  EXPECT_EQ(a.st.TilesetMRU[0], path("in.prg"));
  // Byte 1 (tile 0, row 1) is 37 = 00100101: pixel 2 set, pixel 1 clear.
  EXPECT_EQ(a.frm.picTileView.pixel(4, 2), a.st.Palette[1]);
  EXPECT_EQ(a.frm.picTileView.pixel(2, 2), a.st.Palette[0]);
  // Saved from the sheet, so everything the sheet shows must come back as bytes.
  ASSERT_TRUE(SaveTileset(a, path("out.prg")));
  const Bytes prg = readBytes(path("out.prg"));
  EXPECT_EQ(Bytes(prg.begin(), prg.begin() + 5), (Bytes{0x00, 0x30, 0x00, 0x25, 0x4A}));
  EXPECT_EQ(prg, prgTileset(0x00, 0x30));
  ASSERT_TRUE(SaveTileset(a, path("out.chr")));
  EXPECT_EQ(readBytes(path("out.chr")), Bytes(prg.begin() + 2, prg.end()));
  EXPECT_EQ(a.st.TilesetFile, "out.chr");
}

TEST_F(TilesetFiles, ALongChrLoadsItsFirst256TilesAndAnUnsetAddressSavesAs7000) {
  Bytes chr(2048, 0x81);
  chr.resize(4096, 0x18);
  writeBytes(path("long.chr"), chr);
  LoadTileset(a, path("long.chr"));
  EXPECT_EQ(a.st.TileBytes, Bytes(2048, 0x81));
  ASSERT_EQ(a.st.LoadAddrLo + a.st.LoadAddrHi, 0);
  ASSERT_TRUE(SaveTileset(a, path("t.prg")));
  Bytes expected{0x00, 0x70};
  expected.resize(2050, 0x81);
  EXPECT_EQ(readBytes(path("t.prg")), expected);
  EXPECT_EQ(a.st.LoadAddrLo + 256 * a.st.LoadAddrHi, 0x7000);
}

TEST_F(TilesetFiles, TheLoadAddressIsSharedBetweenTilesetAndDatamap) {
  writeBytes(path("t.prg"), prgTileset(0x00, 0x20));
  LoadTileset(a, path("t.prg"));
  ASSERT_TRUE(SaveDatamap(a, path("m.map")));
  EXPECT_EQ(readBytes(path("m.map"))[1], 0x20);
  writeBytes(path("m2.map"), Bytes{0x00, 0x40, 40, 25});
  LoadDatamap(a, path("m2.map"));
  ASSERT_TRUE(SaveTileset(a, path("t2.prg")));
  EXPECT_EQ(readBytes(path("t2.prg"))[1], 0x40);
  // Tile 2's top-left pixel stamped onto the sheet (a 2 x 2 block) is saved too.
  for (int i = 0; i < 4; ++i) a.frm.picTileView.setPixel(32 + i % 2, i / 2, a.st.Palette[5]);
  ASSERT_TRUE(SaveTileset(a, path("t2.prg")));
  EXPECT_EQ(readBytes(path("t2.prg"))[2 + 16], 0xD2);  // was 0x52
}

TEST_F(TilesetFiles, ABitmapOfAnotherToolBecomesTheSheetWithExactColours) {
  prompts.answerMsgBox(vbOK);
  LoadTileset(a, fixturePath("sheet-8bit-topdown.bmp"));
  EXPECT_EQ(prompts.last().title + " | " + prompts.last().text,
            "BMP Tilesets | Tileset Editing and Palette Changes Disabled!");
  EXPECT_EQ(prompts.last().style, vbInformation);
  EXPECT_EQ(a.frm.picTileView.pixel(0, 2), RGBColor(0x70, 0xA4, 0xB2));
  EXPECT_EQ(a.frm.picTileView.pixel(511, 127), RGBColor(0x6F, 0x3D, 0x86));
  EXPECT_EQ(a.frm.picTileData.pixel(255, 63), RGBColor(0x6F, 0x3D, 0x86));  // half size
  EXPECT_FALSE(a.frm.menu("mnuLoadPalette").enabled);
  EXPECT_EQ(a.st.TilesetFile, "sheet-8bit-topdown.bmp");
  writeBytes(path("c.prg"), Bytes(258, 0x07));
  LoadColormap(a, path("c.prg"));  // recolours tile bytes, which a bitmap sheet has none of
  EXPECT_EQ(a.frm.picTileView.pixel(0, 2), RGBColor(0x70, 0xA4, 0xB2));
}

TEST_F(TilesetFiles, OurOwnBitmapIs24BitAndReadsBackThroughTheSameLoader) {
  open();
  const QImage sheet = a.frm.picTileView.image();
  ASSERT_TRUE(SaveTileset(a, path("own.bmp")));
  const Bytes file = readBytes(path("own.bmp"));
  ASSERT_GT(file.size(), 30u);
  EXPECT_EQ(Bytes(file.begin() + 18, file.begin() + 30),
            (Bytes{0x00, 0x02, 0, 0, 0x80, 0, 0, 0, 1, 0, 24, 0}));  // 512 x 128, 24 bits
  EXPECT_FALSE(a.frm.Frame1.enabled);
  writeBytes(path("other.chr"), Bytes(2048, 0xFF));
  LoadTileset(a, path("other.chr"));
  prompts.answerMsgBox(vbOK);
  LoadTileset(a, path("own.bmp"));
  EXPECT_TRUE(a.frm.picTileView.image() == sheet);
}

TEST_F(TilesetFiles, IdentifyModeSavesTheTilesUsedImage) {
  open();
  const Picture sheet = a.frm.picTileView;
  a.st.IdentifyMode = true;
  a.st.SelectColor = RGBColor(255, 255, 0);
  a.st.TileUsed[0] = a.st.TileUsed[33] = true;  // 33: column 1, row 1
  ASSERT_TRUE(SaveTileset(a, path("used.bmp")));
  const QImage img(QString::fromStdString(path("used.bmp")), "bmp");
  ASSERT_EQ(img.size(), QSize(512, 128));
  const auto at = [&](int x, int y) { return fromQRgb(img.pixel(x, y)); };
  for (auto [x, y] : {std::pair{0, 0}, {15, 15}, {7, 0}, {16, 16}, {31, 31}, {31, 20}})
    EXPECT_EQ(at(x, y), RGBColor(255, 255, 0)) << x << "," << y;
  // Inside an outline and on unused tiles the sheet shows through.
  for (auto [x, y] : {std::pair{4, 2}, {20, 20}, {32, 0}, {16, 0}})
    EXPECT_EQ(at(x, y), sheet.pixel(x, y)) << x << "," << y;
  EXPECT_TRUE(a.frm.picTileView.image() == sheet.image());
}
