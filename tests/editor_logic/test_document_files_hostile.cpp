#include "editor/logic/DatamapCommands.h"
#include "editor/logic/DatatypeCommands.h"
#include "platform/FileAccess.h"
#include "test_document_files.h"

// Files that cannot be read or written, and damaged or random ones: every
// refusal says so and leaves every open document as it was.

using HostileFiles = DocumentFilesTest;
using Loader = void (*)(App&, const std::string&);

static int kindOf(Loader load) {
  return load == LoadTileset ? kTileset : load == LoadDatamap ? kDatamap
                                          : load == LoadColormap ? kColormap : kDatatype;
}
static const std::pair<Loader, std::string> kLoaders[] = {
    {LoadTileset, "Tileset"}, {LoadDatamap, "Datamap"}, {LoadColormap, "Colormap"},
    {LoadDatatype, "Datatype"}};

TEST_F(HostileFiles, RefusedFilesSayWhyAndChangeNothing) {
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
  const auto before = documents(a);
  for (const auto& [load, file, message] : refusals) {
    prompts.answerMsgBox(vbOK);
    load(a, file);
    expectStop(message);
    EXPECT_TRUE(documents(a) == before) << file;
  }
}

TEST_F(HostileFiles, AFailedSaveIsReportedAndKeepsTheOldFileAndEveryIdentity) {
  open();
  a.st.LoadAddrLo = a.st.LoadAddrHi = a.st.Colormap[7] = 0;  // a failed save keeps 00 00, colour 0
  const auto before = documents(a);
  using Saver = bool (*)(App&, const std::string&);
  const std::tuple<Saver, std::string, std::string, rlim_t> savers[] = {
      {SaveTileset, "Tileset", "prg", 2049},     {SaveTileset, "Tileset", "chr", 2047},
      {SaveTileset, "Tileset", "bmp", 196661},   {SaveDatamap, "Datamap", "map", 32771},
      {SaveColormap, "Colormap", "cmp", 257},    {SaveDatatype, "Datatype", "typ", 32767},
      {ExportDatatype, "Datatype", "bin", 999}};  // 40 x 25
  for (const auto& [save, kind, ext, limitBytes] : savers) {
    mkdir("taken." + ext + "/inside");
    writeBytes(path("old." + ext), Bytes{9, 8, 7});
    for (const std::string& name : {"no/such/x." + ext, "taken." + ext, "old." + ext}) {
      prompts.answerMsgBox(vbOK);
      {
        FileSizeLimit limit(limitBytes);  // one byte short of what the save writes
        EXPECT_FALSE(save(a, path(name))) << name;
      }
      expectStop(kind + " Save Error | Cannot write " + kind + " file (" + path(name) + ")!");
      EXPECT_TRUE(documents(a) == before) << name;
    }
    EXPECT_EQ(readBytes(path("old." + ext)), (Bytes{9, 8, 7}));
    EXPECT_TRUE(QDir(QString::fromStdString(path("taken." + ext + "/inside"))).exists());
  }
  prompts.answerMsgBox(vbOK);
  EXPECT_FALSE(SaveTileset(a, path("tiles.txt")));
  expectStop("Tileset Save Error | Invalid Tileset Type (" + path("tiles.txt") +
             ") must be (PRG, CHR or BMP)");
  EXPECT_FALSE(FileExists(path("tiles.txt")));
  EXPECT_TRUE(documents(a) == before);
}

TEST_F(HostileFiles, AFailedExportIsReportedAndKeepsTheOldFile) {
  open();  // a 40 x 25 map: exports of 1002 and 1000 bytes
  const std::tuple<void (*)(App&), std::string, rlim_t> exports[] = {
      {mnuDatamapExport_Click, "Datamap", 1001}, {mnuDatatypeExport_Click, "Datatype", 999}};
  for (const auto& [command, kind, limitBytes] : exports) {
    writeBytes(path("old.exp"), Bytes{9, 8, 7});
    prompts.answerSave(path("old.exp")).answerMsgBox(vbOK);
    {
      FileSizeLimit limit(limitBytes);  // one byte short of the export
      command(a);
    }
    EXPECT_EQ(prompts.last().title + " | " + prompts.last().text,
              kind + " Save Error | Cannot write " + kind + " file (" + path("old.exp") + ")!");
    EXPECT_EQ(readBytes(path("old.exp")), (Bytes{9, 8, 7})) << kind;
  }
}

