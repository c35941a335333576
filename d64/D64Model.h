#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A 35-track 1541 disk image without error bytes.
inline constexpr int kD64Tracks = 35;
inline constexpr int kD64Blocks = 683;
inline constexpr int kD64BlockSize = 256;
inline constexpr int kD64ImageSize = kD64Blocks * kD64BlockSize;  // 174848
inline constexpr int kD64DirTrack = 18;
inline constexpr int kD64BamBlock = 357;       // 18/0
inline constexpr int kD64FirstDirBlock = 358;  // 18/1
// Track 18 holds no file data; the 683 - 19 other blocks take files, 254 bytes each.
inline constexpr int kD64BlockPayload = 254;
inline constexpr int kD64DirSlots = 146;
// Track 18 has 19 sectors, one of them the BAM: 18 directory sectors of 8 entries.
inline constexpr int kD64MaxDirSectors = 18;
inline constexpr int kD64MaxEntries = kD64MaxDirSectors * 8;
inline constexpr uint8_t kD64Pad = 0xA0;
inline constexpr uint8_t kD64TypeDel = 0x80;
inline constexpr uint8_t kD64TypePrg = 0x82;

// ID "00", a shifted space, DOS type "1A".
inline const std::string kD64ExportDiskId = std::string("00\xA0" "1A");

int D64SectorsOnTrack(int track);    // 0 outside 1..35
int D64FirstBlockOfTrack(int track);  // linear number of sector 0; -1 outside 1..35

// The image, always exactly 683 blocks; built in memory and written once, whole.
class D64Image {
 public:
  D64Image() : bytes_(kD64ImageSize, 0) {}
  uint8_t* block(int linear) { return bytes_.data() + linear * kD64BlockSize; }
  const uint8_t* block(int linear) const { return bytes_.data() + linear * kD64BlockSize; }
  // Track 18's sector s; the caller keeps s within 0..18.
  uint8_t* dirSector(int sector) { return block(kD64BamBlock + sector); }
  const uint8_t* dirSector(int sector) const { return block(kD64BamBlock + sector); }
  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::vector<uint8_t>& bytes() { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

// One file to put on the disk. An art entry's name is its 16 raw name bytes
// (the C64 graphics characters of the directory art), written as they stand, as a
// DEL file. A program file's name is a file name as UTF-8 text; its entry
// name follows D64EntryName.
struct D64Source {
  enum class Kind { Art, Program };
  std::string name;
  std::vector<uint8_t> bytes;
  Kind kind = Kind::Program;
};

// The writer's whole working state: the directory table, the block-used map and
// the allocator. A fresh one serves each export.
struct D64Model {
  std::string D64DiskName;  // written by CreateBlankD64
  std::string D64DiskId;
  // Directory table: before a file is copied its source name, afterwards its
  // 16-byte entry name. An empty name ends the table.
  std::array<std::string, kD64DirSlots> D64FileName{};
  std::array<uint8_t, kD64DirSlots> D64FileType{};
  std::array<int16_t, kD64DirSlots> D64FileTrack{}, D64FileSector{};
  // Entry bytes $15..$1D (D64FileByte21 .. D64FileByte29).
  std::array<std::array<uint8_t, 9>, kD64DirSlots> D64FileByte21To29{};
  std::array<int32_t, kD64DirSlots> D64FileBlocksLo{}, D64FileBlocksHi{};
  // 1 = used, 0 = free, by linear block number; element 683 is no block.
  std::array<int16_t, kD64Blocks + 1> D64BlockUsed{};
  int16_t AllocTrack = 0, AllocSector = 0;
  int16_t CurBlock = 0;
  int16_t AllocDistance = 0;
  int16_t AllocDirection = 0;  // 1 towards track 35, 2 towards track 1
  int16_t LinkTrack = 0, LinkSector = 0;
};
