#pragma once
#include <QDir>
#include <array>

#include "editor/logic/DocumentFiles.h"
#include "editor/logic/MapEditing.h"
#include "editor/logic/TileSheet.h"
#include "model/DocumentLabel.h"
#include "model/Formats.h"
#include "platform/Color.h"
#include "render/MapRender.h"
#include "support/DistinctSheet.h"
#include "support/DocumentFilesHelpers.h"
#include "support/TestApp.h"

// Every document's bytes, name, path, has-file flag, label and recent list,
// the tile selection and the sheet: what a refusal or a failed write keeps.
// Compare with EXPECT_TRUE(everything(a) == before).
inline auto everything(App& a) {
  std::vector<std::string> ids;
  for (int k = kProject; k <= kColormap; ++k) {
    const DocIdentity id = Identity(a.st, k);
    const Label& l = DocumentLabel(a.frm, k);
    ids.insert(ids.end(), {id.name, id.path, id.hasFile ? "tied" : "", l.caption, l.tooltip});
    ids.insert(ids.end(), id.mru.begin(), id.mru.end());
  }
  const ProgramState& s = a.st;
  return std::make_tuple(ids, s.Datamap, s.DatatypeMap, s.Colormap, s.TileBytes, s.LoadAddrLo,
                         s.LoadAddrHi, s.MapWidth, s.MapHeight, TileUnder(a.frm.shpTileSelected),
                         a.frm.Frame1.enabled, a.frm.picTileView.image());
}

inline Bytes padded(Bytes head, size_t size, uint8_t fill) {
  head.resize(size, fill);
  return head;
}

// A .prg tileset whose bytes differ from tile to tile and from row to row.
inline Bytes prgTileset(uint8_t lo, uint8_t hi) {
  Bytes b{lo, hi};
  for (int i = 0; i < 2048; ++i) b.push_back(uint8_t((i * 37 + i / 8) % 256));
  return b;
}

// The started program; open() loads a document of every kind from files.
class Started : public AppTest {
 protected:
  Started() { startUp(); }
  void open() {  // a 40 x 25 map loading at $4010, cell i holding i mod 251
    Bytes map{0x10, 0x40, 40, 25};
    for (int i = 0; i < 32768; ++i) map.push_back(uint8_t(i % 251));
    for (auto [name, bytes, load] : {std::tuple{"t.prg", prgTileset(0x00, 0x30), &LoadTileset},
                                     {"m.map", map, LoadDatamap},
                                     {"c.prg", Bytes(258, 0x06), LoadColormap},
                                     {"d.prg", Bytes(32768, 0x04), LoadDatatype}}) {
      writeBytes(path(name), bytes);
      load(a, path(name));
    }
  }
  void mkdir(const std::string& name) { QDir().mkpath(QString::fromStdString(path(name))); }
};

inline float Mid(int cell) { return float(16 * cell + 7); }

using View = std::array<void (*)(App&, int, int, float, float), 3>;  // move, down, up
inline const View kMap{picMap_MouseMove, picMap_MouseDown, picMap_MouseUp};
inline const View kSheet{picTileView_MouseMove, picTileView_MouseDown, picTileView_MouseUp};

// A 256 x 128 map of tile 0 over a sheet of distinguishable tiles, tile 0 the brush.
class MapTest : public Started {
 protected:
  MapTest() {
    PaintDistinctSheet(a.frm.picTileView);
    RedrawMap(a);
    ResetTileSelection(a);
  }
  // Tile (c + 7 r) mod 256 in every cell, so that copies show where they came from.
  void fillWithPattern() {
    for (int r = 0; r < 128; ++r)
      for (int c = 0; c < 256; ++c) a.st.DatamapAt(c, r) = uint8_t((c + 7 * r) % 256);
    RedrawMap(a);
  }
  // A user's click: the mouse arrives, presses, releases.
  void click(const View& v, int col, int row, int button = 1, int shift = 0) {
    v[0](a, 0, shift, Mid(col), Mid(row));
    v[1](a, button, shift, Mid(col), Mid(row));
    v[2](a, button, shift, Mid(col), Mid(row));
  }
  // A right-button drag between two cells; shift is held at the release only.
  void drag(const View& v, int col0, int row0, int col1, int row1, int shift = 0) {
    v[0](a, 0, 0, Mid(col0), Mid(row0));
    v[1](a, 2, 0, Mid(col0), Mid(row0));
    v[0](a, 2, 0, Mid(col1), Mid(row1));
    v[2](a, 2, shift, Mid(col1), Mid(row1));
  }
  // Does the 16 x 16 block of pic at (px, py) show tile t as the sheet has it?
  static bool showsTile(const Picture& pic, int px, int py, int tile) {
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        if (pic.pixel(px + x, py + y) != SheetColor(tile, x, y)) return false;
    return true;
  }
};
