#include "platform/Picture.h"

#include <QBuffer>
#include <QFont>
#include <QImageWriter>
#include <QPainter>
#include <QtGlobal>
#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/FileAccess.h"

namespace {

// A picture with no width or no height has neither, as an image of it would.
void normalizeSize(int& w, int& h) {
  if (w <= 0 || h <= 0) w = h = 0;
}

// The pixels start on a line of the processor's cache, and so does every row
// whose width is a multiple of 16 pixels, as the map's is: a 16-pixel row of a
// cell then fills one cache line rather than parts of two, which halves the
// memory traffic of a redraw of scattered cells.
QImage cacheLineAlignedImage(int w, int h) {
  constexpr size_t kLine = 64;
  void* memory = qMallocAligned(size_t(w) * size_t(h) * 4, kLine);
  if (!memory) return {};
  QImage img(static_cast<uchar*>(memory), w, h, qsizetype(w) * 4, QImage::Format_RGB32,
             qFreeAligned, memory);
  if (img.isNull()) qFreeAligned(memory);
  return img;
}

}  // namespace

Picture::Picture(int w, int h, int32_t back) : w_(w), h_(h), back_(back) {
  normalizeSize(w_, h_);
  changed_ = rect();
}

// Returns whether the picture has pixels now. Out of memory it becomes a
// picture of nothing, as a failed image would, rather than one that writes
// through a null image.
bool Picture::materialize(bool fill) const {
  if (!img_.isNull()) return true;
  if (w_ == 0) return false;
  img_ = cacheLineAlignedImage(w_, h_);
  if (img_.isNull()) {
    w_ = h_ = 0;
    return false;
  }
  if (fill) img_.fill(toQRgb(back_));
  return true;
}

const QImage& Picture::image() const {
  materialize(true);
  return img_;
}

QImage& Picture::mutableImage() {
  materialize(true);
  changed_ = rect();
  return img_;
}

QImage& Picture::imageToOverwrite() {
  materialize(false);
  changed_ = rect();
  return img_;
}

void Picture::resize(int w, int h) {
  normalizeSize(w, h);
  if (w == w_ && h == h_) return;
  if (!isBlank()) {
    QImage next = cacheLineAlignedImage(w, h);
    next.fill(toQRgb(back_));
    const int cw = std::min(w, w_), ch = std::min(h, h_);
    for (int y = 0; y < ch && !next.isNull(); ++y)
      std::memcpy(next.scanLine(y), img_.constScanLine(y), size_t(cw) * 4);
    img_ = std::move(next);
    if (img_.isNull()) w = h = 0;
  }
  w_ = w;
  h_ = h;
  refresh();
}

void Picture::clear() {
  img_ = QImage();
  refresh();
}

void Picture::setBackColor(int32_t c) {
  // A blank picture shows the old colour until cleared, as a filled one would.
  if (c != back_) materialize(true);
  back_ = c;
}

void Picture::fillRect(const QRect& r, int32_t color) {
  const QRect c = r & rect();
  if (c.isEmpty()) return;
  if (isBlank() && toQRgb(color) == toQRgb(back_)) {
    markDirty(c);
    return;
  }
  if (!materialize(true)) return;
  const QRgb q = toQRgb(color);
  for (int y = c.top(); y <= c.bottom(); ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(img_.scanLine(y));
    std::fill(row + c.left(), row + c.right() + 1, q);
  }
  markDirty(c);
}

void Picture::setPixel(int x, int y, int32_t color) {
  if (x < 0 || y < 0 || x >= width() || y >= height()) return;
  if (!materialize(true)) return;
  reinterpret_cast<QRgb*>(img_.scanLine(y))[x] = toQRgb(color);
  markDirty(QRect(x, y, 1, 1));
}

int32_t Picture::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width() || y >= height()) return -1;
  if (isBlank()) return fromQRgb(toQRgb(back_));
  return fromQRgb(reinterpret_cast<const QRgb*>(img_.constScanLine(y))[x]);
}

void Picture::scaledCopyFrom(const Picture& src, int dx, int dy, int dw, int dh) {
  if (dw <= 0 || dh <= 0 || src.width() <= 0 || src.height() <= 0) return;
  const int x0 = std::max(dx, 0), x1 = std::min(dx + dw, width());
  const int y0 = std::max(dy, 0), y1 = std::min(dy + dh, height());
  if (x0 >= x1 || y0 >= y1) return;
  if (src.isBlank()) {
    fillRect(QRect(x0, y0, x1 - x0, y1 - y0), src.back_);
    return;
  }
  // A copy over the whole picture leaves nothing of the background to fill.
  const bool whole = x0 == 0 && y0 == 0 && x1 == w_ && y1 == h_;
  if (!materialize(!whole)) return;
  // Source column of every destination column, sampled at the pixel centre.
  std::vector<int> sxOf(size_t(x1 - x0));
  for (int x = x0; x < x1; ++x)
    sxOf[size_t(x - x0)] =
        std::min(int((int64_t(x - dx) * src.width()) / dw), src.width() - 1);
  const bool same = &src == this;
  const QImage source = same ? img_.copy() : QImage();
  const QImage& s = same ? source : src.img_;
  const int bpl = int(img_.bytesPerLine() / 4);
  QRgb* dbase = reinterpret_cast<QRgb*>(img_.bits());
  const QRgb* sbase = reinterpret_cast<const QRgb*>(s.constBits());
  const int sbpl = int(s.bytesPerLine() / 4);
  int lastSy = -1;
  for (int y = y0; y < y1; ++y) {
    const int sy = std::min(int((int64_t(y - dy) * src.height()) / dh), src.height() - 1);
    QRgb* d = dbase + size_t(y) * bpl;
    if (sy == lastSy) {  // same source row as the line above: copy that line
      std::memcpy(d + x0, d - bpl + x0, size_t(x1 - x0) * 4);
      continue;
    }
    const QRgb* srow = sbase + size_t(sy) * sbpl;
    for (int x = x0; x < x1; ++x) d[x] = srow[sxOf[size_t(x - x0)]];
    lastSy = sy;
  }
  markDirty(QRect(x0, y0, x1 - x0, y1 - y0));
}

