#include <QImage>
#include <functional>
#include <random>

#include "test_document_files_env.h"

using namespace docfiles_test;

// Truncated, empty, oversized, random and mutated files given to every loader:
// under the sanitizers none may crash or touch memory it does not own, and a
// refused file must leave every open document as it was.

namespace {

struct QuietQt {
  QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&,
                                                        const QString&) {});
  ~QuietQt() { qInstallMessageHandler(previous); }
};

// Everything a load may change.
struct Documents {
  CellArray datamap, datatype;
  std::array<uint8_t, 258> colormap;
  Bytes tileBytes;
  uint8_t lo, hi, wb, hb;
  int16_t w, h;
  std::string tileset, datamapPath, colormapPath, datatypePath;
  std::array<std::string, 5> mruTile, mruMap, mruCmap, mruType;
  QImage sheet;

  explicit Documents(const App& a)
      : datamap(a.st.Datamap), datatype(a.st.DatatypeMap), colormap(a.st.Colormap),
        tileBytes(a.st.TileBytes), lo(a.st.LoadAddrLo), hi(a.st.LoadAddrHi),
        wb(a.st.MapWidthByte), hb(a.st.MapHeightByte), w(a.st.MapWidth), h(a.st.MapHeight),
        tileset(a.st.TilesetPath), datamapPath(a.st.DatamapPath),
        colormapPath(a.st.ColormapPath), datatypePath(a.st.DatatypePath),
        mruTile(a.st.TilesetMRU), mruMap(a.st.DatamapMRU), mruCmap(a.st.ColormapMRU),
        mruType(a.st.DatatypeMRU), sheet(a.frm.picTileView.image()) {}

  bool operator==(const Documents& o) const {
    return datamap == o.datamap && datatype == o.datatype && colormap == o.colormap &&
           tileBytes == o.tileBytes && lo == o.lo && hi == o.hi && wb == o.wb && hb == o.hb &&
           w == o.w && h == o.h && tileset == o.tileset && datamapPath == o.datamapPath &&
           colormapPath == o.colormapPath && datatypePath == o.datatypePath &&
           mruTile == o.mruTile && mruMap == o.mruMap && mruCmap == o.mruCmap &&
           mruType == o.mruType && sheet == o.sheet;
  }
};

Bytes randomBytes(std::mt19937& rng, size_t n) {
  Bytes b(n);
  for (auto& v : b) v = uint8_t(rng());
  return b;
}

Bytes mutate(std::mt19937& rng, Bytes b) {
  switch (rng() % 3) {
    case 0:
      for (int i = 0, n = 1 + int(rng() % 6); i < n && !b.empty(); ++i)
        b[rng() % b.size()] = uint8_t(rng());
      break;
    case 1:
      b.resize(b.empty() ? 0 : rng() % b.size());
      break;
    default:
      b.resize(b.size() + 1 + rng() % 5000, uint8_t(rng()));
      break;
  }
  return b;
}

class HostileFiles : public DocumentFiles {
 protected:
  void SetUp() override {
    DocumentFiles::SetUp();
    // Open documents, so that a refusal has something to keep.
    write("t.prg", PrgTileset(0x00, 0x30));
    LoadTileset(a, path("t.prg"));
    Bytes map{0x00, 0x40, 40, 25};
    map.resize(32772, 0x21);
    write("m.map", map);
    LoadDatamap(a, path("m.map"));
    write("c.prg", Bytes(258, 0x06));
    LoadColormap(a, path("c.prg"));
    write("d.prg", Bytes(32768, 0x04));
    LoadDatatype(a, path("d.prg"));
  }

  // Runs one loader on the bytes. A refusal must change nothing; an acceptance
  // must tie the document to the file. Returns whether it was accepted.
  bool tryLoad(const std::string& name, const Bytes& bytes,
               void (*load)(App&, const std::string&), const std::string& errorTitle) {
    write(name, bytes);
    ScriptedPrompts script;
    script.answerMsgBox(vbOK);  // at most one message: a refusal or the bitmap notice
    a.prompts = &script;
    const Documents before(a);
    load(a, path(name));
    a.prompts = &prompts;
    EXPECT_LE(script.shown().size(), 1u);
    const bool refused = !script.shown().empty() && script.last().title == errorTitle;
    if (refused) {
      EXPECT_TRUE(Documents(a) == before) << name << " (" << bytes.size() << " bytes)";
    }
    return !refused;
  }
};

}  // namespace

