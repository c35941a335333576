#include <cstring>

#include "FuzzTarget.h"
#include "d64/D64Image.h"
#include "d64/D64Writer.h"

// Track 18 of a disk image (BAM and directory sectors) as the writer walks
// it: reading the directory chain, freeing it and writing a new one never
// leaves track 18, and a directory written reads back as the table it holds.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  D64Image image;
  CreateBlankD64(image, "FUZZ", kD64ExportDiskId);
  std::memcpy(image.dirSector(0), data, std::min<size_t>(size, 19 * kD64BlockSize));
  const std::vector<uint8_t> before = image.bytes();
  D64Model m;
  ReadD64Directory(m, image);
  FUZZ_CHECK(image.bytes() == before);
  D64Model released = m;
  (void)ReleaseDirectorySectors(released, image);
  for (int b = 0; b < kD64Blocks; ++b)
    if (b < kD64BamBlock || b > kD64BamBlock + 18)
      FUZZ_CHECK(released.D64BlockUsed[b] == m.D64BlockUsed[b]);

  const D64Error e = WriteD64Directory(m, image);
  const size_t track18 = size_t(kD64BamBlock) * kD64BlockSize, track19 = track18 + 19 * kD64BlockSize;
  FUZZ_CHECK(std::memcmp(image.bytes().data(), before.data(), track18) == 0);
  FUZZ_CHECK(std::memcmp(image.bytes().data() + track19, before.data() + track19,
                         before.size() - track19) == 0);
  if (!e) {
    D64Model again;
    ReadD64Directory(again, image);
    for (int i = 0; i < kD64DirSlots && !m.D64FileName[i].empty(); ++i)
      FUZZ_CHECK(again.D64FileName[i] == m.D64FileName[i].substr(0, 16) + std::string(
                     16 - std::min<size_t>(16, m.D64FileName[i].size()), char(kD64Pad)));
  }
  return 0;
}
