#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/FileAccess.h"
#include "support/DocumentFilesHelpers.h"
#include "support/TestFiles.h"

TEST(WholeFileRead, AFileOfExactlyTheLimitIsReadAndOneByteMoreIsRefused) {
  QTemporaryDir dir;
  const std::string file = dir.filePath("f").toStdString();
  writeBytes(file, {1, 2, 3});
  EXPECT_EQ(readWholeFile(file, 3), (Bytes{1, 2, 3}));
  EXPECT_EQ(readWholeFile(file, 2), std::nullopt);
}

// A settings or project file whose folder takes no new files is written in place; a write
// stopped part-way must leave the old file as it was, whether the new text is shorter or
// longer. A shorter one is padded with line ends up to the cut: nothing of the old is left.
TEST(WholeFileWrite, InPlaceAFailurePartWayLeavesTheOldFileAndEveryLaterStepTheNewText) {
  QTemporaryDir dir;
  const std::string file = dir.filePath("old.mwj").toStdString();
  Bytes old(200);
  for (size_t i = 0; i < old.size(); ++i) old[i] = uint8_t(i);
  for (const auto& [length, limit] :
       {std::pair<size_t, rlim_t>{100, 50}, {300, 250}, {100, 0}, {300, 0}}) {
    writeBytes(file, old);
    const Bytes bytes(length, 0xAB);
    Bytes padded = bytes;
    padded.resize(std::max<size_t>(length, 200), '\n');
    std::vector<Bytes> seen;  // the file as each step after the write finds it
    SetInPlaceStepHookForTesting([&](auto) { return seen.push_back(readBytes(file)), true; });
    LockedFolder locked(dir.path().toStdString());
    std::optional<FileSizeLimit> cap;
    if (limit) cap.emplace(limit);
    EXPECT_EQ(bool(writeWholeFile(file, bytes, true)), !limit) << length;
    SetInPlaceStepHookForTesting(nullptr);
    EXPECT_EQ(readBytes(file), limit ? old : bytes) << length << " bytes, limit " << limit;
    EXPECT_TRUE(limit || seen == std::vector<Bytes>(length < 200 ? 2 : 1, padded)) << length;
  }
  ASSERT_TRUE(writeSparse(file, uint64_t(1) << 30));
  LockedFolder locked(dir.path().toStdString());
  EXPECT_FALSE(writeWholeFile(file, {7}));  // in place only where the caller allows it
  const uint64_t readBefore = bytesReadSoFar();
  EXPECT_FALSE(writeWholeFile(file, {7}, true));  // far longer than any file of ours
  EXPECT_LT(bytesReadSoFar() - readBefore, 4096u) << "refused before it is read";
}
