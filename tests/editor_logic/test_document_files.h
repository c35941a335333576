#pragma once
#include <QDir>

#include "editor/logic/DocumentFiles.h"
#include "model/Formats.h"
#include "platform/Color.h"
#include "support/DocumentFilesHelpers.h"
#include "support/TestApp.h"

// Everything a load or a failed save could change; compare with EXPECT_TRUE(... == ...).
inline auto documents(const App& a) {
  const ProgramState& s = a.st;
  return std::make_tuple(
      s.Datamap, s.DatatypeMap, s.Colormap, s.TileBytes, s.LoadAddrLo, s.LoadAddrHi,
      s.MapWidthByte, s.MapHeightByte, s.MapWidth, s.MapHeight, s.TilesetPath, s.TilesetFile,
      s.DatamapPath, s.ColormapPath, s.DatatypePath, s.TilesetMRU, s.DatamapMRU, s.ColormapMRU,
      s.DatatypeMRU, a.frm.lblTileName.caption, a.frm.Frame1.enabled, a.frm.picTileView.image());
}

// A .prg tileset whose bytes differ from tile to tile and from row to row.
inline Bytes prgTileset(uint8_t lo, uint8_t hi) {
  Bytes b{lo, hi};
  for (int i = 0; i < 2048; ++i) b.push_back(uint8_t((i * 37 + i / 8) % 256));
  return b;
}

// The started program; open() gives it a document of every kind from files.
class DocumentFilesTest : public AppTest {
 protected:
  void SetUp() override { startUp(); }

  void open() {
    writeBytes(path("t.prg"), prgTileset(0x00, 0x30));
    LoadTileset(a, path("t.prg"));
    Bytes map{0x00, 0x40, 40, 25};
    for (int i = 0; i < 32768; ++i) map.push_back(uint8_t(i % 251));
    writeBytes(path("m.map"), map);
    LoadDatamap(a, path("m.map"));
    writeBytes(path("c.prg"), Bytes(258, 0x06));
    LoadColormap(a, path("c.prg"));
    writeBytes(path("d.prg"), Bytes(32768, 0x04));
    LoadDatatype(a, path("d.prg"));
  }

  // Expects one message since the last check: a stop icon saying "<title> | <text>".
  void expectStop(const std::string& titleAndText) {
    ASSERT_EQ(prompts.shown().size(), 1u) << titleAndText;
    EXPECT_EQ(prompts.last().style, vbCritical);
    EXPECT_EQ(prompts.last().title + " | " + prompts.last().text, titleAndText);
    prompts.clearShown();
  }
  void mkdir(const std::string& name) { QDir().mkpath(QString::fromStdString(path(name))); }
};
