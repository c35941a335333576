#include "editor/logic/IdentifyTiles.h"
#include "editor/logic/TilesetCommands.h"
#include "logic_fixture.h"

// The formats through their loaders and savers byte for byte, and files that
// cannot be taken: every refusal says so and leaves every open document as it was.

using DocumentFiles = Started;
using Loader = bool (*)(App&, const std::string&);
static const std::pair<Loader, std::string> kLoaders[] = {{LoadTileset, "Tileset"},
                                                          {LoadDatamap, "Datamap"},
                                                          {LoadColormap, "Colormap"},
                                                          {LoadDatatype, "Datatype"}};

TEST_F(DocumentFiles, TilesetsSaveByteExactAndANewOneAsEmptyTilesWhateverColourZeroIs) {
  writeBytes(path("long.chr"), padded(Bytes(2048, 0x81), 4096, 0x18));
  LoadTileset(a, path("long.chr"));  // its first 256 tiles
  ASSERT_TRUE(SaveTileset(a, path("t.prg")));
  EXPECT_EQ(readBytes(path("t.prg")), padded({0x00, 0x70}, 2050, 0x81));

  // Saved from the sheet, so everything the sheet shows must come back as bytes.
  const Bytes prg = prgTileset(0x00, 0x30);
  writeBytes(path("in.prg"), prg);
  LoadTileset(a, path("in.prg"));
  ASSERT_TRUE(SaveTileset(a, path("out.prg")) && SaveTileset(a, path("out.chr")));
  EXPECT_EQ(readBytes(path("out.prg")), prg);
  EXPECT_EQ(readBytes(path("out.chr")), Bytes(prg.begin() + 2, prg.end()));
  a.st.Palette[0] = RGBColor(10, 20, 30);
  prompts.answerMsgBox(vbYes);
  mnuTilesetNew_Click(a);
  EXPECT_EQ(std::count(a.st.TilePixels.begin(), a.st.TilePixels.end(), a.st.Palette[0]), 64);
  ASSERT_TRUE(SaveTileset(a, path("new.prg")));
  EXPECT_EQ(readBytes(path("new.prg")), padded({0x00, 0x30}, 2050, 0x00));
}

TEST_F(DocumentFiles, OurBitmapSheetIs24BitAndReadsBackThroughTheSameLoader) {
  open();
  const QImage sheet = a.frm.picTileView.image();
  ASSERT_TRUE(SaveTileset(a, path("own.bmp")));
  const Bytes file = readBytes(path("own.bmp"));
  EXPECT_EQ(Bytes(file.begin() + 18, file.begin() + 30),
            (Bytes{0x00, 0x02, 0, 0, 0x80, 0, 0, 0, 1, 0, 24, 0}));  // 512 x 128, 24 bits
  LoadTileset(a, path("t.prg"));
  prompts.answerMsgBox(vbOK);
  LoadTileset(a, path("own.bmp"));
  EXPECT_TRUE(a.frm.picTileView.image() == sheet);
  // The tiles-used image, the sheet with a frame on every used tile, is an
  // export: the tileset stays tied to its own file.
  LoadTileset(a, path("t.prg"));
  mnuIdentify_Click(a);
  prompts.answerSave(path("used.bmp"));
  ASSERT_EQ(mnuTilesetSave_Click(a), SaveResult::Saved);
  const QImage used(QString::fromStdString(path("used.bmp")), "bmp");
  const auto at = [&](int x, int y) { return fromQRgb(used.pixel(x, y)); };  // tile 33, framed
  EXPECT_EQ(std::vector({at(16, 16), at(31, 24), at(24, 31)}), std::vector(3, a.st.SelectColor));
  EXPECT_EQ(at(21, 20), fromQRgb(sheet.pixel(21, 20)));
  const Bytes image = readBytes(path("used.bmp"));
  mnuIdentify_Click(a);
  EXPECT_TRUE(a.frm.Frame1.enabled && a.frm.Frame3.enabled && a.frm.Frame4.enabled);  // unlocked
  writeBytes(path("t.prg"), {});
  EXPECT_EQ(mnuTilesetSave_Click(a), SaveResult::Saved);  // no dialog
  EXPECT_TRUE(readBytes(path("t.prg")) == prgTileset(0x00, 0x30) &&
              readBytes(path("used.bmp")) == image && a.st.TilesetMRU[0] == path("t.prg"));
}

TEST_F(DocumentFiles, ADatamapKeepsItsCellsOutsideTheMapAndAColormapSavesColourZeroAsOne) {
  open();  // m.map: 40 x 25, every cell set, far outside the map too
  ASSERT_TRUE(SaveDatamap(a, path("old.map")));
  EXPECT_EQ(readBytes(path("old.map")), readBytes(path("m.map")));  // 32772 bytes
  Bytes colours(262, 0x03);
  colours[0] = colours[7] = 0x00;  // no colour in the load address; tile 5 in colour 0
  writeBytes(path("long.prg"), colours);
  LoadColormap(a, path("long.prg"));
  EXPECT_EQ(a.frm.picTileView.pixel(4, 2), a.st.Palette[3]);  // a set pixel of tile 0
  ASSERT_TRUE(SaveColormap(a, path("back.prg")));
  EXPECT_EQ(readBytes(path("back.prg")), padded({0, 3, 3, 3, 3, 3, 3, 1}, 258, 3));
}

