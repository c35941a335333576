#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

#include "editor/frmMain.h"
#include "platform/ProgramFolder.h"

namespace {

// Sees the window's first paint. A frame is painted in one go, top-level
// first, so once the event loop returns after it the whole window is drawn.
class FirstPaint : public QObject {
 public:
  bool seen = false;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) seen = true;
    return false;
  }
};

// Construct, show, run the event loop until the first paint; the window is
// torn down, and `reset` run, outside the timing.
void timeToFirstFrame(benchmark::State& state,
                      const std::function<std::unique_ptr<QWidget>()>& make,
                      const std::function<void()>& reset = [] {}) {
  for (auto _ : state) {
    std::unique_ptr<QWidget> w = make();
    FirstPaint paint;
    w->installEventFilter(&paint);
    w->show();
    while (!paint.seen) QApplication::processEvents(QEventLoop::AllEvents);
    state.PauseTiming();
    w.reset();
    QApplication::processEvents();
    reset();
    state.ResumeTiming();
  }
}

// The editor as a first run starts it: a program folder without settings
// (the run writes them, so they are removed before the next).
void BM_StartupToFirstFrame(benchmark::State& state) {
  QTemporaryDir folder;
  SetAppPathForTesting(folder.path().toStdString());
  timeToFirstFrame(
      state, [] { return std::make_unique<frmMain>(std::string()); },
      [&] { QFile::remove(folder.filePath("Mosaicwright.ini")); });
  SetAppPathForTesting("");
}
BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond);

// The yardstick: Qt's own main window with a menu and a status bar at the
// editor's size.
void BM_BareQtWindowToFirstFrame(benchmark::State& state) {
  timeToFirstFrame(state, [] {
    auto w = std::make_unique<QMainWindow>();
    w->menuBar()->addMenu("&File")->addAction("Exit");
    w->statusBar()->showMessage("Ready");
    w->resize(1029, 800);
    return w;
  });
}
BENCHMARK(BM_BareQtWindowToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace
