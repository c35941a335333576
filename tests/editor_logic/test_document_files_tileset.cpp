#include <QImage>

#include "render/TilesetRender.h"
#include "test_document_files_env.h"

using namespace docfiles_test;

namespace {

class TilesetFiles : public DocumentFiles {
 protected:
  void loadPrg(const std::string& name, uint8_t lo = 0x00, uint8_t hi = 0x30) {
    write(name, PrgTileset(lo, hi));
    LoadTileset(a, path(name));
  }
  std::string fixture(const std::string& name) const {
    return std::string(MW_FIXTURES) + "/" + name;
  }
  // Fixture copied into the test's folder, so the recent list names a path of ours.
  std::string copyFixture(const std::string& name) {
    const std::string to = path(name);
    EXPECT_TRUE(QFile::copy(QString::fromStdString(fixture(name)), QString::fromStdString(to)));
    return to;
  }
  void expectSheetUnchanged(const QImage& before) {
    EXPECT_TRUE(a.frm.picTileView.image() == before) << "the tile sheet changed";
  }
};

}  // namespace

// ---- .prg and .chr

TEST_F(TilesetFiles, LoadingAPrgTiesTheTilesetToItsFile) {
  a.frm.Frame1.enabled = a.frm.Frame4.enabled = false;
  a.frm.menu("mnuLoadPalette").enabled = false;
  a.frm.shpTileSelected.left = 48;
  loadPrg("tiles.prg");

  EXPECT_EQ(a.st.LoadAddrLo, 0x00);
  EXPECT_EQ(a.st.LoadAddrHi, 0x30);
  ASSERT_EQ(a.st.TileBytes.size(), 2048u);
  EXPECT_EQ(a.st.TileBytes[1], 37);
  EXPECT_EQ(a.st.TilesetFile, "tiles.prg");
  EXPECT_EQ(a.st.TilesetPath, path("tiles.prg"));
  EXPECT_TRUE(a.st.TilesetHasFile);
  EXPECT_EQ(a.st.TilesetMRU[0], path("tiles.prg"));
  EXPECT_EQ(a.frm.lblTileName.caption, "tiles.prg");
  EXPECT_EQ(a.frm.lblTileName.tooltip, path("tiles.prg"));
  EXPECT_TRUE(a.frm.Frame1.enabled);
  EXPECT_TRUE(a.frm.Frame4.enabled);
  EXPECT_TRUE(a.frm.menu("mnuLoadPalette").enabled);
  EXPECT_EQ(a.frm.shpTileSelected.left, 0);
  // Byte 1 (tile 0, row 1) is 37 = 00100101: pixel 2 set, pixel 0 clear.
  EXPECT_EQ(a.frm.picTileView.pixel(4, 2), PaletteColor(1));
  EXPECT_EQ(a.frm.picTileView.pixel(0, 2), PaletteColor(0));
  EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(TilesetFiles, PrgSavedAsPrgAndAsChrIsByteExact) {
  loadPrg("in.prg");
  ASSERT_TRUE(SaveTileset(a, path("out.prg")));
  EXPECT_EQ(read("out.prg"), PrgTileset(0x00, 0x30));
  ASSERT_TRUE(SaveTileset(a, path("out.chr")));
  const Bytes prg = PrgTileset(0x00, 0x30);
  EXPECT_EQ(read("out.chr"), Bytes(prg.begin() + 2, prg.end()));
}

TEST_F(TilesetFiles, SavingTiesTheTilesetToTheWrittenFile) {
  loadPrg("in.prg");
  a.frm.shpTileSelected.left = 64;
  ASSERT_TRUE(SaveTileset(a, path("out.chr")));
  EXPECT_EQ(a.st.TilesetFile, "out.chr");
  EXPECT_EQ(a.st.TilesetPath, path("out.chr"));
  EXPECT_TRUE(a.st.TilesetHasFile);
  EXPECT_EQ(a.st.TilesetMRU[0], path("out.chr"));
  EXPECT_EQ(a.st.TilesetMRU[1], path("in.prg"));
  EXPECT_EQ(a.frm.lblTileName.caption, "out.chr");
  EXPECT_EQ(a.frm.shpTileSelected.left, 0);
}

TEST_F(TilesetFiles, UnsetLoadAddressIsSavedAs7000) {
  write("plain.chr", Bytes(2048, 0x81));
  LoadTileset(a, path("plain.chr"));
  ASSERT_EQ(a.st.LoadAddrLo, 0);
  ASSERT_EQ(a.st.LoadAddrHi, 0);
  ASSERT_TRUE(SaveTileset(a, path("t.prg")));
  const Bytes out = read("t.prg");
  ASSERT_EQ(out.size(), 2050u);
  EXPECT_EQ(out[0], 0x00);
  EXPECT_EQ(out[1], 0x70);
  EXPECT_EQ(out[2], 0x81);
  EXPECT_EQ(a.st.LoadAddrLo, 0x00);
  EXPECT_EQ(a.st.LoadAddrHi, 0x70);
}

TEST_F(TilesetFiles, ADatamapsLoadAddressIsWrittenWithTheTileset) {
  Bytes map{0x00, 0x40, 40, 25};
  map.resize(32772, 0);
  write("m.map", map);
  LoadDatamap(a, path("m.map"));
  ASSERT_TRUE(SaveTileset(a, path("t.prg")));
  const Bytes out = read("t.prg");
  EXPECT_EQ(out[0], 0x00);
  EXPECT_EQ(out[1], 0x40);
}

TEST_F(TilesetFiles, LongChrLoadsItsFirst256Tiles) {
  Bytes chr(4096);
  for (size_t i = 0; i < chr.size(); ++i) chr[i] = uint8_t(i < 2048 ? 0x0F : 0xF0);
  write("big.chr", chr);
  LoadTileset(a, path("big.chr"));
  EXPECT_EQ(a.st.TileBytes, Bytes(2048, 0x0F));
  ASSERT_TRUE(SaveTileset(a, path("back.chr")));
  EXPECT_EQ(read("back.chr"), Bytes(2048, 0x0F));
}

TEST_F(TilesetFiles, ShortChrLeavesTheLaterTilesEmpty) {
  write("short.chr", Bytes(1000, 0xFF));
  LoadTileset(a, path("short.chr"));
  EXPECT_EQ(a.st.TileBytes[999], 0xFF);
  EXPECT_EQ(a.st.TileBytes[1000], 0x00);
  // Tile 125 (column 29, row 3) is drawn empty.
  EXPECT_EQ(a.frm.picTileView.pixel(16 * 29, 16 * 3), PaletteColor(0));
}

TEST_F(TilesetFiles, TheFormIsPickedWhateverTheCase) {
  loadPrg("in.prg");
  ASSERT_TRUE(SaveTileset(a, path("tiles.PrG")));
  EXPECT_EQ(read("tiles.PrG"), PrgTileset(0x00, 0x30));
}

TEST_F(TilesetFiles, TilesStampedOntoTheSheetAreSaved) {
  write("empty.chr", Bytes(2048, 0));
  LoadTileset(a, path("empty.chr"));
  // A stamp changes the sheet only; tile 2's top-left pixel (a 2 x 2 block).
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) a.frm.picTileView.setPixel(32 + x, y, PaletteColor(5));
  ASSERT_TRUE(SaveTileset(a, path("stamped.chr")));
  const Bytes out = read("stamped.chr");
  EXPECT_EQ(out[16], 0x80);
  EXPECT_EQ(out[17], 0x00);
}

