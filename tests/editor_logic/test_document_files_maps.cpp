#include "test_document_files_env.h"

using namespace docfiles_test;

namespace {

// A datamap file: address 00 40, the size bytes, cell i holding i mod 251.
Bytes DatamapBytes(uint8_t w, uint8_t h, size_t cells = 32768) {
  Bytes b{0x00, 0x40, w, h};
  for (size_t i = 0; i < cells; ++i) b.push_back(uint8_t(i % 251));
  return b;
}

class MapFiles : public DocumentFiles {
 protected:
  void SetUp() override {
    DocumentFiles::SetUp();
    // Each tile of the sheet in a colour of its own, so the map shows which
    // tile a cell holds.
    for (int t = 0; t < 256; ++t)
      for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
          a.frm.picTileView.setPixel(16 * (t % 32) + x, 16 * (t / 32) + y, RGBColor(t, 7, 9));
  }
};

}  // namespace

// ---- Datamap

TEST_F(MapFiles, LoadingADatamapShowsItAndTiesItToTheFile) {
  write("level.map", DatamapBytes(40, 25));
  LoadDatamap(a, path("level.map"));
  EXPECT_EQ(a.st.MapWidth, 40);
  EXPECT_EQ(a.st.MapHeight, 25);
  EXPECT_EQ(a.st.MapWidthByte, 40);
  EXPECT_EQ(a.st.MapHeightByte, 25);
  EXPECT_EQ(a.st.LoadAddrLo, 0x00);
  EXPECT_EQ(a.st.LoadAddrHi, 0x40);
  EXPECT_EQ(a.st.Datamap[3 + 256 * 2], uint8_t((3 + 512) % 251));
  EXPECT_EQ(a.frm.picMap.width(), 640);
  EXPECT_EQ(a.frm.picMap.height(), 400);
  // Cell (3, 2) holds tile 13 ((3 + 512) mod 251).
  EXPECT_EQ(a.frm.picMap.pixel(3 * 16 + 5, 2 * 16 + 5), RGBColor(13, 7, 9));
  EXPECT_EQ(a.frm.lblMapSize.caption, "(40x25)");
  EXPECT_EQ(a.frm.lblMapName.caption, "level.map");
  EXPECT_EQ(a.frm.lblMapName.tooltip, path("level.map"));
  EXPECT_EQ(a.st.DatamapFile, "level.map");
  EXPECT_EQ(a.st.DatamapPath, path("level.map"));
  EXPECT_TRUE(a.st.DatamapHasFile);
  EXPECT_EQ(a.st.DatamapMRU[0], path("level.map"));
}

TEST_F(MapFiles, ADatamapRoundTripKeepsCellsOutsideTheMap) {
  write("in.map", DatamapBytes(40, 25));
  LoadDatamap(a, path("in.map"));
  ASSERT_TRUE(SaveDatamap(a, path("out.map")));
  EXPECT_EQ(read("out.map"), DatamapBytes(40, 25));
  // A save is the Save command's to record: the identity stays on the loaded file.
  EXPECT_EQ(a.st.DatamapPath, path("in.map"));
}

TEST_F(MapFiles, SavingOverALongerFileLeavesExactly32772Bytes) {
  write("old.map", Bytes(40000, 0xEE));
  ASSERT_TRUE(SaveDatamap(a, path("old.map")));
  const Bytes out = read("old.map");
  ASSERT_EQ(out.size(), 32772u);
  EXPECT_EQ(out[2], 40);
  EXPECT_EQ(out[3], 25);
  EXPECT_EQ(a.st.MapWidthByte, 40);
  EXPECT_EQ(a.st.MapSizeY, 25);
}

TEST_F(MapFiles, AFullSizeMapIsSavedWith255And127) {
  a.st.MapWidth = 256;
  a.st.MapHeight = 128;
  ASSERT_TRUE(SaveDatamap(a, path("full.map")));
  const Bytes out = read("full.map");
  EXPECT_EQ(out[2], 255);
  EXPECT_EQ(out[3], 127);
  EXPECT_EQ(a.st.MapWidthByte, 255);
  EXPECT_EQ(a.st.MapSizeX, 255);
  EXPECT_EQ(a.st.MapHeightByte, 127);
}

