#include "editor/logic/DocumentFiles.h"

#include <algorithm>

#include "editor/logic/TileSheet.h"
#include "model/App.h"
#include "model/DocumentLabel.h"
#include "model/Formats.h"
#include "model/RecentFiles.h"
#include "platform/FileAccess.h"
#include "platform/FileNames.h"
#include "render/MapRender.h"
#include "render/TilesetRender.h"

namespace {

enum class TilesetForm { Prg, Chr, Bmp, None };

TilesetForm tilesetFormOf(const std::string& path) {
  const std::string ext = UpperExt3(path);
  if (ext == "PRG") return TilesetForm::Prg;
  if (ext == "CHR") return TilesetForm::Chr;
  if (ext == "BMP") return TilesetForm::Bmp;
  return TilesetForm::None;
}

void showLoadError(App& a, const std::string& kind, const std::string& text) {
  a.prompts->MsgBox(text, vbCritical, kind + " Load Error");
}

void showCannotRead(App& a, const std::string& kind, const std::string& path) {
  showLoadError(a, kind, "Cannot read " + kind + " file (" + path + ")!");
}

// The file's first bytes, as many as its format can use, or nothing after
// telling the user it cannot be read. A longer file is read only as far as
// the format reaches.
std::optional<Bytes> readOrReport(App& a, const std::string& kind, const std::string& path,
                                  size_t limit) {
  std::optional<Bytes> file = readFileHead(path, limit);
  if (!file) showCannotRead(a, kind, path);
  return file;
}

void showCannotWrite(App& a, const std::string& kind, const std::string& path) {
  a.prompts->MsgBox("Cannot write " + kind + " file (" + path + ")!", vbCritical,
                    kind + " Save Error");
}

bool writeOrReport(App& a, const std::string& kind, const std::string& path,
                   const Bytes& bytes) {
  if (writeWholeFile(path, bytes)) return true;
  showCannotWrite(a, kind, path);
  return false;
}

// Palette and tile editing work on tile bytes, which a bitmap tileset has none of.
void setTileEditingEnabled(App& a, bool on) {
  a.frm.Frame1.enabled = on;
  a.frm.Frame4.enabled = on;
  a.frm.menu("mnuLoadPalette").enabled = on;
}

void refreshTileDataFromSheet(App& a) {
  a.frm.picTileData.scaledCopyFrom(a.frm.picTileView, 0, 0, a.frm.picTileData.width(),
                                   a.frm.picTileData.height());
}

}  // namespace

bool LoadTileset(App& a, const std::string& pathRef) {
  // The caller may pass a recent-file entry, which AddMRU reorders.
  const std::string path = pathRef;
  const TilesetForm form = tilesetFormOf(path);
  if (form == TilesetForm::None) {
    showLoadError(a, "Tileset",
                  "Invalid Tileset Type (" + path + ") must be (PRG, CHR or BMP)");
    return false;
  }
  const size_t limit = form == TilesetForm::Prg   ? kPrgTilesetFileBytes
                       : form == TilesetForm::Chr ? kChrTilesetFileBytes
                                                  : kTilesheetBmpMaxBytes;
  const std::optional<Bytes> file = readOrReport(a, "Tileset", path, limit);
  if (!file) return false;

  if (form == TilesetForm::Bmp) {
    const TilesheetBitmap bmp = decodeTilesheetBmp(*file);
    if (bmp.status == TilesheetBitmap::Status::Invalid) {
      showLoadError(a, "Tileset", "Invalid BITMAP File (" + path + ")!");
      return false;
    }
    if (bmp.status == TilesheetBitmap::Status::WrongSize) {
      showLoadError(a, "Tileset",
                    "Invalid Tileset Size (" + std::to_string(bmp.width) + " x " +
                        std::to_string(bmp.height) + ") must be (512 x 128)");
      return false;
    }
    a.frm.picTileView.setImage(bmp.image);
    refreshTileDataFromSheet(a);
    setTileEditingEnabled(a, false);
    a.prompts->MsgBox("Tileset Editing and Palette Changes Disabled!", vbInformation,
                      "BMP Tilesets");
  } else {
    const TilesetData d =
        form == TilesetForm::Prg ? decodePrgTileset(*file) : decodeChrTileset(*file);
    a.st.TileBytes = d.tiles;
    if (form == TilesetForm::Prg) {
      a.st.LoadAddrLo = d.loadLo;
      a.st.LoadAddrHi = d.loadHi;
    }
    setTileEditingEnabled(a, true);
  }

  a.st.TilesetFile = FileNameOf(path);
  a.st.TilesetPath = path;
  RenderTileset(a);
  ResetTileSelection(a);
  RedrawMap(a);
  SetMemberLabel(a.frm.lblTileName, a.st.TilesetFile, a.st.TilesetPath);
  a.st.TilesetHasFile = true;
  AddMRU(a, kTileset, a.st.TilesetPath);
  return true;
}