TEST_F(DocumentFiles, RefusedFilesSayWhyAndChangeNothing) {
  open();
  mkdir("folder.prg");
  FifoWithWriter pipe(path("pipe.prg"));
  ASSERT_TRUE(pipe.ok());
  writeBytes(path("s.map"), Bytes{0x00, 0x40, 40});
  writeBytes(path("a.txt"), prgTileset(0x00, 0x30));
  writeBytes(path("f.bmp"), prgTileset(0x42, 0x4D));  // starts "BM", the rest is no bitmap
  writeBytes(path("bad.prg"), Bytes(257, 0x05));
  const auto in = [&](const std::string& name) { return " (" + path(name) + ")"; };
  std::vector<std::tuple<Loader, std::string, std::string>> refusals = {
      {LoadDatamap, path("s.map"), "Datamap Load Error | Invalid Datamap File" + in("s.map") + "!"},
      {LoadTileset, path("a.txt"),
       "Tileset Load Error | Invalid Tileset Type" + in("a.txt") + " must be (PRG, CHR or BMP)"},
      {LoadTileset, fixturePath("sheet-256x64.bmp"),
       "Tileset Load Error | Invalid Tileset Size (256 x 64) must be (512 x 128)"},
      {LoadTileset, path("f.bmp"), "Tileset Load Error | Invalid BITMAP File" + in("f.bmp") + "!"},
      {LoadColormap, path("bad.prg"),
       "Colormap Load Error | Invalid Colormap Size (257) must be (258 or 262)"}};
  for (const auto& [load, kind] : kLoaders)
    for (const std::string name : {"missing.prg", "folder.prg", "pipe.prg"})
      refusals.emplace_back(load, path(name),
                            kind + " Load Error | Cannot read " + kind + " file" + in(name) + "!");
  const auto before = everything(a);
  for (const auto& [load, file, message] : refusals) {
    prompts.clearShown();
    prompts.answerMsgBox(vbOK);
    EXPECT_FALSE(load(a, file)) << file;
    ASSERT_EQ(prompts.shown().size(), 1u) << file;
    EXPECT_EQ(prompts.lastMessage(), message);
    EXPECT_EQ(prompts.last().style, vbCritical) << file;
    EXPECT_TRUE(everything(a) == before) << file;
  }
}

TEST_F(DocumentFiles, HugeFilesAreReadOnlyAsFarAsTheirFormatReaches) {
  open();
  constexpr uint64_t kHuge = (uint64_t(1) << 32) + 258;  // cut to 32 bits: a colormap's size
  for (const char* name : {"huge.prg", "huge.map", "huge.typ", "huge.cmp"})
    ASSERT_TRUE(writeSparse(path(name), kHuge));
  ASSERT_TRUE(
      writeSparse(path("sheet.bmp"), kHuge, readBytes(fixturePath("sheet-8bit-bottomup.bmp"))));
  // loader, file, bytes it may read at most, what it shows
  const std::tuple<Loader, std::string, uint64_t, std::string> rows[] = {
      {LoadTileset, "huge.prg", 2050, ""},
      {LoadTileset, "sheet.bmp", kTilesheetBmpMaxBytes,
       "BMP Tilesets | Tileset Editing and Palette Changes Disabled!"},
      {LoadDatamap, "huge.map", 32772, ""},
      {LoadDatatype, "huge.typ", 32768, ""},
      {LoadColormap, "huge.cmp", 0,
       "Colormap Load Error | Invalid Colormap Size (4294967554) must be (258 or 262)"}};
  for (const auto& [load, file, reads, shown] : rows) {
    prompts.clearShown();
    if (!shown.empty()) prompts.answerMsgBox(vbOK);
    const uint64_t before = bytesReadSoFar();
    load(a, path(file));
    // The recent-file list rewrites the settings file: a few hundred bytes more.
    EXPECT_LE(bytesReadSoFar() - before, reads + 4096) << file;
    EXPECT_EQ(prompts.shown().empty() ? "" : prompts.lastMessage(), shown);
  }
  EXPECT_EQ(std::tuple(a.st.TilesetPath, a.st.DatamapPath, a.st.DatatypePath, a.st.ColormapPath),
            std::tuple(path("sheet.bmp"), path("huge.map"), path("huge.typ"), path("c.prg")));
  // Records no length and never ends: cut, or refused (a leftover answer goes unasked).
  for (const auto& [load, kind] : kLoaders) {
    if (load == LoadTileset) continue;  // "pagemap" names no tileset form
    prompts.answerMsgBox(vbOK);
    const uint64_t before = bytesReadSoFar();
    load(a, "/proc/self/pagemap");
    EXPECT_LE(bytesReadSoFar() - before, 32772 + 4096) << kind;
  }
}
