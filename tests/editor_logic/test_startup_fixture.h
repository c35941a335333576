#pragma once
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <utility>
#include <vector>

#include "editor/logic/MainWindowLogic.h"
#include "model/App.h"
#include "platform/ProgramFolder.h"
#include "support/ScriptedPrompts.h"

namespace startup_test {

// A window that reports a fixed placement and records what it is asked to do.
class RecordingHost : public WindowHost {
 public:
  WindowPlacement current{1500, 3000, 15435, 12000, 0};
  std::vector<std::pair<WindowPlacement, bool>> applied;
  std::vector<std::string> urls;

  WindowPlacement CurrentPlacement() const override { return current; }
  void ApplyPlacement(const WindowPlacement& p, bool geometryToo) override {
    applied.push_back({p, geometryToo});
  }
  void OpenUrl(const std::string& url) override { urls.push_back(url); }
  int ScreenWidthTwips() const override { return 1920 * 15; }
  int ScreenHeightTwips() const override { return 1080 * 15; }
};

// The program started in an empty folder of its own, every prompt scripted.
class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    dir = tmp.path().toStdString();
    SetAppPathForTesting(dir);
    a.prompts = &prompts;
    a.host = &host;
  }
  void TearDown() override { SetAppPathForTesting(""); }

  std::string path(const std::string& name) const { return dir + "/" + name; }
  std::string settingsPath() const { return path("Mosaicwright.ini"); }

  void writeText(const std::string& name, const std::string& text) const {
    QFile f(QString::fromStdString(path(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.data(), qint64(text.size()));
  }
  std::string readText(const std::string& name) const {
    QFile f(QString::fromStdString(path(name)));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
  }

  QTemporaryDir tmp;
  std::string dir;
  ScriptedPrompts prompts;
  RecordingHost host;
  App a;
};

}  // namespace startup_test
