#pragma once
#include <QApplication>
#include <QTest>
#include <memory>

#include "editor/frmMain.h"
#include "editor/logic/TileSheet.h"
#include "platform/Color.h"
#include "render/MapRender.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"

// Tile t's colour at (x, y) inside it: red is the tile number, green and blue
// are 8 more than a multiple of 16 (which a marker or label colour is not).
inline int32_t SheetColor(int tile, int x, int y) { return RGBColor(tile, 16 * x + 8, 16 * y + 8); }

// The real main window over an empty program folder, shown offscreen; every
// prompt it shows must have been scripted.
class ShownWindow : public ::testing::Test {
 protected:
  explicit ShownWindow(bool show = true) : w(std::make_unique<frmMain>("", &prompts)) {
    if (show) w->show();
  }
  void TearDown() override { EXPECT_EQ(prompts.pending(), 0u); }
  App& app() { return w->app(); }
  ProgramState& st() { return app().st; }
  std::string path(const std::string& name) const { return folder.path(name); }

  TempProgramFolder folder;  // built first, gone last: the window's settings land here
  ScriptedPrompts prompts;
  std::unique_ptr<frmMain> w;
};

// The same with a tile sheet whose every pixel differs (so a map pixel names
// its tile and its place in it), tile 0 as the brush, and the keyboard focus.
class RealWindow : public ShownWindow {
 protected:
  RealWindow() : ShownWindow(false) {
    for (int t = 0; t < 256; ++t)
      for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
          app().frm.picTileView.setPixel(16 * (t % 32) + x, 16 * (t / 32) + y, SheetColor(t, x, y));
    RedrawMap(app());
    ResetTileSelection(app());
    w->show();
    w->sync();
    QApplication::setActiveWindow(w.get());
  }
  void keys(Qt::Key key) { QTest::keyClick(w.get(), key, Qt::ControlModifier); }
};
