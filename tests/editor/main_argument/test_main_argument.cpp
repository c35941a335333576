// app/main.cpp as it stands: this start-up function runs inside QApplication's constructor,
// before main builds the window from its argument. It writes the project the first argument
// names into a program folder of its own and checks in main's event loop that the window
// "loads" it or "ignores" it, as the second argument says.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "editor/frmMain.h"
#include "platform/ProgramFolder.h"

namespace {

// Main's loop may not be running yet: a failure leaves at once.
void expect(bool ok, const char* what) {
  if (!ok) std::fprintf(stderr, "FAILED: %s\n", what), std::_Exit(1);
}


void write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  expect(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size(), "writing the project");
}

void checkTheWindow() {
  // A project load lets events run inside the window's constructor already.
  if (QThread::currentThread()->loopLevel() == 0) return QTimer::singleShot(0, checkTheWindow);
  frmMain* w = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* m = dynamic_cast<frmMain*>(top)) w = m;
  expect(w && w->isVisible(), "main shows its window");
  ProgramState& st = w->app().st;
  const QStringList args = QCoreApplication::arguments();
  if (args[2] == "loads") {
    expect(st.ProjectPath == QDir::current().absoluteFilePath(args[1]).toStdString(),
           "the argument's project is open under its whole path");
    const QImage shown = w->mapView()->grab().toImage();
    expect(st.MapWidth == 40 && shown.pixelColor(5, 11) == QColor(116, 67, 53) &&
               shown.pixelColor(16 + 5, 11) == QColor(0, 0, 0),
           "its datamap is drawn with its tileset and colours");
  } else {
    expect(st.ProjectName == "Blank.mwj" && st.MapWidth == 256, "the argument is ignored");
  }
  QCoreApplication::exit(0);
}

void beforeMain() {
  static QTemporaryDir folder;
  const QStringList args = QCoreApplication::arguments();
  expect(folder.isValid() && args.size() == 3, "usage: test_main_argument PATH loads|ignores");
  const QString dir = folder.path();
  SetAppPathForTesting(dir.toStdString());
  QDir::setCurrent(dir);  // where a relative argument is taken from
  // A 40 x 25 map of tile 1 with tile 0 at (1, 0); tile 1 has all its pixels
  // set and colour 2 (116, 67, 53), tile 0 none.
  QByteArray map(32772, 1), tiles(2048, 0), colours(258, 1);
  map[0] = 0x00, map[1] = 0x40, map[2] = 40, map[3] = 25, map[5] = 0, colours[3] = 2;
  tiles.replace(8, 8, QByteArray(8, char(0xFF)));
  write(dir + "/m.map", map);
  write(dir + "/t.chr", tiles);
  write(dir + "/c.prg", colours);
  write(args[1], ("[Files]\nMWRT=" + dir + "/m.map\nTILE=" + dir + "/t.chr\nCMAP=" + dir +
                  "/c.prg\n").toUtf8());
  QTimer::singleShot(0, checkTheWindow);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(beforeMain)
