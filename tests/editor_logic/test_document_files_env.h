#pragma once
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "editor/logic/DocumentFiles.h"
#include "model/App.h"
#include "model/Formats.h"
#include "platform/Color.h"
#include "platform/ProgramFolder.h"
#include "support/ScriptedPrompts.h"

namespace docfiles_test {

// A named pipe with a writer waiting on the other end. A reader that opens it
// gets a few bytes and the end of the data, so a loader that wrongly reads a
// pipe fails its test instead of blocking it; one that refuses the pipe leaves
// the writer waiting, and it is ended here.
class PipeWithWriter {
 public:
  explicit PipeWithWriter(const std::string& path) {
    if (mkfifo(path.c_str(), 0600) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      const int fd = open(path.c_str(), O_WRONLY);
      if (fd >= 0 && write(fd, "abc", 3) == 3) close(fd);
      _exit(0);
    }
  }
  ~PipeWithWriter() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  bool ok() const { return pid_ > 0; }

 private:
  pid_t pid_ = -1;
};

// Sixteen colours that differ from one another and from the background.
inline int32_t PaletteColor(int i) {
  return i == 0 ? RGBColor(0, 0, 0) : RGBColor(16 * i - 1, 255 - 9 * i, 40 + 11 * i);
}

// A .prg tileset whose bytes differ from tile to tile and from row to row.
inline Bytes PrgTileset(uint8_t lo, uint8_t hi) {
  Bytes b{lo, hi};
  for (int i = 0; i < 2048; ++i) b.push_back(uint8_t((i * 37 + i / 8) % 256));
  return b;
}

// The program after start-up: palette and colormap set, a 40 x 25 map, its
// folder (and settings file) a fresh temporary one, every prompt scripted.
class DocumentFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    dir = tmp.path().toStdString();
    SetAppPathForTesting(dir);
    a.prompts = &prompts;
    ProgramState& st = a.st;
    for (int i = 0; i < 16; ++i) st.Palette[size_t(i)] = PaletteColor(i);
    st.Colormap.fill(1);
    st.Colormap[0] = 0x3D;
    st.Colormap[1] = 0x32;
    st.TileBytes.assign(2048, 0);
    st.MapWidth = 40;
    st.MapHeight = 25;
    st.SelectColor = RGBColor(255, 255, 0);
    a.frm.picMap.resize(40 * 16, 25 * 16);
  }

  std::string path(const std::string& name) const { return dir + "/" + name; }

  void write(const std::string& name, const Bytes& bytes) const {
    ASSERT_TRUE(writeWholeFile(path(name), bytes)) << name;
  }
  Bytes read(const std::string& name) const {
    return readWholeFile(path(name)).value_or(Bytes{0xDE, 0xAD});
  }
  bool exists(const std::string& name) const {
    return QFile::exists(QString::fromStdString(path(name)));
  }

  // Expects one stop-icon message with this title and text.
  void expectError(const std::string& title, const std::string& text) {
    ASSERT_FALSE(prompts.shown().empty()) << "no message shown";
    const auto& m = prompts.last();
    EXPECT_EQ(m.kind, "MsgBox");
    EXPECT_EQ(m.style, vbCritical);
    EXPECT_EQ(m.title, title);
    EXPECT_EQ(m.text, text);
  }

  QTemporaryDir tmp;
  std::string dir;
  ScriptedPrompts prompts;
  App a;
};

}  // namespace docfiles_test
