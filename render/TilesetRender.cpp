#include "render/TilesetRender.h"

#include <algorithm>

#include "model/App.h"
#include "platform/FileNames.h"
#include "render/MapRender.h"

namespace {

constexpr int kSheetCols = 32;
constexpr int kSheetRows = 8;
constexpr int kTiles = kSheetCols * kSheetRows;

bool isBmpTileset(const std::string& file) { return UpperExt3(file) == "BMP"; }

// The pixels hold colours without a high byte; a palette entry is compared in
// the same form so that a stray high byte cannot make every pixel "set".
int32_t background(const ProgramState& st) { return st.Palette[0] & 0xFFFFFF; }

// Calls f(bitIndex, pixelColour) for the 16384 pixels of picTileData in tileset
// bit order: tile by tile, row by row, leftmost pixel first.
template <class F>
void forEachTilePixel(const Picture& data, F f) {
  int bit = 0;
  for (int R = 0; R < kSheetRows; ++R)
    for (int C = 0; C < kSheetCols; ++C)
      for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) f(bit++, data.pixel(8 * C + x, 8 * R + y));
}

Bytes tileBytesOf(const Picture& data, int32_t back) {
  Bytes bytes(size_t(kTiles) * 8, 0);
  forEachTilePixel(data, [&](int i, int32_t c) {
    if (c != back) bytes[size_t(i / 8)] |= uint8_t(0x80 >> (i % 8));
  });
  return bytes;
}

}  // namespace

void ClearTilePicture(App& a, Picture& picture) {
  picture.setBackColor(background(a.st));
  picture.clear();
}

void RenderTileset(App& a) {
  ProgramState& st = a.st;
  if (isBmpTileset(st.TilesetFile)) return;

  Picture& data = a.frm.picTileData;
  ClearTilePicture(a, data);
  QImage& img = data.mutableImage();
  const int w = img.width(), h = img.height();
  uchar* base = img.bits();
  const size_t bpl = size_t(img.bytesPerLine());
  const QRgb back = toQRgb(st.Palette[0]);
  for (int t = 0; t < kTiles; ++t) {
    const QRgb ink = toQRgb(st.Palette[st.Colormap[size_t(t) + 2] & 0x0F]);
    const int px = 8 * (t % kSheetCols), py = 8 * (t / kSheetCols);
    for (int y = 0; y < 8 && py + y < h; ++y) {
      const size_t i = size_t(8 * t + y);
      // No tileset bytes yet (or a short array): every missing bit is 0.
      const uint8_t bits = i < st.TileBytes.size() ? st.TileBytes[i] : 0;
      QRgb* row = reinterpret_cast<QRgb*>(base + size_t(py + y) * bpl);
      for (int x = 0; x < 8 && px + x < w; ++x)
        row[px + x] = (bits & (0x80 >> x)) ? ink : back;
    }
  }
  data.refresh();

  Picture& sheet = a.frm.picTileView;
  sheet.scaledCopyFrom(data, 0, 0, sheet.width(), sheet.height());
}

Bytes TilesetToBytes(App& a) { return tileBytesOf(a.frm.picTileData, background(a.st)); }

Bytes SheetToBytes(const App& a) {
  const Picture& data = a.frm.picTileData;
  Picture halved(data.width(), data.height());
  halved.scaledCopyFrom(a.frm.picTileView, 0, 0, halved.width(), halved.height());
  return tileBytesOf(halved, background(a.st));
}

void LoadTileEditor(App& a) {
  const int32_t back = background(a.st);
  const Picture& tile = a.frm.picTileSelectedData;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      const int32_t c = tile.pixel(x, y);
      a.st.TilePixels[size_t(x + 8 * y)] = c;
      a.frm.picTileBits[size_t(x + 8 * y)] = c;
      if (c != back) a.frm.picMultiColor[0] = c;
    }
}

void CommitTileEdit(App& a) {
  MainForm& f = a.frm;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      f.picTileSelectedData.setPixel(x, y, f.picTileBits[size_t(x + 8 * y)]);

  Picture& brush = f.picTileSelected;
  brush.scaledCopyFrom(f.picTileSelectedData, 0, 0, brush.width(), brush.height());
  if (a.st.HoverPreview) {
    f.picTileSelectedHover.resize(brush.width(), brush.height());
    Picture::bitBlt(f.picTileSelectedHover, 0, 0, brush.width(), brush.height(), brush, 0, 0);
  }
  // A block brush shows the edited tile stretched, but only the block's
  // top-left tile on the sheet takes the edit.
  f.picTileView.scaledCopyFrom(brush, f.shpTileSelected.left, f.shpTileSelected.top, 16, 16);
  f.picTileData.scaledCopyFrom(f.picTileView, 0, 0, f.picTileData.width(), f.picTileData.height());
  // Only the edited tile's image changed: its cells are all a redraw would change.
  RedrawMapChanges(a);
}

void TakeEditedTileFromBrush(App& a) {
  Picture corner(16, 16, a.frm.picTileSelected.backColor());
  Picture::bitBlt(corner, 0, 0, 16, 16, a.frm.picTileSelected, 0, 0);
  a.frm.picTileSelectedData.scaledCopyFrom(corner, 0, 0, a.frm.picTileSelectedData.width(),
                                           a.frm.picTileSelectedData.height());
}
