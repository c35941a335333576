#include "d64/D64Writer.h"

#include <QList>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "d64/D64Allocator.h"
#include "d64/D64Image.h"
#include "platform/FileAccess.h"

namespace {

constexpr int kFirstSpareDirBlock = kD64BamBlock + 2;  // 18/2
constexpr int kLastDirBlock = kD64BamBlock + 18;        // 18/18
constexpr int kSecondDirBlock = kD64BamBlock + 4;       // 18/4: interleave 3 after 18/1

// One byte per character: printable ASCII as it is, anything else "?", since
// only printable ASCII has one agreed single-byte code on both machines. The
// art's graphics bytes never pass through here.
std::string singleByteText(const std::vector<uint32_t>& chars, bool upper) {
  std::string out;
  out.reserve(chars.size());
  for (uint32_t c : chars) {
    if (c < 0x20 || c > 0x7E) c = '?';
    if (upper && c >= 'a' && c <= 'z') c -= 'a' - 'A';
    out.push_back(static_cast<char>(c));
  }
  return out;
}

std::vector<uint32_t> utf8Chars(const std::string& text) {
  const QList<uint> ucs4 = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUcs4();
  return std::vector<uint32_t>(ucs4.begin(), ucs4.end());
}

std::string padded16(std::string bytes) {
  bytes.resize(std::min<size_t>(bytes.size(), 16));
  bytes.append(16 - bytes.size(), static_cast<char>(kD64Pad));
  return bytes;
}

int leadingNamedSlots(const D64Model& m) {
  int n = 0;
  while (n < kD64DirSlots && !m.D64FileName[n].empty()) ++n;
  return n;
}

int freeDataBlocks(const D64Model& m) {
  int free = 0;
  for (int b = 0; b < kD64Blocks; ++b)
    if (m.D64BlockUsed[b] != 1 && (b < kD64BamBlock || b > kLastDirBlock)) ++free;
  return free;
}

void writeEntry(uint8_t* e, const D64Model& m, int slot) {
  e[0x02] = m.D64FileType[slot];
  e[0x03] = static_cast<uint8_t>(m.D64FileTrack[slot]);
  e[0x04] = static_cast<uint8_t>(m.D64FileSector[slot]);
  const std::string name = padded16(m.D64FileName[slot]);
  std::memcpy(e + 0x05, name.data(), 16);
  std::copy(m.D64FileByte21To29[slot].begin(), m.D64FileByte21To29[slot].end(), e + 0x15);
  e[0x1E] = static_cast<uint8_t>(m.D64FileBlocksLo[slot]);
  e[0x1F] = static_cast<uint8_t>(m.D64FileBlocksHi[slot]);
}

// Copies one source into the image from the allocator's first block on.
D64Error copySource(D64Model& m, D64Image& image, int slot, const std::vector<uint8_t>& bytes) {
  // Called for an empty source too; only a file with bytes needs the block.
  // The caller has counted the free blocks, so a full disk here only guards the image.
  if (!FindFirstFreeBlock(m) && !bytes.empty()) return std::string("The disk image is full.");
  size_t left = bytes.size();
  size_t from = 0;
  int count = 0;
  while (left > 0) {
    const int16_t cur = m.CurBlock;
    m.D64BlockUsed[cur] = 1;
    if (count == 0) {
      BlockToTrackSector(m, cur);
      m.D64FileTrack[slot] = m.LinkTrack;
      m.D64FileSector[slot] = m.LinkSector;
    }
    uint8_t* block = image.block(cur);
    if (left > kD64BlockPayload) {
      if (!FindNextBlock(m)) return std::string("The disk image is full.");
      BlockToTrackSector(m, m.CurBlock);
      block[0] = static_cast<uint8_t>(m.LinkTrack);
      block[1] = static_cast<uint8_t>(m.LinkSector);
      std::memcpy(block + 2, bytes.data() + from, kD64BlockPayload);
      from += kD64BlockPayload;
      left -= kD64BlockPayload;
    } else {
      block[0] = 0;
      block[1] = static_cast<uint8_t>(left + 1);  // index of the file's last byte
      std::memcpy(block + 2, bytes.data() + from, left);
      left = 0;
    }
    ++count;
  }
  m.D64FileBlocksLo[slot] = count % 256;
  m.D64FileBlocksHi[slot] = count / 256;
  return std::nullopt;
}

}  // namespace

std::string D64EntryName(const std::string& sourceName) {
  const size_t slash = sourceName.rfind('/');
  std::vector<uint32_t> chars = utf8Chars(slash == std::string::npos ? sourceName : sourceName.substr(slash + 1));
  chars.resize(chars.size() > 4 ? chars.size() - 4 : 0);
  if (chars.size() > 16) chars.resize(16);
  return padded16(singleByteText(chars, true));
}

std::string D64ArtEntryName(const std::string& rawName) { return padded16(rawName); }

int D64BlocksFor(size_t bytes) {
  return static_cast<int>((bytes + kD64BlockPayload - 1) / kD64BlockPayload);
}

bool ReleaseDirectorySectors(D64Model& m, const D64Image& image) {
  bool onTrack18 = true;
  m.D64BlockUsed[kD64FirstDirBlock] = 0;
  int sector = 1;
  for (int read = 0; read < kD64MaxDirSectors; ++read) {
    const uint8_t* s = image.dirSector(sector);
    const int linkTrack = s[0], linkSector = s[1];
    if (linkTrack == 0 || linkSector == 0) break;
    // A sector number track 18 does not have would free a block of track 19.
    if (linkSector >= D64SectorsOnTrack(kD64DirTrack)) return false;
    if (linkTrack == kD64DirTrack)
      m.D64BlockUsed[kD64BamBlock + linkSector] = 0;
    else
      onTrack18 = false;
    sector = linkSector;
  }
  return onTrack18;
}