bool SaveTileset(App& a, const std::string& pathRef) {
  const std::string path = pathRef;
  const TilesetForm form = tilesetFormOf(path);
  if (form == TilesetForm::None) {
    a.prompts->MsgBox("Invalid Tileset Type (" + path + ") must be (PRG, CHR or BMP)",
                      vbCritical, "Tileset Save Error");
    return false;
  }

  if (form == TilesetForm::Bmp) {
    if (!writeBitmapFile(path, a.frm.picTileView)) {
      showCannotWrite(a, "Tileset", path);
      return false;
    }
    a.st.TilesetFile = FileNameOf(path);
    a.st.TilesetPath = path;
    setTileEditingEnabled(a, false);
  } else {
    // From the sheet, so that tiles stamped onto it are saved too.
    refreshTileDataFromSheet(a);
    Bytes tiles = TilesetToBytes(a);
    uint8_t lo = a.st.LoadAddrLo, hi = a.st.LoadAddrHi;
    // $7000 stands in for a load address that was never set.
    if (form == TilesetForm::Prg && lo == 0 && hi == 0) hi = 0x70;
    const Bytes bytes =
        form == TilesetForm::Prg ? encodePrgTileset(lo, hi, tiles) : encodeChrTileset(tiles);
    if (!writeOrReport(a, "Tileset", path, bytes)) return false;
    a.st.TileBytes = std::move(tiles);
    a.st.LoadAddrLo = lo;
    a.st.LoadAddrHi = hi;
    a.st.TilesetFile = FileNameOf(path);
    a.st.TilesetPath = path;
    // Reading the file back re-applies the colours and resets the selection.
    LoadTileset(a, path);
    setTileEditingEnabled(a, true);
  }
  SetMemberLabel(a.frm.lblTileName, a.st.TilesetFile, a.st.TilesetPath);
  return true;
}

bool ExportTilesUsedImage(App& a, const std::string& path) {
  Picture& save = a.frm.picSave;
  save.resize(512, 128);
  Picture::bitBlt(save, 0, 0, 512, 128, a.frm.picTileView, 0, 0);
  for (int t = 0; t < 256; ++t) {
    if (!a.st.TileUsed[size_t(t)]) continue;
    const int c = t % 32, r = t / 32;
    save.drawRect(16 * c, 16 * r, 16 * c + 15, 16 * r + 15, a.st.SelectColor);
  }
  const bool written = writeBitmapFile(path, save);
  save.clear();
  if (!written) showCannotWrite(a, "Tileset", path);
  return written;
}

bool LoadDatamap(App& a, const std::string& pathRef) {
  const std::string path = pathRef;
  const std::optional<Bytes> file = readOrReport(a, "Datamap", path, kDatamapFileBytes);
  if (!file) return false;
  const std::optional<DatamapData> d = decodeDatamap(*file);
  if (!d) {
    showLoadError(a, "Datamap", "Invalid Datamap File (" + path + ")!");
    return false;
  }
  a.st.LoadAddrLo = d->loadLo;
  a.st.LoadAddrHi = d->loadHi;
  a.st.MapWidthByte = d->widthByte;
  a.st.MapHeightByte = d->heightByte;
  a.st.MapWidth = d->width;
  a.st.MapHeight = d->height;
  a.st.Datamap = d->cells;

  a.frm.picMap.resize(a.st.MapWidth * 16, a.st.MapHeight * 16);
  RedrawMap(a);
  a.st.DatamapFile = FileNameOf(path);
  a.st.DatamapPath = path;
  a.st.DatamapHasFile = true;
  AddMRU(a, kDatamap, a.st.DatamapPath);
  a.frm.lblMapSize.caption = MapSizeText(a.st.MapWidth, a.st.MapHeight);
  SetMemberLabel(a.frm.lblMapName, a.st.DatamapFile, a.st.DatamapPath);
  return true;
}