TEST_F(TilesetFiles, ATileDrawnInTheBackgroundColourIsSavedEmpty) {
  loadPrg("in.prg");
  a.st.Colormap[2 + 3] = 0x10;  // tile 3: colour index 0
  RenderTileset(a);
  ASSERT_TRUE(SaveTileset(a, path("out.chr")));
  const Bytes out = read("out.chr");
  EXPECT_EQ(Bytes(out.begin() + 24, out.begin() + 32), Bytes(8, 0));
  EXPECT_EQ(out[32], PrgTileset(0, 0)[2 + 32]);
}

// ---- Forms that are no tileset, and files that cannot be read or written

TEST_F(TilesetFiles, ANameOfNoTilesetFormIsRefusedOnLoad) {
  loadPrg("in.prg");
  write("notes.txt", Bytes(2050, 0x55));
  prompts.answerMsgBox(vbOK);
  LoadTileset(a, path("notes.txt"));
  expectError("Tileset Load Error",
              "Invalid Tileset Type (" + path("notes.txt") + ") must be (PRG, CHR or BMP)");
  EXPECT_EQ(a.st.TilesetFile, "in.prg");
  EXPECT_EQ(a.st.TilesetPath, path("in.prg"));
  EXPECT_EQ(a.st.TileBytes[1], 37);
  EXPECT_EQ(a.st.TilesetMRU[0], path("in.prg"));
}