TEST_F(MapFiles, ATilesetsLoadAddressIsWrittenWithTheDatamap) {
  write("t.prg", PrgTileset(0x00, 0x20));
  LoadTileset(a, path("t.prg"));
  ASSERT_TRUE(SaveDatamap(a, path("m.map")));
  const Bytes out = read("m.map");
  EXPECT_EQ(out[0], 0x00);
  EXPECT_EQ(out[1], 0x20);
}

TEST_F(MapFiles, SizeBytesOutsideTheDatamapAreClamped) {
  write("odd.map", DatamapBytes(0, 200));
  LoadDatamap(a, path("odd.map"));
  EXPECT_EQ(a.st.MapWidth, 1);
  EXPECT_EQ(a.st.MapHeight, 128);
  EXPECT_EQ(a.st.MapWidthByte, 0);
  EXPECT_EQ(a.st.MapHeightByte, 200);
  EXPECT_EQ(a.frm.picMap.width(), 16);
  EXPECT_EQ(a.frm.picMap.height(), 2048);
  EXPECT_EQ(a.frm.lblMapSize.caption, "(1x128)");
}

TEST_F(MapFiles, A255By127MapReadsBackFullSize) {
  write("wide.map", DatamapBytes(255, 127));
  LoadDatamap(a, path("wide.map"));
  EXPECT_EQ(a.st.MapWidth, 256);
  EXPECT_EQ(a.st.MapHeight, 128);
  EXPECT_EQ(a.frm.lblMapSize.caption, "(256x128)");
}

TEST_F(MapFiles, AShortDatamapIsZeroFilledAfterItsHeader) {
  a.st.Datamap.fill(0x77);
  write("short.map", DatamapBytes(40, 25, 10));
  LoadDatamap(a, path("short.map"));
  EXPECT_EQ(a.st.Datamap[9], 9);
  EXPECT_EQ(a.st.Datamap[10], 0);
  EXPECT_EQ(a.st.Datamap[32767], 0);
}

TEST_F(MapFiles, ADatamapShorterThanItsHeaderIsRefused) {
  a.st.Datamap.fill(0x77);
  write("stub.map", Bytes{0x00, 0x40, 40});
  prompts.answerMsgBox(vbOK);
  LoadDatamap(a, path("stub.map"));
  expectError("Datamap Load Error", "Invalid Datamap File (" + path("stub.map") + ")!");
  EXPECT_EQ(a.st.Datamap[0], 0x77);
  EXPECT_EQ(a.st.MapWidth, 40);
  EXPECT_EQ(a.st.LoadAddrHi, 0x00);
  EXPECT_FALSE(a.st.DatamapHasFile);
  EXPECT_TRUE(a.st.DatamapMRU[0].empty());
}

TEST_F(MapFiles, AMissingDatamapIsRefusedAndChangesNothing) {
  write("level.map", DatamapBytes(40, 25));
  LoadDatamap(a, path("level.map"));
  QDir(QString::fromStdString(dir)).mkdir("folder.map");
  for (const std::string name : {"missing.map", "folder.map"}) {
    prompts.answerMsgBox(vbOK);
    LoadDatamap(a, path(name));
    expectError("Datamap Load Error", "Cannot read Datamap file (" + path(name) + ")!");
  }
  EXPECT_FALSE(exists("missing.map"));
  EXPECT_EQ(a.st.DatamapPath, path("level.map"));
  EXPECT_EQ(a.st.Datamap[5], 5);
  EXPECT_EQ(a.st.DatamapMRU[0], path("level.map"));
  EXPECT_TRUE(a.st.DatamapMRU[1].empty());
}

TEST_F(MapFiles, AFailedDatamapSaveKeepsTheOldFile) {
  write("keep.map", Bytes{1, 2, 3});
  QDir(QString::fromStdString(dir)).mkdir("taken.map");
  prompts.answerMsgBox(vbOK);
  EXPECT_FALSE(SaveDatamap(a, path("taken.map")));
  expectError("Datamap Save Error", "Cannot write Datamap file (" + path("taken.map") + ")!");
  prompts.answerMsgBox(vbOK);
  EXPECT_FALSE(SaveDatamap(a, path("nofolder/x.map")));
  EXPECT_EQ(read("keep.map"), (Bytes{1, 2, 3}));
  EXPECT_EQ(a.st.MapWidthByte, 0);
}

