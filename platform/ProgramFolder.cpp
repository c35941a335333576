#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdlib>
#include <optional>

#include "platform/FileAccess.h"

namespace {

std::optional<std::string>& overridePath() {
  static std::optional<std::string> path;
  return path;
}

std::string withoutTrailingSlash(std::string p) {
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  return p;
}

// Kept apart from the program: a build folder or an installed one may be
// wiped or replaced, and the user's settings must not go with it.
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
  const std::string exeDir = ExecutableFolder();
  if (!exeDir.empty() && FileExists(exeDir + "/" + kSettingsFileName)) return exeDir;
  return withoutTrailingSlash(configFolder());
}

}  // namespace

std::string ExecutableFolder() {
  if (QCoreApplication::instance())
    return withoutTrailingSlash(QCoreApplication::applicationDirPath().toStdString());
  QFileInfo exe(QStringLiteral("/proc/self/exe"));
  return withoutTrailingSlash(QFileInfo(exe.symLinkTarget()).absolutePath().toStdString());
}

std::string AppPath() {
  if (overridePath()) return *overridePath();
  static const std::string path = computeAppPath();
  return path;
}

void SetAppPathForTesting(const std::string& folder) {
  if (folder.empty()) overridePath().reset();
  else overridePath() = withoutTrailingSlash(folder);
}
