#include "d64_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <regex>
#include <sstream>

#include "d64/DirectoryArt.h"

namespace d64test {

Bytes defaultDatamap() {
  Bytes b(32772, 0);
  b[2] = 0xFF;
  b[3] = 0x7F;
  return b;
}
Bytes defaultDatatype() { return Bytes(32768, 0); }
Bytes defaultTileset() {
  Bytes b(2050, 0);
  b[1] = 0x70;
  return b;
}
Bytes defaultColormap() {
  Bytes b(258, 0x01);
  b[0] = 0x3D;
  b[1] = 0x32;
  return b;
}

std::vector<D64Source> defaultExportSources() {
  std::vector<D64Source> s = D64DirectoryArtSources();
  s.push_back(program("MWRT.Blank.PRG", defaultDatamap()));
  s.push_back(program("TYPE.Blank.TYP", defaultDatatype()));
  s.push_back(program("TILE.Blank.prg", defaultTileset()));
  s.push_back(program("CMAP.Blank.CMP", defaultColormap()));
  return s;
}

Bytes patterned(size_t size, uint8_t seed) {
  Bytes b(size);
  for (size_t i = 0; i < size; ++i) b[i] = static_cast<uint8_t>(seed + i * 7 + i / 254 * 13);
  return b;
}

D64Source program(const std::string& name, Bytes bytes) {
  return {name, std::move(bytes), D64Source::Kind::Program};
}

Bytes readFile(const std::string& path) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray all = f.readAll();
  return Bytes(all.begin(), all.end());
}

void writeFile(const std::string& path, const Bytes& bytes) {
  QFile f(QString::fromStdString(path));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

int offsetOf(int track, int sector) {
  int block = 0;
  for (int t = 1; t < track; ++t) block += t <= 17 ? 21 : t <= 24 ? 19 : t <= 30 ? 18 : 17;
  return (block + sector) * 256;
}

const uint8_t* sectorAt(const Bytes& image, int track, int sector) {
  return image.data() + offsetOf(track, sector);
}

std::vector<TS> chainFrom(const Bytes& image, int track, int sector) {
  std::vector<TS> chain;
  while (track != 0 && chain.size() < 700) {
    chain.push_back({track, sector});
    const uint8_t* s = sectorAt(image, track, sector);
    track = s[0];
    sector = s[1];
  }
  return chain;
}

Bytes fileFrom(const Bytes& image, int track, int sector) {
  Bytes out;
  for (const TS& b : chainFrom(image, track, sector)) {
    const uint8_t* s = sectorAt(image, b.track, b.sector);
    const int used = s[0] != 0 ? 254 : s[1] - 1;
    out.insert(out.end(), s + 2, s + 2 + used);
  }
  return out;
}

std::vector<TS> onTrack(int track, const std::vector<int>& sectors) {
  std::vector<TS> out;
  for (int s : sectors) out.push_back({track, s});
  return out;
}

Bytes entryAt(const Bytes& image, int sector, int entry) {
  const uint8_t* e = sectorAt(image, 18, sector) + 32 * entry;
  return Bytes(e, e + 32);
}

int freeBlocksOutsideTrack18(const Bytes& image) {
  int free = 0;
  for (int t = 1; t <= 35; ++t)
    if (t != 18) free += sectorAt(image, 18, 0)[4 + 4 * (t - 1)];
  return free;
}

namespace {

struct ToolRun {
  bool started = false;
  int exitCode = -1;
  std::string out, err;
};

ToolRun runTool(const QString& program, const QStringList& args, const QString& workDir) {
  ToolRun run;
  const QString exe = QStandardPaths::findExecutable(program);
  if (exe.isEmpty()) {
    ADD_FAILURE() << program.toStdString() << " is not installed (make deps installs it)";
    return run;
  }
  QProcess p;
  p.setWorkingDirectory(workDir);
  p.start(exe, args);
  if (!p.waitForStarted() || !p.waitForFinished(-1)) {
    ADD_FAILURE() << program.toStdString() << " could not be run";
    return run;
  }
  run.started = true;
  run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  run.out = p.readAllStandardOutput().toStdString();
  run.err = p.readAllStandardError().toStdString();
  return run;
}

// The tools get a private copy: cc1541 opens the image for writing. Its -m
// lifts a check for one fast loader's name hashes, which has nothing to do
// with the disk's validity: two files of one name are a valid directory.
QString copyInto(const QTemporaryDir& dir, const std::string& imagePath) {
  const QString copy = dir.filePath("image.d64");
  writeFile(copy.toStdString(), readFile(imagePath));
  return copy;
}

}  // namespace

bool cc1541Validates(const std::string& imagePath) {
  QTemporaryDir dir;
  const QString copy = copyInto(dir, imagePath);
  const ToolRun run = runTool("cc1541", {"-m", "-V", copy}, dir.path());
  return run.started && run.exitCode == 0 && run.err.find("ERROR") == std::string::npos;
}

Listing cc1541List(const std::string& imagePath) {
  QTemporaryDir dir;
  const QString copy = copyInto(dir, imagePath);
  const ToolRun run = runTool("cc1541", {"-m", copy}, dir.path());
  Listing listing;
  if (!run.started) return listing;
  EXPECT_EQ(run.exitCode, 0) << run.err;
  static const std::regex header(R"re(^0 \x1b\[7m"(.*)" .*$)re");
  static const std::regex entry(R"re(^(\d+)\s+"(.*)"\s+(\S+)\s*$)re");
  static const std::regex freeLine(R"(^(\d+) blocks free\.$)");
  std::istringstream lines(run.out);
  std::string line;
  std::smatch m;
  while (std::getline(lines, line)) {
    if (std::regex_match(line, m, header))
      listing.diskName = m[1];
    else if (std::regex_match(line, m, entry))
      listing.entries.push_back({std::stoi(m[1]), m[2], m[3]});
    else if (std::regex_match(line, m, freeLine))
      listing.blocksFree = std::stoi(m[1]);
  }
  return listing;
}

std::map<std::string, Bytes> cbmconvertExtract(const std::string& imagePath) {
  QTemporaryDir dir;
  const QString copy = copyInto(dir, imagePath);
  const QString out = dir.filePath("out");
  QDir().mkpath(out);
  std::map<std::string, Bytes> files;
  const ToolRun run = runTool("cbmconvert", {"-N", "-d", copy}, out);
  if (!run.started) return files;
  EXPECT_EQ(run.exitCode, 0) << run.err;
  for (const QString& name : QDir(out).entryList(QDir::Files))
    files[name.toStdString()] = readFile(QDir(out).filePath(name).toStdString());
  return files;
}

}  // namespace d64test
