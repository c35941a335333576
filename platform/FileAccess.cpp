#include "platform/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace {

// Large enough to read a document in one go, small enough that a read cut
// short by the limit never holds much more than the limit.
constexpr size_t kChunk = size_t(64) << 10;

// Writes n bytes at offset `at` through short writes; returns how many went in
// before a failure stopped it.
size_t writeAt(int fd, const uint8_t* data, size_t n, off_t at) {
  size_t done = 0;
  while (done < n) {
    const ssize_t put = ::pwrite(fd, data + done, n - done, at + off_t(done));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) break;
    done += size_t(put);
  }
  return done;
}

bool readAt(int fd, uint8_t* data, size_t n) {
  for (size_t done = 0; done < n;) {
    const ssize_t got = ::pread(fd, data + done, n - done, off_t(done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    done += size_t(got);
  }
  return true;
}

std::function<bool(InPlaceStep)>& inPlaceStepHook() {
  static std::function<bool(InPlaceStep)> hook;
  return hook;
}

bool stepAllowed(InPlaceStep step) { return !inPlaceStepHook() || inPlaceStepHook()(step); }

// The file is never cut before the new bytes are all in, and the bytes they
// overwrite are kept first, so that a write stopped part-way (file-size limit,
// full disk) can put the old file back as it was. A shorter text goes in with
// line ends up to the old length: killed before the cut, the write leaves the
// new text and blank lines, never the tail of the old one.
WriteResult writeInPlace(const std::string& path, const Bytes& bytes) {
  struct Fd {
    int fd;
    ~Fd() {
      if (fd >= 0) ::close(fd);
    }
  };
  // O_NONBLOCK: a pipe in the file's place must not hold the program up.
  const Fd file{::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
  const int fd = file.fd;
  struct stat st {};
  if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
      uint64_t(st.st_size) > kWholeFileLimit)
    return {};
  const size_t oldSize = size_t(st.st_size);
  Bytes padded = bytes;
  padded.resize(std::max(bytes.size(), oldSize), uint8_t('\n'));
  Bytes kept(oldSize);
  if (!readAt(fd, kept.data(), kept.size())) return {};

  const size_t written = writeAt(fd, padded.data(), padded.size(), 0);
  // Synced before the cut: an error the kernel reports late must still find
  // the old tail in place.
  if (written == padded.size() && stepAllowed(InPlaceStep::Sync) && ::fdatasync(fd) == 0 &&
      (bytes.size() >= oldSize ||
       (stepAllowed(InPlaceStep::Cut) && ::ftruncate(fd, off_t(bytes.size())) == 0)))
    return {WriteOutcome::Written};
  const size_t overwritten = std::min(written, oldSize);
  const bool restored = stepAllowed(InPlaceStep::PutBack) &&
                        writeAt(fd, kept.data(), overwritten, 0) == overwritten &&
                        (written <= oldSize || ::ftruncate(fd, off_t(oldSize)) == 0);
  return {restored ? WriteOutcome::Failed : WriteOutcome::OldFileDamaged};
}

}  // namespace

FileReader::FileReader(const std::string& path) {
  if (path.empty()) return;
  // O_NONBLOCK: opening a pipe without a writer would otherwise wait for one.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return;
  }
  fd_ = fd;
  recordedSize_ = st.st_size > 0 ? uint64_t(st.st_size) : 0;
}

FileReader::~FileReader() {
  if (fd_ >= 0) ::close(fd_);
}

bool FileReader::read(size_t n, Bytes& out) {
  if (fd_ < 0) return false;
  while (n > 0) {
    const size_t want = std::min(n, kChunk);
    const size_t at = out.size();
    out.resize(at + want);
    const ssize_t got = ::read(fd_, out.data() + at, want);
    if (got < 0 && errno == EINTR) {
      out.resize(at);
      continue;
    }
    out.resize(at + size_t(std::max<ssize_t>(got, 0)));
    if (got < 0) return false;
    if (got == 0) break;
    n -= size_t(got);
  }
  return true;
}

std::optional<Bytes> readFileHead(const std::string& path, size_t limit) {
  FileReader file(path);
  Bytes bytes;
  if (!file.isOpen() || !file.read(limit, bytes)) return std::nullopt;
  return bytes;
}

std::optional<Bytes> readWholeFile(const std::string& path, size_t limit) {
  std::optional<Bytes> bytes = readFileHead(path, limit + 1);
  if (bytes && bytes->size() > limit) return std::nullopt;
  return bytes;
}

std::string damageNote(WriteResult r) {
  if (r.outcome != WriteOutcome::OldFileDamaged) return {};
  return "\nThe old file could not be put back as it was and may be damaged.";
}

WriteResult writeWholeFile(const std::string& path, const Bytes& bytes,
                           bool inPlaceWhenFolderLocked) {
  if (path.empty()) return {};
  // QSaveFile would put a regular file in place of a pipe or a device node (as
  // root, of /dev/null itself).
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return {};
  QSaveFile file(QString::fromStdString(path));
  // QSaveFile's own fallback empties the old file before writing it.
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly))
    return inPlaceWhenFolderLocked ? writeInPlace(path, bytes) : WriteResult{};
  const auto n = qint64(bytes.size());
  // A short write (disk full, file size limit) can surface only at the flush,
  // and commit() would still put the cut file in place of the old one.
  if (file.write(reinterpret_cast<const char*>(bytes.data()), n) != n || !file.flush()) {
    file.cancelWriting();
    return {};
  }
  return {file.commit() ? WriteOutcome::Written : WriteOutcome::Failed};
}

void SetInPlaceStepHookForTesting(std::function<bool(InPlaceStep)> hook) {
  inPlaceStepHook() = std::move(hook);
}

bool FileExists(const std::string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  return std::filesystem::is_regular_file(std::filesystem::path(path), ec) && !ec;
}

bool IsDirectory(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_directory(std::filesystem::path(path), ec);
}

std::optional<uint64_t> RecordedFileSize(const std::string& path) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(std::filesystem::path(path), ec);
  if (ec) return std::nullopt;
  return uint64_t(size);
}
