#pragma once
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QtGlobal>
#include <gtest/gtest.h>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdint>
#include <random>
#include <string>
#include <thread>
#include <vector>

// The bitmaps made by tests/fixtures/make-fixtures.sh.
inline std::string fixturePath(const std::string& name) {
  return std::string(MW_FIXTURES) + "/" + name;
}

// A named pipe with a writer on the other end. A reader that wrongly opens it
// gets "abc" and the end of the data, as often as it opens it, so its test
// fails instead of hanging; a refused pipe leaves the writer waiting until it
// is let go here.
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

// Qt's image reader warns about every broken header; thousands of lines of it
// would only hide a real failure.
struct QuietQt {
  QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  ~QuietQt() { qInstallMessageHandler(previous); }
};

inline std::vector<uint8_t> randomBytes(std::mt19937& rng, size_t n) {
  std::vector<uint8_t> b(n);
  for (auto& v : b) v = uint8_t(rng());
  return b;
}

// Overwrites a few bytes (mostly in the first 80, where the headers are),
// truncates, or extends a valid file.
inline std::vector<uint8_t> mutate(std::mt19937& rng, std::vector<uint8_t> b) {
  if (b.empty()) return b;
  switch (rng() % 4) {
    case 0:
      for (int i = 0, n = 1 + int(rng() % 4); i < n; ++i)
        b[rng() % std::min<size_t>(b.size(), 80)] = uint8_t(rng());
      break;
    case 1:
      for (int i = 0, n = 1 + int(rng() % 8); i < n; ++i) b[rng() % b.size()] = uint8_t(rng());
      break;
    case 2: b.resize(rng() % b.size()); break;
    default: b.resize(b.size() + 1 + rng() % 5000, uint8_t(rng())); break;
  }
  return b;
}
