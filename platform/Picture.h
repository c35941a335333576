#pragma once
#include <QImage>
#include <QRect>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Color.h"

struct FontSpec {
  std::string family = "DejaVu Sans";
  int pixelSize = 11;  // 8.25 pt at 96 dpi
  bool bold = true;
};

// A picture box's persistent off-screen image, with the few drawing operations
// the editor uses. Its content is only ever changed by these calls, never
// redrawn on a repaint, so a widget showing it just paints the image.
// Changes are collected in a dirty rectangle that the view takes and repaints.
//
// A new or cleared picture is blank: all background, holding no pixel memory
// until something is drawn on it or its image is asked for. The map picture
// and the zoom copy are 32 MiB each at full size, and most of the time one of
// them, often both, show nothing but background.
class Picture {
 public:
  Picture(int w = 16, int h = 16, int32_t back = 0);

  int width() const { return w_; }
  int height() const { return h_; }
  // New size; the overlapping top-left part keeps its pixels, new area is background.
  void resize(int w, int h);
  // Fill with the background colour, giving the pixels' memory back.
  void clear();
  bool isBlank() const { return img_.isNull(); }
  int32_t backColor() const { return back_; }
  void setBackColor(int32_t c);

  // Out-of-range coordinates are ignored (set) or give -1 (read).
  void setPixel(int x, int y, int32_t color);
  int32_t pixel(int x, int y) const;

  // Whole source image into the rectangle (dx, dy, dw, dh), nearest neighbour,
  // no smoothing: exact for whole-factor enlargement and for halving.
  void scaledCopyFrom(const Picture& src, int dx, int dy, int dw, int dh);
  // SRCCOPY block copy of w x h pixels from src (sx, sy) to dst (dx, dy),
  // clipped to both pictures. src and dst may be the same picture.
  static void bitBlt(Picture& dst, int dx, int dy, int w, int h, const Picture& src, int sx,
                     int sy);

  // Text without background box, top-left corner at (x, y).
  void printText(int x, int y, const std::string& text, int32_t color, const FontSpec& font);
  // One-pixel rectangle outline with corners (x1, y1) and (x2, y2) inclusive.
  void drawRect(int x1, int y1, int x2, int y2, int32_t color);

  // Marks the whole picture for repainting.
  void refresh();
  // The region changed since the last call, then empty.
  QRect takeDirty();
  const QRect& dirty() const { return dirty_; }
  // The same, but kept apart from the repaint region, which the view takes
  // after every event: a drawer that keeps the picture in step with a model
  // learns from it what was drawn over its work since it last looked. A new
  // picture counts as changed all over.
  QRect takeChanged();

  // Windows bitmap files are written through Qt's writer (the format is named
  // explicitly: a Linux file name need not end in .bmp); a bitmap tileset is
  // read through the bounded tile-sheet decoder, never here.
  void setImage(const QImage& image);  // converts to RGB32 and takes the image's size
  // The image as a 24-bit Windows bitmap file, for the whole-file writer;
  // empty when it cannot be encoded.
  std::vector<uint8_t> bmpBytes() const;

  // The pixels; a blank picture gets them here, filled with the background.
  // A caller of the two writable forms may change any pixel: the picture
  // counts as changed all over, though it is repainted only when marked.
  const QImage& image() const;
  QImage& mutableImage();
  // For a caller that writes every pixel itself: a blank picture's memory is
  // not filled first.
  QImage& imageToOverwrite();
  void markDirty(const QRect& r) {
    const QRect c = r.intersected(rect());
    dirty_ |= c;
    changed_ |= c;
  }

  // Control properties of the picture box that holds the image.
  int left = 0, top = 0;
  bool visible = true, enabled = true;

 private:
  QRect rect() const { return QRect(0, 0, w_, h_); }
  bool materialize(bool fill) const;
  void fillRect(const QRect& r, int32_t color);

  // Null while blank; made on first use, also by a const read. The size
  // drops to nothing when the memory for the pixels cannot be had.
  mutable QImage img_;
  mutable int w_, h_;
  int32_t back_;
  QRect dirty_;
  QRect changed_;
};

// The picture's image as a 24-bit Windows bitmap file, through writeWholeFile.
bool writeBitmapFile(const std::string& path, const Picture& picture);
