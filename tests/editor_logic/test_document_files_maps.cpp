#include "test_document_files.h"

using MapFiles = DocumentFilesTest;

TEST_F(MapFiles, ADatamapRoundTripKeepsCellsOutsideTheUsedAreaAndNothingMore) {
  open();  // m.map: 40 x 25, cell i holding i mod 251
  EXPECT_EQ(a.frm.lblMapSize.caption, "(40x25)");
  EXPECT_EQ(a.frm.lblMapName.caption, "m.map");
  EXPECT_EQ(a.st.DatamapMRU[0], path("m.map"));
  EXPECT_EQ(a.st.DatamapAt(200, 100), 198);  // 25800 mod 251, far outside the map
  writeBytes(path("old.map"), Bytes(40000, 0xEE));
  ASSERT_TRUE(SaveDatamap(a, path("old.map")));
  const Bytes out = readBytes(path("old.map"));
  ASSERT_EQ(out.size(), 32772u);
  EXPECT_EQ(out, readBytes(path("m.map")));
  EXPECT_EQ(a.st.DatamapPath, path("m.map"));  // recording a save is the Save command's

  writeBytes(path("short.map"), Bytes{0x00, 0x40, 40, 25, 9, 8});
  LoadDatamap(a, path("short.map"));
  EXPECT_EQ(Bytes(a.st.Datamap.begin(), a.st.Datamap.begin() + 3), (Bytes{9, 8, 0}));
  EXPECT_EQ(a.st.Datamap[32767], 0);
}

TEST_F(MapFiles, ColormapsOf258And262BytesLoadAndSaveAs258WithColourZeroAsOne) {
  open();  // c.prg: 258 bytes of 6
  EXPECT_EQ(a.st.Colormap[257], 0x06);
  Bytes longer(262, 0x03);
  longer[0] = 0x00;  // the load address is no colour
  longer[7] = 0x00;  // tile 5
  writeBytes(path("long.prg"), longer);
  LoadColormap(a, path("long.prg"));
  EXPECT_EQ(a.st.ColormapMRU[0], path("long.prg"));
  // Tile 0, row 1, pixel 2 is set: now drawn in colour 3.
  EXPECT_EQ(a.frm.picTileView.pixel(4, 2), a.st.Palette[3]);
  ASSERT_EQ(a.st.Colormap[7], 0x00);
  ASSERT_TRUE(SaveColormap(a, path("back.prg")));
  const Bytes out = readBytes(path("back.prg"));
  ASSERT_EQ(out.size(), 258u);
  EXPECT_EQ(Bytes(out.begin(), out.begin() + 9), (Bytes{0, 3, 3, 3, 3, 3, 3, 1, 3}));
  EXPECT_EQ(out[257], 0x03);
  EXPECT_EQ(a.st.Colormap[7], 0x01);
}

TEST_F(MapFiles, TheDatatypeLayerRoundTripsAndExportsTheUsedCells) {
  Bytes tags(32768);
  for (size_t i = 0; i < tags.size(); ++i) tags[i] = uint8_t(i * 13 % 256);
  writeBytes(path("types.prg"), tags);
  LoadDatatype(a, path("types.prg"));
  EXPECT_EQ(a.frm.lblTYPEName.caption, "types.prg");
  EXPECT_EQ(a.st.DatatypeMRU[0], path("types.prg"));
  ASSERT_TRUE(SaveDatatype(a, path("again.prg")));
  EXPECT_EQ(readBytes(path("again.prg")), tags);
  a.st.MapWidth = a.st.MapHeight = 2;  // cells 0, 1, 256, 257
  ASSERT_TRUE(ExportDatatype(a, path("two.bin")));
  EXPECT_EQ(readBytes(path("two.bin")), (Bytes{0x00, 0x0D, 0x00, 0x0D}));
  a.st.MapWidth = a.st.MapHeight = 1;
  a.st.DatatypeMap[0] = 0x42;
  ASSERT_TRUE(ExportDatatype(a, path("one.bin")));
  EXPECT_EQ(readBytes(path("one.bin")), (Bytes{0x42}));
}