bool SaveDatamap(App& a, const std::string& path) {
  const Bytes bytes =
      encodeDatamap(a.st.LoadAddrLo, a.st.LoadAddrHi, a.st.MapWidth, a.st.MapHeight, a.st.Datamap);
  if (!writeOrReport(a, "Datamap", path, bytes)) return false;
  a.st.MapWidthByte = bytes[2];
  a.st.MapHeightByte = bytes[3];
  a.st.MapSizeX = bytes[2];
  a.st.MapSizeY = bytes[3];
  return true;
}

bool LoadColormap(App& a, const std::string& pathRef) {
  const std::string path = pathRef;
  // The length is checked first from what the file system records, so that
  // a colormap of some GiB is refused without reading it; files that record
  // no length (/proc) are read one byte past the longer colormap size.
  FileReader reader(path);
  Bytes file;
  if (reader.recordedSize() <= kColormapLongFileBytes &&
      !reader.read(kColormapLongFileBytes + 1, file)) {
    showCannotRead(a, "Colormap", path);
    return false;
  }
  const auto colormap = decodeColormap(file);
  if (!colormap) {
    const uint64_t length = std::max<uint64_t>(reader.recordedSize(), file.size());
    showLoadError(a, "Colormap",
                  "Invalid Colormap Size (" + std::to_string(length) + ") must be (258 or 262)");
    return false;
  }
  a.st.Colormap = *colormap;

  RenderTileset(a);
  TakeEditedTileFromBrush(a);
  LoadTileEditor(a);
  RedrawMap(a);
  ResetTileSelection(a);
  a.st.ColormapFile = FileNameOf(path);
  a.st.ColormapPath = path;
  a.st.ColormapHasFile = true;
  AddMRU(a, kColormap, a.st.ColormapPath);
  SetMemberLabel(a.frm.lblCMAPName, a.st.ColormapFile, a.st.ColormapPath);
  return true;
}

bool SaveColormap(App& a, const std::string& path) {
  // The colormap in memory takes the written colours only once they are written.
  std::array<uint8_t, 258> written = a.st.Colormap;
  if (!writeOrReport(a, "Colormap", path, encodeColormap(written))) return false;
  a.st.Colormap = written;
  return true;
}

bool LoadDatatype(App& a, const std::string& pathRef) {
  const std::string path = pathRef;
  const std::optional<Bytes> file = readOrReport(a, "Datatype", path, kDatatypeFileBytes);
  if (!file) return false;
  a.st.DatatypeMap = decodeDatatype(*file);
  a.st.DatatypeFile = FileNameOf(path);
  a.st.DatatypePath = path;
  a.st.DatatypeHasFile = true;
  SetMemberLabel(a.frm.lblTYPEName, a.st.DatatypeFile, a.st.DatatypePath);
  AddMRU(a, kDatatype, a.st.DatatypePath);
  return true;
}

bool SaveDatatype(App& a, const std::string& path) {
  return writeOrReport(a, "Datatype", path, encodeDatatype(a.st.DatatypeMap));
}

bool ExportDatatype(App& a, const std::string& path) {
  Bytes bytes = encodeDatatypeExport(a.st.DatatypeMap, a.st.MapWidth, a.st.MapHeight);
  if (!writeOrReport(a, "Datatype", path, bytes)) return false;
  a.st.MapWidthByte = uint8_t(a.st.MapWidth - 1);
  a.st.MapHeightByte = uint8_t(a.st.MapHeight - 1);
  a.st.ExportMap = std::move(bytes);
  return true;
}
