#include <gtest/gtest.h>

#include <QDir>

#include "platform/FileAccess.h"
#include "support/DocumentFilesHelpers.h"
#include "support/TestFiles.h"

namespace {

constexpr uint64_t kFourGiBAnd258 = (uint64_t(1) << 32) + 258;

TEST(FileAccess, OnlyARegularFileExistsAndCanBeRead) {
  TempProgramFolder dir;
  writeBytes(dir.path("a.prg"), Bytes{1, 2, 3});
  writeBytes(dir.path("empty.prg"), Bytes{});
  FifoWithWriter pipe(dir.path("pipe.prg"));
  ASSERT_TRUE(pipe.ok());
  EXPECT_TRUE(FileExists(dir.path("a.prg")));
  EXPECT_EQ(readWholeFile(dir.path("a.prg")), (Bytes{1, 2, 3}));
  EXPECT_EQ(readFileHead(dir.path("a.prg"), 2), (Bytes{1, 2}));
  EXPECT_EQ(readWholeFile(dir.path("empty.prg")), Bytes{});
  for (const std::string& p :
       {dir.dir(), std::string(), dir.path("missing.prg"), dir.path("pipe.prg")}) {
    EXPECT_FALSE(FileExists(p)) << p;
    EXPECT_FALSE(readWholeFile(p)) << p;
    EXPECT_FALSE(readFileHead(p, 10)) << p;
  }
}

// A drop tells a colormap by its length and refuses a folder by these two.
TEST(FileAccess, OnlyARegularFileHasARecordedSizeAndOnlyAFolderIsADirectory) {
  TempProgramFolder dir;
  writeBytes(dir.path("c.prg"), Bytes(258, 1));
  FifoWithWriter pipe(dir.path("pipe.prg"));
  ASSERT_TRUE(pipe.ok());
  EXPECT_EQ(RecordedFileSize(dir.path("c.prg")), uint64_t(258));
  EXPECT_FALSE(IsDirectory(dir.path("c.prg")));
  EXPECT_TRUE(IsDirectory(dir.dir()));
  for (const std::string& p :
       {dir.dir(), std::string(), dir.path("missing.prg"), dir.path("pipe.prg")})
    EXPECT_FALSE(RecordedFileSize(p)) << p;
  EXPECT_FALSE(IsDirectory(dir.path("missing.prg")));
}

TEST(FileAccess, HugeAndEndlessFilesAreReadOnlyToTheLimit) {
  TempProgramFolder dir;
  ASSERT_TRUE(writeSparse(dir.path("huge.prg"), kFourGiBAnd258, Bytes{7, 8, 9}));
  ASSERT_TRUE(writeSparse(dir.path("limit.ini"), kWholeFileLimit));
  ASSERT_TRUE(writeSparse(dir.path("over.ini"), kWholeFileLimit + 1));
  const struct {
    std::string path;
    size_t limit;
    std::optional<size_t> head, whole;  // bytes taken; nullopt: refused
  } rows[] = {
      {dir.path("huge.prg"), 2050, 2050, std::nullopt},
      {dir.path("limit.ini"), 10, 10, kWholeFileLimit},
      {dir.path("over.ini"), 10, 10, std::nullopt},
  };
  for (const auto& r : rows) {
    uint64_t before = bytesReadSoFar();
    const std::optional<Bytes> head = readFileHead(r.path, r.limit);
    EXPECT_LE(bytesReadSoFar() - before, r.limit + 1024) << r.path;
    ASSERT_EQ(head ? std::optional(head->size()) : std::nullopt, r.head) << r.path;

    before = bytesReadSoFar();
    const std::optional<Bytes> whole = readWholeFile(r.path);
    EXPECT_LE(bytesReadSoFar() - before, kWholeFileLimit + 1024) << r.path;
    EXPECT_EQ(whole ? std::optional(whole->size()) : std::nullopt, r.whole) << r.path;
  }
  // Records its length as 0 and never ends.
  const uint64_t before = bytesReadSoFar();
  EXPECT_FALSE(readWholeFile("/proc/self/pagemap"));
  EXPECT_LE(bytesReadSoFar() - before, kWholeFileLimit + 1024);
  EXPECT_EQ(FileReader(dir.path("huge.prg")).recordedSize(), kFourGiBAnd258);
  EXPECT_EQ(readFileHead(dir.path("huge.prg"), 4), (Bytes{7, 8, 9, 0}));
}

TEST(FileAccess, AWriteLeavesExactlyTheNewBytesOrTheOldFileWhole) {
  TempProgramFolder dir;
  writeBytes(dir.path("map.prg"), Bytes(40000, 0xEE));
  ASSERT_TRUE(writeWholeFile(dir.path("map.prg"), Bytes{0x00, 0x40, 0x28, 0x19}));
  EXPECT_EQ(readBytes(dir.path("map.prg")), (Bytes{0x00, 0x40, 0x28, 0x19}));

  QDir(QString::fromStdString(dir.dir())).mkdir("taken.prg");
  EXPECT_FALSE(writeWholeFile(dir.path("taken.prg"), Bytes{1}));
  EXPECT_FALSE(writeWholeFile(dir.path("no/such/folder/x.prg"), Bytes{1}));
  EXPECT_FALSE(writeWholeFile("", Bytes{1}));
  {
    FileSizeLimit limit(2049);  // the write breaks off one byte short
    EXPECT_FALSE(writeWholeFile(dir.path("map.prg"), Bytes(2050, 0x11)));
  }
  EXPECT_EQ(readBytes(dir.path("map.prg")), (Bytes{0x00, 0x40, 0x28, 0x19}));
}

}  // namespace
