#pragma once
#include "editor/logic/StartUp.h"
#include "model/App.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"

// A window stand-in that reports a fixed placement and records what the
// commands ask of it.
class RecordingHost : public WindowHost {
 public:
  WindowPlacement current{1500, 3000, 15435, 12000, 0};
  std::vector<std::pair<WindowPlacement, bool>> applied;
  std::function<void()> mapSizeDialog;  // what "the user" does in frmMapSize
  int doEvents = 0;

  void DoEvents() override { ++doEvents; }
  void ShowMapSizeDialog() override {
    if (mapSizeDialog) mapSizeDialog();
  }
  WindowPlacement CurrentPlacement() const override { return current; }
  void ApplyPlacement(const WindowPlacement& p, bool geometryToo) override {
    applied.push_back({p, geometryToo});
  }
};

// The program with its own temporary folder, every prompt scripted, no window.
// startUp() runs the real start-up sequence in that empty folder.
class AppTest : public ::testing::Test {
 protected:
  AppTest() {
    a.prompts = &prompts;
    a.host = &host;
  }
  void startUp(const std::string& commandLine = "") { Form_Load(a, commandLine); }
  std::string path(const std::string& name) const { return folder.path(name); }
  // Ties a document to a file of the program folder, as a load would.
  void tie(int kind, const std::string& name) {
    DocIdentity id = Identity(a.st, kind);
    id.name = name;
    id.path = path(name);
    id.hasFile = true;
  }

  TempProgramFolder folder;
  ScriptedPrompts prompts;
  RecordingHost host;
  App a;
};
