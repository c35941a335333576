#include <cstring>

#include "FuzzTarget.h"
#include "d64/D64Image.h"
#include "d64/D64Writer.h"

// Any BAM sector: it reads into the block map and writes back the same map,
// and files copied onto the disk it describes take only free blocks off track
// 18 or are refused before a block is written.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  D64Image image;
  CreateBlankD64(image, "FUZZ", kD64ExportDiskId);
  const size_t bam = std::min<size_t>(size, kD64BlockSize);
  std::memcpy(image.dirSector(0), data, bam);
  D64Model m;
  ReadD64Directory(m, image);
  D64Image rewritten = image;
  WriteD64Bam(m, rewritten);
  D64Model again;
  ReadD64Bam(again, rewritten);
  FUZZ_CHECK(again.D64BlockUsed == m.D64BlockUsed);

  // The bytes after the BAM give the sizes of the files to copy.
  std::vector<D64Source> sources;
  for (size_t at = bam; at + 1 < size && sources.size() < 8; at += 2)
    sources.push_back({"F" + std::to_string(at) + ".PRG",
                       std::vector<uint8_t>(1 + (data[at] | (data[at + 1] & 0x3F) << 8), 0x5A)});
  const D64Model start = m;
  const std::vector<uint8_t> beforeCopy = image.bytes();
  const D64Error e = WriteFilesToD64(m, image, sources);
  for (int b = 0; b < kD64Blocks; ++b) {
    if (b >= kD64BamBlock && b <= kD64BamBlock + 18) continue;
    const bool changed = std::memcmp(image.block(b), beforeCopy.data() + b * kD64BlockSize,
                                     kD64BlockSize) != 0;
    FUZZ_CHECK(!changed || start.D64BlockUsed[b] != 1);
    FUZZ_CHECK(!changed || m.D64BlockUsed[b] == 1);
  }
  if (e && e->find("do not fit") != std::string::npos) FUZZ_CHECK(image.bytes() == beforeCopy);
  return 0;
}