// ---- Colormap

TEST_F(MapFiles, LoadingAColormapRecoloursTheTilesAndSelectsTileZero) {
  write("t.prg", PrgTileset(0x00, 0x30));
  LoadTileset(a, path("t.prg"));
  a.frm.shpTileSelected.left = 32;
  a.frm.shpTileSelected.top = 16;
  Bytes cmap(258, 0x05);
  cmap[0] = 0x00;
  cmap[1] = 0xC0;
  write("c.prg", cmap);
  LoadColormap(a, path("c.prg"));
  EXPECT_EQ(a.st.Colormap[0], 0x00);
  EXPECT_EQ(a.st.Colormap[1], 0xC0);
  EXPECT_EQ(a.st.Colormap[2], 0x05);
  // Tile 0, row 1, pixel 2 is set: now drawn in colour 5.
  EXPECT_EQ(a.frm.picTileView.pixel(4, 2), PaletteColor(5));
  EXPECT_EQ(a.frm.picTileSelectedData.pixel(2, 1), PaletteColor(5));
  EXPECT_EQ(a.frm.shpTileSelected.left, 0);
  EXPECT_EQ(a.frm.shpTileSelected.top, 0);
  EXPECT_EQ(a.st.ColormapFile, "c.prg");
  EXPECT_EQ(a.st.ColormapPath, path("c.prg"));
  EXPECT_TRUE(a.st.ColormapHasFile);
  EXPECT_EQ(a.st.ColormapMRU[0], path("c.prg"));
  EXPECT_EQ(a.frm.lblCMAPName.caption, "c.prg");
  EXPECT_EQ(a.frm.lblCMAPName.tooltip, path("c.prg"));
}

TEST_F(MapFiles, A262ByteColormapLoadsAndSavesAs258) {
  Bytes cmap(262, 0x03);
  write("c.prg", cmap);
  LoadColormap(a, path("c.prg"));
  EXPECT_EQ(a.st.Colormap[257], 0x03);
  EXPECT_EQ(a.st.ColormapHasFile, true);
  ASSERT_TRUE(SaveColormap(a, path("c.prg")));
  EXPECT_EQ(read("c.prg"), Bytes(258, 0x03));
}

TEST_F(MapFiles, A257ByteColormapIsRefusedAndTheColoursStay) {
  write("t.prg", PrgTileset(0x00, 0x30));
  LoadTileset(a, path("t.prg"));
  const QImage sheet = a.frm.picTileView.image();
  const auto before = a.st.Colormap;
  write("bad.prg", Bytes(257, 0x05));
  prompts.answerMsgBox(vbOK);
  LoadColormap(a, path("bad.prg"));
  expectError("Colormap Load Error", "Invalid Colormap Size (257) must be (258 or 262)");
  EXPECT_EQ(a.st.Colormap, before);
  EXPECT_TRUE(a.frm.picTileView.image() == sheet);
  EXPECT_FALSE(a.st.ColormapHasFile);
  EXPECT_TRUE(a.st.ColormapMRU[0].empty());
}

TEST_F(MapFiles, AMissingColormapIsRefused) {
  prompts.answerMsgBox(vbOK);
  LoadColormap(a, path("missing.prg"));
  expectError("Colormap Load Error", "Cannot read Colormap file (" + path("missing.prg") + ")!");
  EXPECT_EQ(a.st.Colormap[0], 0x3D);
  EXPECT_FALSE(a.st.ColormapHasFile);
}

TEST_F(MapFiles, ColourZeroIsSavedAsOne) {
  a.st.Colormap[0] = 0x00;
  a.st.Colormap[1] = 0xC0;
  a.st.Colormap[7] = 0x00;  // tile 5
  ASSERT_TRUE(SaveColormap(a, path("c.prg")));
  const Bytes out = read("c.prg");
  ASSERT_EQ(out.size(), 258u);
  EXPECT_EQ(out[0], 0x00);
  EXPECT_EQ(out[1], 0xC0);
  EXPECT_EQ(out[7], 0x01);
  EXPECT_EQ(out[8], 0x01);
  EXPECT_EQ(a.st.Colormap[7], 0x01);
}