TEST_F(HostileFiles, DatamapLoaderTakesAnyFileWithAHeaderAndRefusesTheRest) {
  std::mt19937 rng(1);
  for (size_t n : {0, 1, 3, 4, 5, 32771, 32772, 32773, 200000}) {
    const bool ok = tryLoad("h.map", randomBytes(rng, n), LoadDatamap, "Datamap Load Error");
    EXPECT_EQ(ok, n >= 4) << n;
    if (ok) {
      EXPECT_GE(a.st.MapWidth, 1);
      EXPECT_LE(a.st.MapWidth, 256);
      EXPECT_GE(a.st.MapHeight, 1);
      EXPECT_LE(a.st.MapHeight, 128);
      EXPECT_EQ(a.frm.picMap.width(), 16 * a.st.MapWidth);
      EXPECT_EQ(a.frm.picMap.height(), 16 * a.st.MapHeight);
    }
  }
  const Bytes seed = readWholeFile(path("m.map")).value();
  for (int i = 0; i < 40; ++i) {
    const Bytes b = mutate(rng, seed);
    EXPECT_EQ(tryLoad("h.map", b, LoadDatamap, "Datamap Load Error"), b.size() >= 4);
  }
}

TEST_F(HostileFiles, ColormapLoaderTakesOnlyItsTwoSizes) {
  std::mt19937 rng(2);
  for (size_t n : {0, 1, 257, 258, 259, 262, 263, 100000}) {
    EXPECT_EQ(tryLoad("h.prg", randomBytes(rng, n), LoadColormap, "Colormap Load Error"),
              n == 258 || n == 262)
        << n;
  }
  for (int i = 0; i < 40; ++i) {
    const Bytes b = mutate(rng, Bytes(258, 0x03));
    EXPECT_EQ(tryLoad("h.prg", b, LoadColormap, "Colormap Load Error"),
              b.size() == 258 || b.size() == 262);
  }
}

TEST_F(HostileFiles, DatatypeAndCharacterLoadersTakeAnyReadableFile) {
  std::mt19937 rng(3);
  for (size_t n : {0, 1, 2, 2049, 2050, 2051, 32768, 70000}) {
    EXPECT_TRUE(tryLoad("h.prg", randomBytes(rng, n), LoadDatatype, "Datatype Load Error"));
    EXPECT_TRUE(tryLoad("h.prg", randomBytes(rng, n), LoadTileset, "Tileset Load Error"));
    EXPECT_EQ(a.st.TileBytes.size(), 2048u);
    EXPECT_TRUE(tryLoad("h.chr", randomBytes(rng, n), LoadTileset, "Tileset Load Error"));
    EXPECT_EQ(a.st.TileBytes.size(), 2048u);
  }
}

TEST_F(HostileFiles, BitmapLoaderRefusesDamagedBitmapsWithoutTouchingTheSheet) {
  QuietQt quiet;
  std::mt19937 rng(4);
  for (size_t n : {0, 1, 2, 14, 54, 2050, 70000})
    EXPECT_FALSE(tryLoad("h.bmp", randomBytes(rng, n), LoadTileset, "Tileset Load Error")) << n;

  const Bytes seeds[] = {
      readWholeFile(std::string(MW_FIXTURES) + "/sheet-8bit-bottomup.bmp").value(),
      readWholeFile(std::string(MW_FIXTURES) + "/sheet-24bit-topdown.bmp").value(),
      readWholeFile(std::string(MW_FIXTURES) + "/sheet-8bit-rle.bmp").value()};
  for (const Bytes& seed : seeds) {
    for (int i = 0; i < 25; ++i) {
      // Headers are where a reader goes wrong: mutate the first 80 bytes most.
      Bytes b = seed;
      if (rng() % 2) {
        for (int k = 0, n = 1 + int(rng() % 3); k < n; ++k) b[rng() % 80] = uint8_t(rng());
      } else {
        b = mutate(rng, seed);
      }
      if (tryLoad("h.bmp", b, LoadTileset, "Tileset Load Error")) {
        EXPECT_EQ(a.frm.picTileView.width(), 512);
        EXPECT_EQ(a.frm.picTileView.height(), 128);
      }
    }
  }
}
