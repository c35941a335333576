#pragma once
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/ScriptedPrompts.h"
#include "editor/logic/FileCommands.h"
#include "model/App.h"
#include "platform/ProgramFolder.h"

namespace filecmd_test {

using ByteVec = std::vector<uint8_t>;

inline ByteVec ReadFile(const std::string& path) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray b = f.readAll();
  return ByteVec(b.begin(), b.end());
}

inline void WriteFile(const std::string& path, const ByteVec& bytes) {
  QFile f(QString::fromStdString(path));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
}

inline bool Exists(const std::string& path) { return QFile::exists(QString::fromStdString(path)); }

// A datamap file as the editor writes one: load address, size bytes, 256 x 128 cells.
inline ByteVec DatamapFile(uint8_t widthByte, uint8_t heightByte, uint8_t cellValue) {
  ByteVec b{0x00, 0x40, widthByte, heightByte};
  b.resize(4 + 32768, cellValue);
  return b;
}

// Records the pop-up menus the commands ask the window for.
class RecordingHost : public WindowHost {
 public:
  void ShowPopupMenu(const std::string& name) override { popups.push_back(name); }
  std::vector<std::string> popups;
};

// The program after start-up with nothing loaded, its folder a fresh
// temporary one, every prompt answered from the script.
class FileCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    dir = tmp.path().toStdString();
    SetAppPathForTesting(dir);
    a.prompts = &prompts;
    a.host = &host;
    ProgramState& st = a.st;
    st.MapWidth = 256;
    st.MapHeight = 128;
    st.MapWidthByte = 255;
    st.MapHeightByte = 127;
    st.TileBytes.assign(2048, 0);
    st.Colormap.fill(1);
    st.Colormap[0] = 0x3D;
    st.Colormap[1] = 0x32;
    st.Zoom = 100;
    for (int k = kDatamap; k <= kColormap; ++k) {
      DocIdentity id = Identity(st, k);
      id.name = std::string(DocTag(k)) + ".Blank.PRG";
      id.path = dir + "/" + id.name;
    }
  }

  // Ties a document to a file as a load would.
  void Tie(int kind, const std::string& name) {
    DocIdentity id = Identity(a.st, kind);
    id.name = name;
    id.path = dir + "/" + name;
    id.hasFile = true;
  }

  std::string Path(const std::string& name) const { return dir + "/" + name; }

  QTemporaryDir tmp;
  std::string dir;
  ScriptedPrompts prompts;
  RecordingHost host;
  App a;
};

}  // namespace filecmd_test