TEST_F(MapFiles, AFailedColormapSaveChangesNothing) {
  a.st.Colormap[7] = 0x00;
  prompts.answerMsgBox(vbOK);
  EXPECT_FALSE(SaveColormap(a, path("nofolder/c.prg")));
  expectError("Colormap Save Error",
              "Cannot write Colormap file (" + path("nofolder/c.prg") + ")!");
  EXPECT_EQ(a.st.Colormap[7], 0x00);
}

// ---- Datatype

TEST_F(MapFiles, LoadingADatatypeFileTiesTheLayerToIt) {
  Bytes tags(32768);
  for (size_t i = 0; i < tags.size(); ++i) tags[i] = uint8_t(i * 13 % 256);
  write("types.prg", tags);
  LoadDatatype(a, path("types.prg"));
  EXPECT_EQ(a.st.DatatypeMap[300], uint8_t(300 * 13 % 256));
  EXPECT_EQ(a.st.DatatypeFile, "types.prg");
  EXPECT_EQ(a.st.DatatypePath, path("types.prg"));
  EXPECT_TRUE(a.st.DatatypeHasFile);
  EXPECT_EQ(a.frm.lblTYPEName.caption, "types.prg");
  EXPECT_EQ(a.frm.lblTYPEName.tooltip, path("types.prg"));
  EXPECT_EQ(a.st.DatatypeMRU[0], path("types.prg"));
  ASSERT_TRUE(SaveDatatype(a, path("again.prg")));
  EXPECT_EQ(read("again.prg"), tags);
}

TEST_F(MapFiles, AMissingDatatypeFileIsRefused) {
  a.st.DatatypeMap[0] = 9;
  prompts.answerMsgBox(vbOK);
  LoadDatatype(a, path("missing.prg"));
  expectError("Datatype Load Error", "Cannot read Datatype file (" + path("missing.prg") + ")!");
  EXPECT_EQ(a.st.DatatypeMap[0], 9);
  EXPECT_FALSE(a.st.DatatypeHasFile);
}

TEST_F(MapFiles, TheDatatypeExportHoldsTheMapInUseRowByRow) {
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 256; ++x) a.st.DatatypeAt(x, y) = uint8_t(x + 2 * y);
  ASSERT_TRUE(ExportDatatype(a, path("types.bin")));
  const Bytes out = read("types.bin");
  ASSERT_EQ(out.size(), 1000u);
  EXPECT_EQ(out[0], 0);
  EXPECT_EQ(out[39], 39);   // (39, 0)
  EXPECT_EQ(out[40], 2);    // (0, 1)
  EXPECT_EQ(out[999], 87);  // (39, 24)
  EXPECT_EQ(a.st.MapWidthByte, 39);
  EXPECT_EQ(a.st.MapHeightByte, 24);
  EXPECT_EQ(a.st.ExportMap, out);
}

TEST_F(MapFiles, TheDatatypeExportOfAOneCellMapIsOneByte) {
  a.st.MapWidth = 1;
  a.st.MapHeight = 1;
  a.st.DatatypeMap[0] = 0x42;
  a.st.DatatypeMap[1] = 0x43;
  ASSERT_TRUE(ExportDatatype(a, path("one.bin")));
  EXPECT_EQ(read("one.bin"), (Bytes{0x42}));
}

TEST_F(MapFiles, FailedDatatypeWritesAreReported) {
  prompts.answerMsgBox(vbOK);
  EXPECT_FALSE(SaveDatatype(a, path("nofolder/t.prg")));
  expectError("Datatype Save Error", "Cannot write Datatype file (" + path("nofolder/t.prg") + ")!");
  prompts.answerMsgBox(vbOK);
  EXPECT_FALSE(ExportDatatype(a, path("nofolder/t.bin")));
  expectError("Datatype Save Error", "Cannot write Datatype file (" + path("nofolder/t.bin") + ")!");
}