D64Error WriteD64Directory(D64Model& m, D64Image& image) {
  const bool released = ReleaseDirectorySectors(m, image);
  m.D64BlockUsed[kD64FirstDirBlock] = 1;
  int candidate = kSecondDirBlock;
  int left = leadingNamedSlots(m);
  int slot = 0;
  int sector = 1;
  for (int written = 0; written < kD64MaxDirSectors; ++written) {
    int linkTrack = 0, linkSector = 0xFF;
    // The 18th sector gets no successor: track 18 has no further sector for it.
    if (left > 8 && written + 1 < kD64MaxDirSectors) {
      if (candidate > kLastDirBlock) candidate = kFirstSpareDirBlock;
      int found = -1;
      for (int tries = 0, b = candidate; tries <= kLastDirBlock - kFirstSpareDirBlock; ++tries) {
        if (m.D64BlockUsed[b] != 1) {
          found = b;
          break;
        }
        b = b == kLastDirBlock ? kFirstSpareDirBlock : b + 1;
      }
      if (found < 0) return std::string("The disk directory is full.");
      m.D64BlockUsed[found] = 1;
      BlockToTrackSector(m, static_cast<int16_t>(found));
      linkTrack = m.LinkTrack;
      linkSector = m.LinkSector;
      candidate = found + 3;
    }
    uint8_t* s = image.dirSector(sector);
    std::memset(s, 0, kD64BlockSize);
    s[0] = static_cast<uint8_t>(linkTrack);
    s[1] = static_cast<uint8_t>(linkSector);
    bool complete = false;
    for (int k = 0; k < 8; ++k) {
      complete = slot >= kD64DirSlots || m.D64FileName[slot].empty();
      if (complete) break;
      writeEntry(s + 32 * k, m, slot);
      --left;
      ++slot;
    }
    if (complete || linkTrack == 0 || linkSector == 0xFF) break;
    sector = linkSector;
  }
  if (!released) return kD64DirectoryOffTrackMessage;
  return std::nullopt;
}

void WriteD64Bam(const D64Model& m, D64Image& image) {
  uint8_t* bam = image.dirSector(0);
  int linear = 0;
  for (int t = 1; t <= kD64Tracks; ++t) {
    uint8_t* e = bam + 4 + 4 * (t - 1);
    e[0] = e[1] = e[2] = e[3] = 0;
    for (int s = 0; s < D64SectorsOnTrack(t); ++s, ++linear) {
      if (m.D64BlockUsed[linear] == 1) continue;
      ++e[0];
      e[1 + s / 8] |= static_cast<uint8_t>(1u << (s % 8));
    }
  }
}

D64Error WriteFilesToD64(D64Model& m, D64Image& image, const std::vector<D64Source>& sources) {
  if (sources.size() > static_cast<size_t>(kD64MaxEntries))
    return "A disk holds at most " + std::to_string(kD64MaxEntries) + " directory entries.";
  int needed = 0;
  for (const D64Source& src : sources) {
    if (src.kind == D64Source::Kind::Program && src.bytes.empty())
      return "The file " + src.name + " is empty: an empty program file cannot be put on a disk.";
    needed += D64BlocksFor(src.bytes.size());
  }
  const int available = freeDataBlocks(m);
  if (needed > available)
    return "The files do not fit on one disk: they take " + std::to_string(needed) +
           " blocks, the disk has " + std::to_string(available) + " free.";

  // Until a slot's file is copied, the table holds its source name.
  const int count = static_cast<int>(sources.size());
  for (int i = 0; i < count; ++i) m.D64FileName[i] = sources[i].name;
  // The blank image's first directory sector reads as eight nameless entries;
  // the directory holds the sources and nothing else.
  for (int i = count; i < kD64DirSlots; ++i) m.D64FileName[i].clear();
  for (int i = 0; i < count; ++i) {
    const D64Source& src = sources[i];
    const bool art = src.kind == D64Source::Kind::Art;
    m.D64FileName[i] = art ? D64ArtEntryName(src.name) : D64EntryName(src.name);
    m.D64FileType[i] = art ? kD64TypeDel : kD64TypePrg;
    if (D64Error e = copySource(m, image, i, src.bytes)) return e;
    if (D64Error e = WriteD64Directory(m, image)) return e;
    WriteD64Bam(m, image);
  }
  return std::nullopt;
}

D64Error BuildD64(D64Image& image, const std::string& diskName, const std::string& diskId,
                  const std::vector<D64Source>& sources, D64Model* model) {
  D64Model local;
  D64Model& m = model ? *model : local;
  m = D64Model{};
  m.D64DiskName = singleByteText(utf8Chars(diskName), false);
  m.D64DiskId = diskId;
  CreateBlankD64(image, m.D64DiskName, m.D64DiskId);
  ReadD64Directory(m, image);
  return WriteFilesToD64(m, image, sources);
}

D64Error WriteD64(const std::string& path, const std::string& diskName, const std::string& diskId,
                  const std::vector<D64Source>& sources, D64Model* model) {
  D64Image image;
  if (D64Error e = BuildD64(image, diskName, diskId, sources, model)) return e;
  if (!writeWholeFile(path, image.bytes()))
    return "Cannot write D64 file (" + path + ")!";
  return std::nullopt;
}
