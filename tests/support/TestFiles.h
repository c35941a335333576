#pragma once
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ProgramFolder.h"

// A private folder that is also the program's folder for the test's duration,
// so the settings file and the start-up document paths land there.
class TempProgramFolder {
 public:
  TempProgramFolder() {
    EXPECT_TRUE(tmp_.isValid());
    dir_ = tmp_.path().toStdString();
    SetAppPathForTesting(dir_);
  }
  ~TempProgramFolder() { SetAppPathForTesting(""); }
  const std::string& dir() const { return dir_; }
  std::string path(const std::string& name) const { return dir_ + "/" + name; }

 private:
  QTemporaryDir tmp_;
  std::string dir_;
};

inline std::vector<uint8_t> readBytes(const std::string& path) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray b = f.readAll();
  return std::vector<uint8_t>(b.begin(), b.end());
}

inline std::string readText(const std::string& path) {
  const auto b = readBytes(path);
  return std::string(b.begin(), b.end());
}

inline void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  QFile f(QString::fromStdString(path));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path;
  f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
}

inline void writeText(const std::string& path, const std::string& text) {
  writeBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}
