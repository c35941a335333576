#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdlib>
#include <optional>

namespace {

std::optional<std::string>& overridePath() {
  static std::optional<std::string> path;
  return path;
}

std::string withoutTrailingSlash(std::string p) {
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  return p;
}

std::string executableFolder() {
  if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath().toStdString();
  QFileInfo exe(QStringLiteral("/proc/self/exe"));
  return QFileInfo(exe.symLinkTarget()).absolutePath().toStdString();
}

// An installed program usually sits in a folder its user may not write to;
// settings then live where the desktop keeps per-user configuration.
std::string configFolder() {
  QString base;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') base = QString::fromLocal8Bit(xdg);
  else base = QDir::homePath() + QStringLiteral("/.config");
  QString folder = base + QStringLiteral("/Mosaicwright");
  QDir().mkpath(folder);
  return folder.toStdString();
}

std::string computeAppPath() {
  std::string exeDir = executableFolder();
  QFileInfo info(QString::fromStdString(exeDir));
  if (!exeDir.empty() && info.isDir() && info.isWritable()) return withoutTrailingSlash(exeDir);
  return withoutTrailingSlash(configFolder());
}

}  // namespace

std::string AppPath() {
  if (overridePath()) return *overridePath();
  static const std::string path = computeAppPath();
  return path;
}

void SetAppPathForTesting(const std::string& folder) {
  if (folder.empty()) overridePath().reset();
  else overridePath() = withoutTrailingSlash(folder);
}
