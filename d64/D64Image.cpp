#include "d64/D64Image.h"

#include <algorithm>

namespace {

// Free count and the three bitmap bytes of a track with every sector free.
void putFreeTrackEntry(uint8_t* bam, int track) {
  const int n = D64SectorsOnTrack(track);
  uint8_t* e = bam + 4 + 4 * (track - 1);
  e[0] = static_cast<uint8_t>(n);
  for (int s = 0; s < n; ++s) e[1 + s / 8] |= static_cast<uint8_t>(1u << (s % 8));
}

void putPadded(uint8_t* to, const std::string& bytes, int width) {
  for (int i = 0; i < width; ++i)
    to[i] = i < static_cast<int>(bytes.size()) ? static_cast<uint8_t>(bytes[i]) : kD64Pad;
}

}  // namespace

void CreateBlankD64(D64Image& image, const std::string& diskName, const std::string& diskId) {
  std::fill(image.bytes().begin(), image.bytes().end(), 0);
  uint8_t* bam = image.dirSector(0);
  bam[0x00] = kD64DirTrack;
  bam[0x01] = 1;
  bam[0x02] = 0x41;  // DOS version 'A'
  bam[0x03] = 0x00;
  for (int t = 1; t <= kD64Tracks; ++t) putFreeTrackEntry(bam, t);
  // The BAM and the first directory sector.
  uint8_t* t18 = bam + 4 + 4 * (kD64DirTrack - 1);
  t18[0] -= 2;
  t18[1] &= 0xFC;
  putPadded(bam + 0x90, diskName, 16);
  bam[0xA0] = kD64Pad;
  bam[0xA1] = kD64Pad;
  putPadded(bam + 0xA2, diskId, 5);
  for (int i = 0xA7; i <= 0xAA; ++i) bam[i] = kD64Pad;
  image.dirSector(1)[1] = 0xFF;  // an empty directory sector ends the chain
}

void ReadD64Directory(D64Model& m, const D64Image& image) {
  for (auto& name : m.D64FileName) name.clear();
  int sector = 1;
  int slot = 0;
  for (int read = 0; read < kD64MaxDirSectors; ++read) {
    const uint8_t* s = image.dirSector(sector);
    for (int k = 0; k < 8 && slot < kD64DirSlots; ++k, ++slot) {
      const uint8_t* e = s + 32 * k;
      m.D64FileName[slot].assign(reinterpret_cast<const char*>(e + 0x05), 16);
      m.D64FileType[slot] = e[0x02];
      m.D64FileTrack[slot] = e[0x03];
      m.D64FileSector[slot] = e[0x04];
      std::copy(e + 0x15, e + 0x1E, m.D64FileByte21To29[slot].begin());
      m.D64FileBlocksLo[slot] = e[0x1E];
      m.D64FileBlocksHi[slot] = e[0x1F];
    }
    const int linkTrack = s[0], linkSector = s[1];
    // Only track 18 is followed; a sector the track does not have ends the walk
    // rather than reading into track 19.
    if (linkTrack == 0 || linkSector == 0) break;
    if (linkSector >= D64SectorsOnTrack(kD64DirTrack)) break;
    sector = linkSector;
  }
  ReadD64Bam(m, image);
}

void ReadD64Bam(D64Model& m, const D64Image& image) {
  const uint8_t* bam = image.dirSector(0);
  int linear = 0;
  for (int t = 1; t <= kD64Tracks; ++t) {
    const uint8_t* e = bam + 4 + 4 * (t - 1);
    for (int s = 0; s < D64SectorsOnTrack(t); ++s, ++linear)
      m.D64BlockUsed[linear] = (e[1 + s / 8] >> (s % 8)) & 1 ? 0 : 1;
  }
}