void Picture::bitBlt(Picture& dst, int dx, int dy, int w, int h, const Picture& src, int sx,
                     int sy) {
  // Clip against the source, then the destination, moving both corners together.
  if (sx < 0) { dx -= sx; w += sx; sx = 0; }
  if (sy < 0) { dy -= sy; h += sy; sy = 0; }
  if (dx < 0) { sx -= dx; w += dx; dx = 0; }
  if (dy < 0) { sy -= dy; h += dy; dy = 0; }
  w = std::min({w, src.width() - sx, dst.width() - dx});
  h = std::min({h, src.height() - sy, dst.height() - dy});
  if (w <= 0 || h <= 0) return;
  if (src.isBlank()) {
    dst.fillRect(QRect(dx, dy, w, h), src.back_);
    return;
  }
  if (!dst.materialize(true)) return;
  const size_t sbpl = size_t(src.img_.bytesPerLine());
  const size_t dbpl = size_t(dst.img_.bytesPerLine());
  const uchar* s = src.img_.constBits() + size_t(sy) * sbpl + size_t(sx) * 4;
  uchar* d = dst.img_.bits() + size_t(dy) * dbpl + size_t(dx) * 4;
  if (&src == &dst) s = dst.img_.constBits() + size_t(sy) * sbpl + size_t(sx) * 4;
  const size_t n = size_t(w) * 4;
  if (&src == &dst && dy > sy) {  // overlapping copy downwards: go bottom-up
    for (int y = h - 1; y >= 0; --y) std::memmove(d + y * dbpl, s + y * sbpl, n);
  } else {
    for (int y = 0; y < h; ++y) std::memmove(d + y * dbpl, s + y * sbpl, n);
  }
  dst.markDirty(QRect(dx, dy, w, h));
}

void Picture::printText(int x, int y, const std::string& text, int32_t color,
                        const FontSpec& font) {
  if (text.empty() || !materialize(true)) return;
  QPainter p(&img_);
  QFont f(QString::fromStdString(font.family));
  f.setPixelSize(font.pixelSize);
  f.setBold(font.bold);
  f.setStyleStrategy(QFont::NoAntialias);
  p.setFont(f);
  p.setPen(QColor(toQRgb(color)));
  const QString t = QString::fromStdString(text);
  const QRect box = p.fontMetrics().boundingRect(t);
  p.drawText(QPoint(x, y + p.fontMetrics().ascent()), t);
  p.end();
  markDirty(QRect(x, y, box.width() + 2, box.height() + 2));
}

void Picture::drawRect(int x1, int y1, int x2, int y2, int32_t color) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  for (int x = x1; x <= x2; ++x) {
    setPixel(x, y1, color);
    setPixel(x, y2, color);
  }
  for (int y = y1; y <= y2; ++y) {
    setPixel(x1, y, color);
    setPixel(x2, y, color);
  }
}

void Picture::refresh() { dirty_ = changed_ = rect(); }

QRect Picture::takeDirty() { return std::exchange(dirty_, QRect()); }

QRect Picture::takeChanged() { return std::exchange(changed_, QRect()); }

void Picture::setImage(const QImage& image) {
  img_ = image.convertToFormat(QImage::Format_RGB32);
  w_ = img_.width();
  h_ = img_.height();
  refresh();
}

std::vector<uint8_t> Picture::bmpBytes() const {
  // A blank picture is written from a passing image: the export leaves it
  // holding no memory.
  QImage passing;
  if (isBlank() && w_ > 0) {
    passing = QImage(w_, h_, QImage::Format_RGB32);
    passing.fill(toQRgb(back_));
  }
  const QImage& img = isBlank() ? passing : img_;
  QByteArray data;
  // The header, then three bytes a pixel with each row padded to four bytes.
  data.reserve(54 + qsizetype((3 * width() + 3) / 4 * 4) * height());
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  // Qt's writer stores an RGB32 image with 24 bits a pixel, so the picture's
  // own image goes in without a converted copy.
  QImageWriter writer(&buffer, "bmp");
  if (!writer.write(img)) return {};
  buffer.close();
  return std::vector<uint8_t>(data.begin(), data.end());
}

bool writeBitmapFile(const std::string& path, const Picture& picture) {
  const Bytes bytes = picture.bmpBytes();
  return !bytes.empty() && writeWholeFile(path, bytes);
}
