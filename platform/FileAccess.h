#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/Bytes.h"

// Every file the program reads is a regular file read from its first byte, and
// never further than the caller can use: a file picked by mistake may be many
// GiB long, or keep growing, or (/proc/self/pagemap) never end.
class FileReader {
 public:
  // Opens only a regular file: a folder cannot be read, a pipe or a device
  // could block or never end. The open itself never blocks.
  explicit FileReader(const std::string& path);
  ~FileReader();
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  // The length the file system records for the file at the open; files of
  // /proc record 0 whatever they hold.
  uint64_t recordedSize() const { return recordedSize_; }
  // Appends at most n more bytes to out, reading in chunks; fewer when the
  // file ends first. False on a read error (out then holds what was read).
  bool read(size_t n, Bytes& out);

 private:
  int fd_ = -1;
  uint64_t recordedSize_ = 0;
};

// The first `limit` bytes of a regular file, fewer when it is shorter. A
// caller that must tell a longer file asks for one byte more than it uses.
std::optional<Bytes> readFileHead(const std::string& path, size_t limit);

// What readWholeFile holds at most: far beyond any file of the program's own,
// small enough to hold in memory at once.
inline constexpr size_t kWholeFileLimit = size_t(16) << 20;
// The whole of a regular file of at most `limit` bytes; a longer one is
// refused (nullopt), as is anything but a readable regular file.
std::optional<Bytes> readWholeFile(const std::string& path, size_t limit = kWholeFileLimit);

// How a whole-file write ended. Only a write in place can leave the old file
// damaged: after it failed, the old bytes could not all be put back.
enum class WriteOutcome { Written, Failed, OldFileDamaged };
struct WriteResult {
  WriteOutcome outcome = WriteOutcome::Failed;
  explicit operator bool() const { return outcome == WriteOutcome::Written; }
};
// What a failure message adds after its first line: a line saying the old file
// may be damaged, or nothing.
std::string damageNote(WriteResult r);

// Through QSaveFile, flushed before the commit: the old file stays whole when
// the write fails. Only a regular file (or a link to one) is ever replaced: a
// pipe, a device or a folder in the path's place is refused and left alone.
// inPlaceWhenFolderLocked, for text whose blank lines mean nothing: when the
// folder takes no new file (where the replacement would be made), an existing
// writable regular file of at most kWholeFileLimit bytes is written over in
// place; a failure part-way puts its old bytes back.
WriteResult writeWholeFile(const std::string& path, const Bytes& bytes,
                           bool inPlaceWhenFolderLocked = false);

// The steps of a write in place after the new bytes went in. A test sets a
// hook that runs before each step and fails it by returning false.
enum class InPlaceStep { Sync, Cut, PutBack };
void SetInPlaceStepHookForTesting(std::function<bool(InPlaceStep)> hook);

// True only for an existing regular file (not a folder, not a pipe).
bool FileExists(const std::string& path);
// True for an existing folder, also one reached through a symbolic link.
bool IsDirectory(const std::string& path);
// The length the file system records for a regular file, without opening it;
// nothing for anything else or a file that is gone.
std::optional<uint64_t> RecordedFileSize(const std::string& path);
