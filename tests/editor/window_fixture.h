#pragma once
#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <memory>

#include "editor/frmMain.h"
#include "editor/logic/TileSheet.h"
#include "platform/Bytes.h"
#include "platform/Color.h"
#include "render/MapRender.h"
#include "support/DistinctSheet.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"


inline QPoint Cell(int col, int row) { return QPoint(16 * col + 7, 16 * row + 7); }

// A move event of its own: QTest's only moves the cursor, silent when it is there already.
inline void MoveTo(QWidget* v, QPoint p, Qt::MouseButtons held = {}, Qt::KeyboardModifiers m = {}) {
  QMouseEvent move(QEvent::MouseMove, p, v->mapToGlobal(p), Qt::NoButton, held, m);
  QApplication::sendEvent(v, &move);
}
inline void Click(QWidget* v, QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  MoveTo(v, p, {}, mods);
  QTest::mouseClick(v, Qt::LeftButton, mods, p);
}
inline void Drag(QWidget* v, Qt::MouseButton b, QPoint from, QPoint to, QPoint via = {-1, -1}) {
  MoveTo(v, from);
  QTest::mousePress(v, b, Qt::NoModifier, from);
  if (via.x() >= 0) MoveTo(v, via, b);
  QApplication::processEvents();  // on screen there before it goes on
  MoveTo(v, to, b);
  QTest::mouseRelease(v, b, Qt::NoModifier, to);
}

// What the screen shows of a view's top-left part (no bar or panel covers it) once the
// pending repaints are done; fresh: what grab() paints afresh instead.
inline QImage OnScreen(QWidget* v, bool fresh = false) {
  QApplication::processEvents();
  const QRect r = v->rect() & QRect(0, 0, 512, 512);
  const QPoint at = v->mapTo(v->window(), r.topLeft());
  const QPixmap shot = fresh ? v->grab(r) : v->screen()->grabWindow(v->window()->winId(), at.x(),
                                                                    at.y(), r.width(), r.height());
  return shot.toImage().convertToFormat(QImage::Format_RGB32);
}
// No old frame or preview stays on screen where a fresh paint shows none.
inline bool UpToDate(QWidget* v) { return OnScreen(v) == OnScreen(v, true); }

// The window, shown with `front` active, pixel for pixel against its picture in fixtures/look/;
// with MW_LOOK_UPDATE naming a folder, the picture is written there and read back instead.
inline void LooksAsBefore(QWidget* w, const QString& name, QWidget* front = nullptr) {
  w->show();
  QApplication::setActiveWindow(front ? front : w);
  const QImage shot = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QString update = qEnvironmentVariable("MW_LOOK_UPDATE");
  const QString file = (update.isEmpty() ? MW_FIXTURES "/look" : update) + "/" + name + ".png";
  if (!update.isEmpty()) shot.save(file, "PNG", 0);
  const QImage ref = QImage(file).convertToFormat(shot.format());
  int wrong = 0;
  QRect box;
  for (int y = 0; y < std::max(shot.height(), ref.height()); ++y)
    for (int x = 0; x < std::max(shot.width(), ref.width()); ++x)
      if (!shot.valid(x, y) || !ref.valid(x, y) || shot.pixel(x, y) != ref.pixel(x, y))
        ++wrong, box |= QRect(x, y, 1, 1);
  EXPECT_EQ(wrong, 0) << name.toStdString() << ": " << wrong << " pixels differ in " << box.width()
                      << " x " << box.height() << " at " << box.x() << ", " << box.y();
}

// The real main window over an empty program folder, shown offscreen and
// active; every prompt it shows must have been scripted.
class ShownWindow : public ::testing::Test {
 protected:
  ShownWindow() : w(std::make_unique<frmMain>("", &prompts)) {
    w->show();
    QApplication::setActiveWindow(w.get());
  }
  void TearDown() override { EXPECT_EQ(prompts.pending(), 0u); }
  App& app() { return w->app(); }
  ProgramState& st() { return app().st; }
  MainForm& frm() { return app().frm; }
  std::string path(const std::string& name) const { return folder.path(name); }
  QWidget* map() { return w->mapView(); }
  QWidget* sheet() { return w->tileSheetView(); }
  void keys(Qt::Key key) { QTest::keyClick(w.get(), key, Qt::ControlModifier); }

  TempProgramFolder folder;  // built first, gone last: the window's settings land here
  ScriptedPrompts prompts;
  std::unique_ptr<frmMain> w;
};

// The same with a tile sheet whose every pixel differs (so a map pixel names
// its tile and its place in it), and tile 0 as the brush.
class RealWindow : public ShownWindow {
 protected:
  RealWindow() {
    PaintDistinctSheet(frm().picTileView);
    RedrawMap(app());
    ResetTileSelection(app());
    w->sync();
  }
};
