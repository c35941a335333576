#include <gtest/gtest.h>

#include <QDir>

#include "platform/FileAccess.h"
#include "support/DocumentFilesHelpers.h"
#include "support/TestFiles.h"

namespace {

constexpr uint64_t kFourGiBAnd258 = (uint64_t(1) << 32) + 258;

// A drop tells a colormap by its recorded size and refuses a folder.
TEST(FileAccess, OnlyARegularFileExistsCanBeReadAndHasARecordedSize) {
  TempProgramFolder dir;
  writeBytes(dir.path("a.prg"), Bytes{1, 2, 3});
  writeBytes(dir.path("empty.prg"), Bytes{});
  FifoWithWriter pipe(dir.path("pipe.prg"));
  ASSERT_TRUE(pipe.ok());
  EXPECT_TRUE(FileExists(dir.path("a.prg")));
  EXPECT_EQ(readWholeFile(dir.path("a.prg")), (Bytes{1, 2, 3}));
  EXPECT_EQ(readFileHead(dir.path("a.prg"), 2), (Bytes{1, 2}));
  EXPECT_EQ(RecordedFileSize(dir.path("a.prg")), uint64_t(3));
  EXPECT_EQ(readWholeFile(dir.path("empty.prg")), Bytes{});
  EXPECT_EQ(std::tuple(IsDirectory(dir.dir()), IsDirectory(dir.path("a.prg"))),
            std::tuple(true, false));
  for (const std::string& p :
       {dir.dir(), std::string(), dir.path("missing.prg"), dir.path("pipe.prg")}) {
    EXPECT_FALSE(FileExists(p)) << p;
    EXPECT_FALSE(readWholeFile(p)) << p;
    EXPECT_FALSE(readFileHead(p, 10)) << p;
    EXPECT_FALSE(RecordedFileSize(p)) << p;
  }
}

TEST(FileAccess, HugeAndEndlessFilesAreReadOnlyToTheLimit) {
  TempProgramFolder dir;
  ASSERT_TRUE(writeSparse(dir.path("huge.prg"), kFourGiBAnd258, Bytes{7, 8, 9}));
  ASSERT_TRUE(writeSparse(dir.path("limit.ini"), kWholeFileLimit));
  ASSERT_TRUE(writeSparse(dir.path("over.ini"), kWholeFileLimit + 1));
  const struct {
    std::string path;
    std::optional<size_t> whole;  // bytes taken; nullopt: refused
  } rows[] = {{dir.path("huge.prg"), std::nullopt},
              {dir.path("limit.ini"), kWholeFileLimit},
              {dir.path("over.ini"), std::nullopt},
              {"/proc/self/pagemap", std::nullopt}};  // records its length as 0, never ends
  for (const auto& r : rows) {
    uint64_t before = bytesReadSoFar();
    readFileHead(r.path, 10);
    EXPECT_LE(bytesReadSoFar() - before, 10u + 1024) << r.path;
    before = bytesReadSoFar();
    const std::optional<Bytes> whole = readWholeFile(r.path);
    EXPECT_LE(bytesReadSoFar() - before, kWholeFileLimit + 1024) << r.path;
    EXPECT_EQ(whole ? std::optional(whole->size()) : std::nullopt, r.whole) << r.path;
  }
  EXPECT_EQ(FileReader(dir.path("huge.prg")).recordedSize(), kFourGiBAnd258);
  EXPECT_EQ(readFileHead(dir.path("huge.prg"), 4), (Bytes{7, 8, 9, 0}));
}

TEST(FileAccess, AWriteLeavesExactlyTheNewBytesOrTheOldFileWhole) {
  TempProgramFolder dir;
  writeBytes(dir.path("map.prg"), Bytes(40000, 0xEE));
  ASSERT_TRUE(writeWholeFile(dir.path("map.prg"), Bytes{0x00, 0x40, 0x28, 0x19}));
  EXPECT_EQ(readBytes(dir.path("map.prg")), (Bytes{0x00, 0x40, 0x28, 0x19}));
  QDir(QString::fromStdString(dir.dir())).mkdir("taken.prg");
  for (const std::string& p : {dir.path("taken.prg"), dir.path("no/such/x.prg"), std::string()})
    EXPECT_FALSE(writeWholeFile(p, Bytes{1})) << p;
  {
    FileSizeLimit limit(2049);  // the write breaks off one byte short
    EXPECT_FALSE(writeWholeFile(dir.path("map.prg"), Bytes(2050, 0x11)));
  }
  EXPECT_EQ(readBytes(dir.path("map.prg")), (Bytes{0x00, 0x40, 0x28, 0x19}));
}

}  // namespace