TEST_F(TilesetFiles, ANameOfNoTilesetFormIsRefusedOnSave) {
  loadPrg("in.prg");
  prompts.answerMsgBox(vbOK);
  EXPECT_FALSE(SaveTileset(a, path("tiles.txt")));
  expectError("Tileset Save Error",
              "Invalid Tileset Type (" + path("tiles.txt") + ") must be (PRG, CHR or BMP)");
  EXPECT_FALSE(exists("tiles.txt"));
  EXPECT_EQ(a.st.TilesetFile, "in.prg");
  EXPECT_EQ(a.st.TilesetPath, path("in.prg"));
  EXPECT_EQ(a.frm.lblTileName.caption, "in.prg");
}

TEST_F(TilesetFiles, AMissingFileIsRefusedAndChangesNothing) {
  loadPrg("in.prg");
  const QImage sheet = a.frm.picTileView.image();
  for (const std::string name : {"missing.prg", "missing.chr", "missing.bmp"}) {
    prompts.answerMsgBox(vbOK);
    LoadTileset(a, path(name));
    expectError("Tileset Load Error", "Cannot read Tileset file (" + path(name) + ")!");
    EXPECT_FALSE(exists(name)) << "a load must not create the file";
  }
  EXPECT_EQ(a.st.TilesetFile, "in.prg");
  EXPECT_EQ(a.st.TileBytes[1], 37);
  EXPECT_EQ(a.st.LoadAddrHi, 0x30);
  EXPECT_EQ(a.st.TilesetMRU[0], path("in.prg"));
  EXPECT_TRUE(a.st.TilesetMRU[1].empty());
  expectSheetUnchanged(sheet);
}

TEST_F(TilesetFiles, AFolderOrAPipeIsRefusedWithoutWaiting) {
  loadPrg("in.prg");
  QDir(QString::fromStdString(dir)).mkdir("folder.chr");
  PipeWithWriter pipe(path("pipe.prg"));
  ASSERT_TRUE(pipe.ok());
  for (const std::string name : {"folder.chr", "pipe.prg"}) {
    prompts.answerMsgBox(vbOK);
    LoadTileset(a, path(name));
    expectError("Tileset Load Error", "Cannot read Tileset file (" + path(name) + ")!");
  }
  EXPECT_EQ(a.st.TilesetFile, "in.prg");
}

