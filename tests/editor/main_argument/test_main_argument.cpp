// app/main.cpp as it stands: this start-up function runs inside QApplication's constructor,
// before main builds the window from its argument, and checks in main's event loop that the
// window "loads" or "ignores" the project PATH names (PATH loads|ignores), that a datamap Save
// past the driver's file-size limit fails with its message (limit), where the settings live
// (per-user, xdg, portable), and there what Help and the status bar's link panel open; a
// project value of 15 MiB (PATH long) or a start-up datamap of 10 MiB in the settings (long).
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

#include "editor/frmMain.h"
#include "platform/ProgramFolder.h"

namespace {

// Main's loop may not be running yet: a failure leaves at once.
void expect(bool ok, const char* what) {
  if (!ok) std::fprintf(stderr, "FAILED: %s\n", what), std::_Exit(1);
}

QTemporaryDir folder("home-XXXXXX");  // in the fresh working folder, gone even after a failure

// Notes what the window hands the desktop to open.
class Desktop : public QObject {
  Q_OBJECT
 public:
  Q_INVOKABLE void open(const QUrl& url) { opened << url.toString(); }
  QStringList opened;
};

void write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  expect(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size(), "writing a file");
}

// Notes the title and text of the message box the running command shows, and closes it.
void answerMessage(QString* seen) {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (!box) return QTimer::singleShot(0, [seen] { answerMessage(seen); });
  *seen = box->windowTitle() + " | " + box->text();
  expect(box->textFormat() == Qt::PlainText, "a file name in a message never reads as markup");
  box->button(QMessageBox::Ok)->click();
}

QString startUpBox;  // the box the start-up showed, as "title | text"

void checkTheWindow() {
  // A project load lets events run inside the window's constructor already.
  if (QThread::currentThread()->loopLevel() == 0) return QTimer::singleShot(0, checkTheWindow);
  frmMain* w = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* m = dynamic_cast<frmMain*>(top)) w = m;
  expect(w && w->isVisible(), "main shows its window");
  ProgramState& st = w->app().st;
  const QStringList args = QCoreApplication::arguments();
  const QString mode = args.value(2, args[1]), home = folder.path();
  const QString exeDir = QCoreApplication::applicationDirPath();
  if (mode == "loads") {
    expect(st.ProjectPath == QDir::current().absoluteFilePath(args[1]).toStdString(),
           "the argument's project is open under its whole path");
    const QImage shown = w->mapView()->grab().toImage();
    expect(st.MapWidth == 40 && shown.pixelColor(5, 11) == QColor(116, 67, 53) &&
               shown.pixelColor(16 + 5, 11) == QColor(0, 0, 0),
           "its datamap is drawn with its tileset and colours");
  } else if (mode == "ignores") {
    expect(st.ProjectName == "Blank.mwj" && st.MapWidth == 256, "the argument is ignored");
  } else if (mode == "limit") {
    const QString old = home + "/old.map";
    write(old, "old");
    st.DatamapPath = old.toStdString(), st.DatamapFile = "old.map", st.DatamapHasFile = true;
    QString seen;
    QTimer::singleShot(0, [&seen] { answerMessage(&seen); });
    w->action("mnuDatamapSave")->trigger();  // 32,772 bytes
    expect(seen == "Datamap Save Error | Cannot write Datamap file (" + old + ")!",
           "the save says it failed");
    QFile f(old);
    expect(f.open(QIODevice::ReadOnly) && f.readAll() == "old", "the old file is as it was");
  } else if (mode == "long") {  // PATH long: the project's datamap; long: the settings' one
    const QString c = args.size() > 2 ? "a" : "b", cut = "/" + c.repeated(4094);
    expect((args.size() > 2 ? st.DatamapPath : st.StartupDatamap) == cut.toStdString() &&
               startUpBox.contains("Datamap file (/" + c) && startUpBox.contains(c + "..." + c) &&
               startUpBox.endsWith(") NOT FOUND!"),
           "the value is cut to 4,095 bytes, and the box names it without its middle");
  } else {
    const bool portable = mode == "portable";
    const QString perUser = home + (mode == "xdg" ? "/cfg" : "/.config") + "/Mosaicwright";
    const QString data = portable ? exeDir : perUser;
    expect(QFile::exists(data + "/Mosaicwright.ini") &&
               st.ProjectPath == (data + "/Blank.mwj").toStdString(),
           "the settings and the untitled documents are in the program's data folder");
    expect(!QFile::exists(portable ? perUser : exeDir + "/Mosaicwright.ini"), "and nowhere else");
    Desktop desktop;
    for (const char* s : {"file", "https"}) QDesktopServices::setUrlHandler(s, &desktop, "open");
    write(exeDir + "/Mosaicwright-Help.chm", "");
    w->action("mnuHelp")->trigger();
    for (QWidget* panel : w->control("StatusBar1")->findChildren<QWidget*>()) {
      QMouseEvent up(QEvent::MouseButtonRelease, QPointF(2, 2), panel->mapToGlobal(QPointF(2, 2)),
                     Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(panel, &up);
    }
    expect(desktop.opened == QStringList{"file://" + exeDir + "/Mosaicwright-Help.chm",
                                         "https://ostrelforge.example/"},
           "Help opens the help file beside the program; the link panel, alone, the maker's site");
  }
  QCoreApplication::exit(0);
}

// A long value must neither freeze the start-up nor give its box more than the screen.
void answerStartUpBox() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (!box) return QTimer::singleShot(0, answerStartUpBox);
  const QSize screen = box->screen()->availableGeometry().size();
  expect(screen.expandedTo(box->size()) == screen, "the box fits the screen");
  answerMessage(&startUpBox);
  QTimer::singleShot(0, checkTheWindow);
}

void beforeMain() {
  const QStringList args = QCoreApplication::arguments();
  expect(folder.isValid() && args.size() >= 2,
         "usage: test_main_argument PATH loads|ignores, or limit|per-user|xdg|portable");
  const QString dir = folder.path(), mode = args.value(2, args[1]);
  QTimer::singleShot(0, mode == "long" ? answerStartUpBox : checkTheWindow);
  if (args[1] == "per-user" || args[1] == "xdg" || args[1] == "portable") {
    qputenv("HOME", dir.toUtf8());
    // A relative XDG_CONFIG_HOME counts as unset.
    qputenv("XDG_CONFIG_HOME", args[1] == "xdg" ? (dir + "/cfg").toUtf8() : "cfg");
    return;
  }
  SetAppPathForTesting(dir.toStdString());
  if (args[1] == "limit") return;
  if (args[1] == "long")
    return write(dir + "/Mosaicwright.ini", "[Files]\nMap=/" + QByteArray(10 << 20, 'b'));
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
  if (mode == "long") write(args[1], "[Files]\nMWRT=/" + QByteArray(15 << 20, 'a') + "\n");
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(beforeMain)

#include "test_main_argument.moc"