TEST_F(HostileFiles, HugeAndEndlessFilesAreReadOnlyAsFarAsTheirFormatReaches) {
  open();
  // Cut to 32 bits, this length would pass as a colormap's 258.
  constexpr uint64_t kHuge = (uint64_t(1) << 32) + 258;
  for (const char* name : {"huge.prg", "huge.chr", "huge.bmp", "huge.map", "huge.typ", "huge.cmp"})
    ASSERT_TRUE(writeSparse(path(name), kHuge));
  ASSERT_TRUE(writeSparse(path("sheet.bmp"), kHuge, readBytes(fixturePath("sheet-8bit-bottomup.bmp"))));
  const struct {
    Loader load;
    std::string file, shown;  // "" when the load shows nothing
    uint64_t reads;           // at most this many bytes of the file
  } rows[] = {
      {LoadTileset, "huge.prg", "", 2050},
      {LoadTileset, "huge.chr", "", 2048},
      {LoadTileset, "huge.bmp", "Tileset Load Error | Invalid BITMAP File (" + path("huge.bmp") + ")!",
       kTilesheetBmpMaxBytes},
      {LoadTileset, "sheet.bmp", "BMP Tilesets | Tileset Editing and Palette Changes Disabled!",
       kTilesheetBmpMaxBytes},
      {LoadDatamap, "huge.map", "", 32772},
      {LoadDatatype, "huge.typ", "", 32768},
      {LoadColormap, "huge.cmp",
       "Colormap Load Error | Invalid Colormap Size (4294967554) must be (258 or 262)", 0},
  };
  // The recent-file list rewrites the settings file: a few hundred bytes more.
  constexpr uint64_t kSettings = 4096;
  for (const auto& r : rows) {
    prompts.clearShown();
    if (!r.shown.empty()) prompts.answerMsgBox(vbOK);
    const uint64_t before = bytesReadSoFar();
    r.load(a, path(r.file));
    EXPECT_LE(bytesReadSoFar() - before, r.reads + kSettings) << r.file;
    const bool loaded = r.shown.empty() || r.shown.rfind("BMP", 0) == 0;
    EXPECT_EQ(Identity(a.st, loaded ? kindOf(r.load) : kProject).path == path(r.file), loaded);
    EXPECT_EQ(prompts.shown().empty() ? ""
                                      : prompts.last().title + " | " + prompts.last().text,
              r.shown);
  }
  EXPECT_EQ(a.st.TileBytes, Bytes(2048, 0));  // the zeros of huge.chr
  // Records its length as 0 and never ends: cut, or refused as unreadable.
  for (const auto& [load, kind] : kLoaders) {
    if (load == LoadTileset) continue;  // "pagemap" names no tileset form
    ScriptedPrompts script;
    script.answerMsgBox(vbOK);
    a.prompts = &script;
    const uint64_t before = bytesReadSoFar();
    load(a, "/proc/self/pagemap");
    EXPECT_LE(bytesReadSoFar() - before, 32772 + kSettings) << kind;
    a.prompts = &prompts;
  }
}

TEST_F(HostileFiles, RandomAndDamagedFilesLoadSafelyOrChangeNothing) {
  QuietQt quiet;
  open();
  std::mt19937 rng(4);
  const Bytes seeds[] = {
      readBytes(path("t.prg")), readBytes(path("m.map")), readBytes(path("c.prg")),
      readBytes(fixturePath("sheet-8bit-bottomup.bmp")),
      readBytes(fixturePath("sheet-8bit-rle.bmp"))};
  for (int i = 0; i < 300; ++i) {
    const Bytes b = i < 60 ? randomBytes(rng, rng() % 3000) : mutate(rng, seeds[i % 5]);
    const bool bitmap = i % 5 >= 3;
    const auto& [load, kind] = bitmap ? kLoaders[0] : kLoaders[rng() % 4];
    const std::string file = path(bitmap ? "h.bmp" : "h.prg");
    writeBytes(file, b);
    const auto before = documents(a);
    ScriptedPrompts script;
    script.answerMsgBox(vbOK);  // a refusal, or the notice of a bitmap tileset
    a.prompts = &script;
    load(a, file);
    a.prompts = &prompts;
    const bool refused = !script.shown().empty() && script.last().title == kind + " Load Error";
    const bool mustRefuse = kind == "Datamap" ? b.size() < 4
                            : kind == "Colormap" && b.size() != 258 && b.size() != 262;
    if (!bitmap) { EXPECT_EQ(refused, mustRefuse) << kind << " " << b.size() << " bytes"; }
    if (refused) {
      EXPECT_TRUE(documents(a) == before) << kind << " " << b.size() << " bytes";
    }
    EXPECT_EQ(QSize(a.frm.picMap.width(), a.frm.picMap.height()),
              QSize(16 * a.st.MapWidth, 16 * a.st.MapHeight));
    EXPECT_EQ(a.frm.picTileView.image().size(), QSize(512, 128));
  }
}
