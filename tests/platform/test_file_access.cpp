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

// A settings or project file whose folder takes no new files is written in
// place; a write stopped part-way by a file-size limit must leave the old file
// as it was, whether the new text is shorter or longer.
TEST(WholeFileWrite, InPlaceAFailurePartWayLeavesTheOldFileAndASuccessItsNewLength) {
  QTemporaryDir dir;
  const std::string file = dir.filePath("old.mwj").toStdString();
  Bytes old(200);
  for (size_t i = 0; i < old.size(); ++i) old[i] = uint8_t(i);
  for (const auto& [length, limit] :
       {std::pair<size_t, rlim_t>{100, 50}, {300, 250}, {100, 0}, {300, 0}}) {
    writeBytes(file, old);
    const Bytes bytes(length, 0xAB);
    LockedFolder locked(dir.path().toStdString());
    std::optional<FileSizeLimit> cap;
    if (limit) cap.emplace(limit);
    EXPECT_EQ(bool(writeWholeFile(file, bytes, true)), !limit) << length;
    EXPECT_EQ(readBytes(file), limit ? old : bytes) << length << " bytes, limit " << limit;
  }
  ASSERT_TRUE(writeSparse(file, uint64_t(1) << 30));
  LockedFolder locked(dir.path().toStdString());
  EXPECT_FALSE(writeWholeFile(file, {7}));  // in place only where the caller allows it
  const uint64_t readBefore = bytesReadSoFar();
  EXPECT_TRUE(writeWholeFile(file, {7}, true));
  EXPECT_LT(bytesReadSoFar() - readBefore, 4096u) << "keeps only the bytes it overwrites";
}
