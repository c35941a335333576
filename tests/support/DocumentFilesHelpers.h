#pragma once
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

// The bitmaps made by tests/fixtures/make-fixtures.sh.
inline std::string fixturePath(const std::string& name) {
  return std::string(MW_FIXTURES) + "/" + name;
}

// A named pipe with a writer on the other end: a reader that wrongly opens it
// gets "abc" and the end of the data each time, so its test fails instead of
// hanging; a refused pipe leaves the writer waiting until it is let go here.
class FifoWithWriter {
 public:
  explicit FifoWithWriter(std::string path) : path_(std::move(path)) {
    ok_ = mkfifo(path_.c_str(), 0600) == 0;
    if (ok_)
      writer_ = std::thread([this] {
        sigset_t pipeSignal;  // a reader that leaves early must not end the tests
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
        while (!stop_) {
          const int fd = open(path_.c_str(), O_WRONLY);
          if (fd < 0) continue;
          [[maybe_unused]] const ssize_t n = write(fd, "abc", 3);
          close(fd);
        }
      });
  }
  ~FifoWithWriter() {
    if (!ok_) return;
    stop_ = true;
    const int fd = open(path_.c_str(), O_RDONLY | O_NONBLOCK);  // lets a waiting writer go
    writer_.join();
    if (fd >= 0) close(fd);
  }
  bool ok() const { return ok_; }

 private:
  std::string path_;
  bool ok_ = false;
  std::atomic<bool> stop_{false};
  std::thread writer_;
};

// Writes past `bytes` fail while this lives, for root as well: the one way a
// test can make a save over an existing file fail halfway.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = signal(SIGXFSZ, SIG_IGN);
    const rlimit r{bytes, old_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &r);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  sighandler_t oldHandler_ = SIG_DFL;
};

// A folder that takes no new files while this lives, for root as well: mode
// 0555, and this thread sets aside the capabilities that let root write
// anywhere (still permitted, so it takes them back). Its files stay writable.
class LockedFolder {
 public:
  explicit LockedFolder(std::string dir) : dir_(std::move(dir)) {
    chmod(dir_.c_str(), 0555);
    got_ = syscall(SYS_capget, &header_, caps_) == 0;
    const uint32_t effective = caps_[0].effective;
    caps_[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    if (got_) syscall(SYS_capset, &header_, caps_);
    caps_[0].effective = effective;
    const std::string probe = dir_ + "/probe";
    EXPECT_FALSE(mkdir(probe.c_str(), 0700) == 0 && rmdir(probe.c_str()) == 0)
        << dir_ << " still takes new files";
  }
  ~LockedFolder() {
    if (got_) syscall(SYS_capset, &header_, caps_);
    chmod(dir_.c_str(), 0700);  // a temporary folder's own mode
  }

 private:
  std::string dir_;
  __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct caps_[2]{};
  bool got_ = false;
};

// A file of `size` bytes, `head` first and zeros after it, that takes no disk
// space beyond its head: a document picked by mistake may be this long.
inline bool writeSparse(const std::string& path, uint64_t size,
                        const std::vector<uint8_t>& head = {}) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd < 0) return false;
  const bool ok = ::write(fd, head.data(), head.size()) == ssize_t(head.size()) &&
                  ::ftruncate(fd, off_t(size)) == 0;
  ::close(fd);
  return ok;
}

// The bytes this process has read so far (files, pipes, /proc), as the kernel
// counts them: what a load read, whatever it then kept.
inline uint64_t bytesReadSoFar() {
  const int fd = ::open("/proc/self/io", O_RDONLY);
  char text[512] = {};
  const ssize_t n = fd < 0 ? -1 : ::read(fd, text, sizeof text - 1);
  if (fd >= 0) ::close(fd);
  unsigned long long rchar = 0;
  if (n <= 0 || std::sscanf(text, "rchar: %llu", &rchar) != 1) ADD_FAILURE() << "no /proc/self/io";
  return rchar;
}
