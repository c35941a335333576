#include "FuzzTarget.h"
#include "model/Formats.h"

#include <QtGlobal>

// A bitmap tile sheet: only a 512 x 128 bitmap is taken, any other size is
// refused from its header, anything else is no bitmap.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Qt's reader warns about every broken header.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kTilesheetBmpMaxBytes) return 0;  // the loader reads no more
  const TilesheetBitmap b = decodeTilesheetBmp(bytesOf(data, size));
  switch (b.status) {
    case TilesheetBitmap::Status::Ok:
      FUZZ_CHECK(b.image.size() == QSize(512, 128));
      FUZZ_CHECK(b.image.format() == QImage::Format_RGB32);
      break;
    case TilesheetBitmap::Status::WrongSize:
      FUZZ_CHECK(b.width > 0 && b.height > 0);
      FUZZ_CHECK(b.width != 512 || b.height != 128);
      FUZZ_CHECK(b.image.isNull());
      break;
    case TilesheetBitmap::Status::Invalid:
      FUZZ_CHECK(b.image.isNull());
      break;
  }
  return 0;
}