TEST_F(TilesetFiles, AFailedSaveKeepsTheIdentityAndTheOldFile) {
  loadPrg("in.prg");
  QDir(QString::fromStdString(dir)).mkdir("taken.prg");
  for (const std::string name : {"no/such/folder/t.prg", "taken.prg", "no/such/t.bmp"}) {
    prompts.answerMsgBox(vbOK);
    EXPECT_FALSE(SaveTileset(a, path(name)));
    expectError("Tileset Save Error", "Cannot write Tileset file (" + path(name) + ")!");
  }
  EXPECT_EQ(a.st.TilesetFile, "in.prg");
  EXPECT_EQ(a.st.TilesetPath, path("in.prg"));
  EXPECT_EQ(a.frm.lblTileName.caption, "in.prg");
  EXPECT_EQ(a.st.TilesetMRU[0], path("in.prg"));
  EXPECT_TRUE(a.frm.Frame1.enabled);
}

TEST_F(TilesetFiles, AFailedPrgSaveLeavesTheLoadAddressUnset) {
  write("plain.chr", Bytes(2048, 0x81));
  LoadTileset(a, path("plain.chr"));
  prompts.answerMsgBox(vbOK);
  EXPECT_FALSE(SaveTileset(a, path("no/such/t.prg")));
  EXPECT_EQ(a.st.LoadAddrHi, 0x00);
}

// ---- .bmp

