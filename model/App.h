#pragma once
#include <string>

#include "model/MainForm.h"
#include "model/ProgramState.h"
#include "platform/ListHit.h"
#include "platform/Prompts.h"

// Window placement in twips, as the settings store it.
struct WindowPlacement {
  int32_t top = 0, left = 0, width = 1029 * 15, height = 780 * 15;
  int16_t state = 0;  // 0 normal, 1 minimized, 2 maximized
};

// What the commands need of the window around them. The main window
// implements it; without a window (tests of the commands alone) the defaults
// below serve.
class WindowHost {
 public:
  virtual ~WindowHost() = default;
  // Let pending window events run (shows what the commands drew so far).
  virtual void DoEvents() {}
  // Paints the tile editor's grid as it stands, at once and without handling
  // any pending input.
  virtual void RepaintTileGrid() {}
  virtual void ShowPopupMenu(const std::string& /*menuName*/) {}
  // Shows frmMapSize modally; it leaves MsgResult 1 (OK) or 2 (Cancel).
  virtual void ShowMapSizeDialog() {}
  virtual void ShowSettingsDialog() {}
  virtual void ShowCreditsBox() {}
  virtual void CloseWindow() {}
  virtual void OpenUrl(const std::string& /*url*/) {}
  // The datatype list's hit test at a point in its client pixels; without a
  // list on screen every point lies outside.
  virtual ListHit DatatypeItemFromPoint(int /*x*/, int /*y*/) const { return {}; }
  virtual WindowPlacement CurrentPlacement() const { return {}; }
  virtual void ApplyPlacement(const WindowPlacement& /*p*/, bool /*geometryToo*/) {}
  virtual int ScreenWidthTwips() const { return 1920 * 15; }
  virtual int ScreenHeightTwips() const { return 1080 * 15; }
};

// The program: its state, its main form's controls, and the prompts and window
// it talks to. One instance for the whole run.
struct App {
  App() = default;
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  ProgramState st;
  MainForm frm;
  Prompts* prompts = nullptr;
  WindowHost* host = &defaultHost;

  WindowHost defaultHost;
};
