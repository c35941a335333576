#pragma once
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>
#include <tuple>

#include "d64/D64Writer.h"
#include "support/TestFiles.h"

// The D64 tests read images with their own geometry table, so a fault in the
// writer's geometry cannot hide itself, and hand every image they write to two
// independent disk tools.
namespace d64test {

using Bytes = std::vector<uint8_t>;

inline int offsetOf(int track, int sector) {
  int block = 0;
  for (int t = 1; t < track; ++t) block += t <= 17 ? 21 : t <= 24 ? 19 : t <= 30 ? 18 : 17;
  return (block + sector) * 256;
}
inline Bytes bytesAt(const Bytes& image, int track, int sector, int from, int n) {
  const auto start = image.begin() + offsetOf(track, sector) + from;
  return Bytes(start, start + n);
}

struct TS {  // a block's track and sector
  int track, sector;
  bool operator==(const TS&) const = default;
};
// The blocks of a chain from its first block, at most 700.
inline std::vector<TS> chainFrom(const Bytes& image, int track, int sector) {
  std::vector<TS> chain;
  while (track != 0 && chain.size() < 700) {
    chain.push_back({track, sector});
    const uint8_t* link = image.data() + offsetOf(track, sector);
    track = link[0];
    sector = link[1];
  }
  return chain;
}
// The bytes of the file whose chain starts at track/sector, read by the links.
inline Bytes fileFrom(const Bytes& image, int track, int sector) {
  Bytes out;
  for (const TS& b : chainFrom(image, track, sector)) {
    const uint8_t* block = image.data() + offsetOf(b.track, b.sector);
    const int used = block[0] == 0 ? block[1] - 1 : 254;
    out.insert(out.end(), block + 2, block + 2 + std::clamp(used, 0, 254));
  }
  return out;
}

// A 32-byte directory entry: link, type, first block, name, 9 unused bytes, blocks.
inline Bytes entry(Bytes head, const std::string& name, uint8_t blocks) {
  head.insert(head.end(), name.begin(), name.end());
  head.insert(head.end(), 16 - name.size(), 0xA0);
  head.insert(head.end(), 9, 0x00);
  head.insert(head.end(), {blocks, 0x00});
  return head;
}
template <class T>
std::vector<T> operator+(std::vector<T> a, const std::vector<T>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

using Listed = std::tuple<int, std::string, std::string>;  // blocks, name, type

// A tool's output on a private copy of the image (cc1541 opens it for writing),
// nothing when it fails or reports an error. A tool not installed fails the test.
inline std::optional<std::string> runTool(const QTemporaryDir& dir, const QString& tool,
                                          QStringList args, const std::string& image) {
  const QString exe = QStandardPaths::findExecutable(tool);
  if (exe.isEmpty()) {
    ADD_FAILURE() << tool.toStdString() << " is not installed (make deps installs it)";
    return std::nullopt;
  }
  writeBytes(dir.filePath("image.d64").toStdString(), readBytes(image));
  QProcess p;
  p.setWorkingDirectory(dir.path());
  p.start(exe, args << dir.filePath("image.d64"));
  if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0 ||
      p.readAllStandardError().contains("ERROR"))
    return std::nullopt;
  return p.readAllStandardOutput().toStdString();
}
// cc1541 must accept the image at path and list it as expected; cbmconvert must
// extract each of `extracted` (a listed name and its bytes) byte-identical.
inline void expectImage(const std::string& path, const std::string& listedName,
                        const std::vector<Listed>& listed, int blocksFree,
                        const std::vector<std::pair<std::string, Bytes>>& extracted) {
  QTemporaryDir dir;
  // -m lifts a check of one fast loader's name hashes, which is no matter of validity.
  EXPECT_TRUE(runTool(dir, "cc1541", {"-m", "-V"}, path));
  std::istringstream lines(runTool(dir, "cc1541", {"-m"}, path).value_or(""));
  static const std::regex header(R"re(^0 \x1b\[7m"(.*)" .*$)re"),
      entryLine(R"re(^(\d+)\s+"(.*)"\s+(\S+)\s*$)re"), freeLine(R"(^(\d+) blocks free\.$)");
  std::string line, name;
  std::smatch m;
  std::vector<Listed> entries;
  int freeBlocks = -1;
  while (std::getline(lines, line)) {
    if (std::regex_match(line, m, header)) name = m[1];
    if (std::regex_match(line, m, entryLine)) entries.push_back({std::stoi(m[1]), m[2], m[3]});
    if (std::regex_match(line, m, freeLine)) freeBlocks = std::stoi(m[1]);
  }
  EXPECT_EQ(std::tuple(name, entries, freeBlocks), std::tuple(listedName, listed, blocksFree));
  QTemporaryDir out;
  EXPECT_TRUE(runTool(out, "cbmconvert", {"-N", "-d"}, path));
  for (const auto& [file, bytes] : extracted) {
    const QString got = out.filePath(QString::fromStdString(file + ".prg"));
    EXPECT_TRUE(readBytes(got.toStdString()) == bytes) << got.toStdString();
  }
}

}  // namespace d64test
