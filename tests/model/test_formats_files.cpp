#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>

#include "model/Formats.h"

namespace {

// A named pipe with a writer waiting on the other end. A reader that opens it
// gets a few bytes and the end of the data, so a loader that wrongly reads a
// pipe fails its test instead of blocking it; one that refuses the pipe leaves
// the writer waiting, and it is ended here.
class PipeWithWriter {
 public:
  explicit PipeWithWriter(const std::string& path) {
    if (mkfifo(path.c_str(), 0600) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      const int fd = open(path.c_str(), O_WRONLY);
      if (fd >= 0 && write(fd, "abc", 3) == 3) close(fd);
      _exit(0);
    }
  }
  ~PipeWithWriter() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  bool ok() const { return pid_ > 0; }

 private:
  pid_t pid_ = -1;
};

struct FilesTest : ::testing::Test {
  QTemporaryDir dir;
  std::string path(const std::string& name) const {
    return dir.path().toStdString() + "/" + name;
  }
  void writeRaw(const std::string& p, const Bytes& b) const {
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(b.data()),
                                              std::streamsize(b.size()));
  }
};

}  // namespace

TEST_F(FilesTest, FileExistsOnlyForARegularFile) {
  writeRaw(path("a.prg"), Bytes{1, 2, 3});
  EXPECT_TRUE(FileExists(path("a.prg")));
  EXPECT_FALSE(FileExists(dir.path().toStdString()));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FileExists(path("missing.prg")));
  PipeWithWriter pipe(path("pipe.prg"));
  ASSERT_TRUE(pipe.ok());
  EXPECT_FALSE(FileExists(path("pipe.prg")));
}

TEST_F(FilesTest, ANamedPipeIsRefusedInsteadOfBlockingTheRead) {
  PipeWithWriter pipe(path("pipe.map"));
  ASSERT_TRUE(pipe.ok());
  EXPECT_FALSE(readWholeFile(path("pipe.map")));
}

TEST_F(FilesTest, ReadingAFolderOrAMissingFileFails) {
  EXPECT_FALSE(readWholeFile(dir.path().toStdString()));
  EXPECT_FALSE(readWholeFile(path("missing.prg")));
}

TEST_F(FilesTest, UnreadableFileFails) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  writeRaw(path("locked.prg"), Bytes{1});
  chmod(path("locked.prg").c_str(), 0);
  EXPECT_FALSE(readWholeFile(path("locked.prg")));
}

TEST_F(FilesTest, EmptyFileReadsAsNoBytes) {
  writeRaw(path("empty.prg"), Bytes{});
  const auto b = readWholeFile(path("empty.prg"));
  ASSERT_TRUE(b);
  EXPECT_TRUE(b->empty());
}

TEST_F(FilesTest, WritingOverALongerFileLeavesExactlyTheNewBytes) {
  writeRaw(path("map.prg"), Bytes(40000, 0xEE));
  ASSERT_TRUE(writeWholeFile(path("map.prg"), Bytes{0x00, 0x40, 0x28, 0x19}));
  EXPECT_EQ(readWholeFile(path("map.prg")), (Bytes{0x00, 0x40, 0x28, 0x19}));
}

TEST_F(FilesTest, FailedWriteLeavesTheOldFileWhole) {
  writeRaw(path("keep.prg"), Bytes{9, 8, 7});
  // A folder in the way of the target cannot be replaced.
  QDir(dir.path()).mkdir("taken.prg");
  EXPECT_FALSE(writeWholeFile(path("taken.prg"), Bytes{1}));
  EXPECT_FALSE(writeWholeFile(path("no/such/folder/x.prg"), Bytes{1}));
  EXPECT_FALSE(writeWholeFile("", Bytes{1}));
  EXPECT_EQ(readWholeFile(path("keep.prg")), (Bytes{9, 8, 7}));
}

TEST_F(FilesTest, FailedWriteIntoAReadOnlyFolderKeepsTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into every folder";
  QDir(dir.path()).mkdir("ro");
  writeRaw(path("ro/keep.prg"), Bytes{9, 8, 7});
  chmod(path("ro").c_str(), 0500);
  EXPECT_FALSE(writeWholeFile(path("ro/keep.prg"), Bytes{1, 2}));
  chmod(path("ro").c_str(), 0700);
  EXPECT_EQ(readWholeFile(path("ro/keep.prg")), (Bytes{9, 8, 7}));
}
