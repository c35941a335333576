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

bool writeWholeFile(const std::string& path, const Bytes& bytes, bool inPlaceWhenFolderLocked) {
  if (path.empty()) return false;
  QSaveFile file(QString::fromStdString(path));
  file.setDirectWriteFallback(inPlaceWhenFolderLocked);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const auto n = qint64(bytes.size());
  // A short write (disk full, file size limit) can surface only at the flush,
  // and commit() would still put the cut file in place of the old one.
  if (file.write(reinterpret_cast<const char*>(bytes.data()), n) != n || !file.flush()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
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