TEST_F(TilesetFiles, ABitmapOfAnotherToolBecomesTheSheetWithExactColours) {
  const std::string bmp = copyFixture("sheet-8bit-topdown.bmp");
  prompts.answerMsgBox(vbOK);
  LoadTileset(a, bmp);
  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(prompts.last().text, "Tileset Editing and Palette Changes Disabled!");
  EXPECT_EQ(prompts.last().title, "BMP Tilesets");
  EXPECT_EQ(prompts.last().style, vbInformation);

  EXPECT_EQ(a.frm.picTileView.pixel(0, 0), RGBColor(0x00, 0x00, 0x00));
  EXPECT_EQ(a.frm.picTileView.pixel(2, 0), RGBColor(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(a.frm.picTileView.pixel(0, 2), RGBColor(0x70, 0xA4, 0xB2));
  EXPECT_EQ(a.frm.picTileView.pixel(511, 127), RGBColor(0x6F, 0x3D, 0x86));
  // The 1:1 image is the sheet at half size.
  EXPECT_EQ(a.frm.picTileData.pixel(0, 1), RGBColor(0x70, 0xA4, 0xB2));
  EXPECT_EQ(a.frm.picTileData.pixel(255, 63), RGBColor(0x6F, 0x3D, 0x86));

  EXPECT_FALSE(a.frm.Frame1.enabled);
  EXPECT_FALSE(a.frm.Frame4.enabled);
  EXPECT_FALSE(a.frm.menu("mnuLoadPalette").enabled);
  EXPECT_EQ(a.st.TilesetFile, "sheet-8bit-topdown.bmp");
  EXPECT_TRUE(a.st.TilesetHasFile);
  EXPECT_EQ(a.st.TilesetMRU[0], bmp);
}

TEST_F(TilesetFiles, AColormapLoadLeavesABitmapSheetAsTheBitmapShowsIt) {
  prompts.answerMsgBox(vbOK);
  LoadTileset(a, copyFixture("sheet-24bit-bottomup.bmp"));
  const QImage sheet = a.frm.picTileView.image();
  Bytes cmap(258, 0x07);
  write("c.prg", cmap);
  LoadColormap(a, path("c.prg"));
  expectSheetUnchanged(sheet);
}

TEST_F(TilesetFiles, ABitmapOfTheWrongSizeIsRefusedAndTheSheetKept) {
  loadPrg("in.prg");
  const QImage sheet = a.frm.picTileView.image();
  const std::string bmp = copyFixture("sheet-256x64.bmp");
  prompts.answerMsgBox(vbOK);
  LoadTileset(a, bmp);
  expectError("Tileset Load Error", "Invalid Tileset Size (256 x 64) must be (512 x 128)");
  expectSheetUnchanged(sheet);
  EXPECT_EQ(a.st.TilesetFile, "in.prg");
  EXPECT_EQ(a.frm.lblTileName.caption, "in.prg");
  EXPECT_TRUE(a.frm.Frame1.enabled);
  EXPECT_EQ(a.st.TilesetMRU[0], path("in.prg"));
}

TEST_F(TilesetFiles, AFileThatIsNoBitmapIsRefusedAndTheSheetKept) {
  loadPrg("in.prg");
  const QImage sheet = a.frm.picTileView.image();
  write("fake.bmp", PrgTileset(0x42, 0x4D));  // starts "BM", the rest is no bitmap
  prompts.answerMsgBox(vbOK);
  LoadTileset(a, path("fake.bmp"));
  expectError("Tileset Load Error", "Invalid BITMAP File (" + path("fake.bmp") + ")!");
  expectSheetUnchanged(sheet);
  EXPECT_EQ(a.st.TilesetFile, "in.prg");
}

TEST_F(TilesetFiles, OurOwnBitmapIs24BitAndReadsBack) {
  loadPrg("in.prg");
  const QImage sheet = a.frm.picTileView.image();
  ASSERT_TRUE(SaveTileset(a, path("own.bmp")));
  EXPECT_TRUE(prompts.shown().empty());
  const Bytes file = read("own.bmp");
  ASSERT_GT(file.size(), 30u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(file[28], 24);  // bits per pixel
  EXPECT_EQ(file[29], 0);
  EXPECT_EQ(a.st.TilesetFile, "own.bmp");
  EXPECT_EQ(a.frm.lblTileName.caption, "own.bmp");
  EXPECT_FALSE(a.frm.Frame1.enabled);
  // The recent list is the calling command's business for a bitmap save.
  EXPECT_EQ(a.st.TilesetMRU[0], path("in.prg"));

  write("other.chr", Bytes(2048, 0xFF));
  LoadTileset(a, path("other.chr"));
  prompts.answerMsgBox(vbOK);
  LoadTileset(a, path("own.bmp"));
  expectSheetUnchanged(sheet);
}

TEST_F(TilesetFiles, IdentifyModeSavesTheTilesUsedImage) {
  loadPrg("in.prg");
  const Picture sheet = a.frm.picTileView;
  a.st.IdentifyMode = true;
  a.frm.Frame1.enabled = true;
  a.st.TileUsed[0] = true;
  a.st.TileUsed[33] = true;  // column 1, row 1
  ASSERT_TRUE(SaveTileset(a, path("used.bmp")));
  QImage img(QString::fromStdString(path("used.bmp")), "bmp");
  ASSERT_EQ(img.size(), QSize(512, 128));
  const auto at = [&](int x, int y) { return fromQRgb(img.pixel(x, y)); };
  const int32_t select = RGBColor(255, 255, 0);
  EXPECT_EQ(at(0, 0), select);
  EXPECT_EQ(at(15, 15), select);
  EXPECT_EQ(at(7, 0), select);
  EXPECT_EQ(at(16, 16), select);
  EXPECT_EQ(at(31, 31), select);
  EXPECT_EQ(at(31, 20), select);
  // Inside an outline and on unused tiles the sheet shows through.
  EXPECT_EQ(at(4, 2), sheet.pixel(4, 2));
  EXPECT_EQ(at(20, 20), sheet.pixel(20, 20));
  EXPECT_EQ(at(32, 0), sheet.pixel(32, 0));
  EXPECT_EQ(at(16, 0), sheet.pixel(16, 0));

  EXPECT_TRUE(a.frm.Frame1.enabled);
  EXPECT_EQ(a.frm.picSave.pixel(0, 0), a.frm.picSave.backColor());
  EXPECT_TRUE(a.frm.picTileView.image() == sheet.image());
}

TEST_F(TilesetFiles, IdentifyModeSavesAPrgAsThePlainTileset) {
  loadPrg("in.prg");
  a.st.IdentifyMode = true;
  a.st.TileUsed.fill(true);
  ASSERT_TRUE(SaveTileset(a, path("out.prg")));
  EXPECT_EQ(read("out.prg"), PrgTileset(0x00, 0x30));
}
