#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/widgets/QtPrompts.h"

TEST(FileDialogFilters, EachPairBecomesOneQtFilterListingUpperCaseToo) {
  EXPECT_EQ(QtPrompts::qtFilters("Datamap (*.map;*.prg)|*.map;*.prg"),
            QStringList{"Datamap (*.map *.MAP *.prg *.PRG)"});
  EXPECT_EQ(QtPrompts::qtFilters("Bitmaps (*.bmp)|*.bmp|All Files (*.*)|*.*|"),
            (QStringList{"Bitmaps (*.bmp *.BMP)", "All Files (*.*)"}));
  EXPECT_EQ(QtPrompts::qtFilters("Project (.mwj)|*.mwj"), QStringList{"Project (*.mwj *.MWJ)"});
}

namespace {

// Answers the real file or folder dialog that the next call opens: the folder
// it opened in is noted, then `pick` chosen (or the dialog cancelled when empty).
void answerNextDialog(QString* opened, const QString& pick) {
  QTimer::singleShot(0, [opened, pick] {
    auto* fd = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(fd, nullptr);
    *opened = QDir(fd->directory()).canonicalPath();
    if (pick.isEmpty()) return fd->reject();
    fd->selectFile(pick);
    static_cast<QDialog*>(fd)->accept();
  });
}

}  // namespace

TEST(FileDialogFolders, ADialogWithoutFolderFollowsTheLastChoiceNeverTheStartFolder) {
  QTemporaryDir root;
  const QString home = root.filePath("home"), start = root.filePath("start"),
                maps = root.filePath("maps"), tiles = root.filePath("tiles");
  for (const QString& d : {home, start, maps, tiles}) ASSERT_TRUE(QDir().mkpath(d));
  QFile(maps + "/a.map").open(QIODevice::WriteOnly);
  const QByteArray oldHome = qgetenv("HOME");
  const QString oldCwd = QDir::currentPath();
  qputenv("HOME", home.toUtf8());
  QDir::setCurrent(start);
  const auto canonical = [](const QString& d) { return QDir(d).canonicalPath(); };

  QtPrompts prompts;
  CommonDialog first, other;
  QString opened;
  answerNextDialog(&opened, maps + "/a.map");
  prompts.ShowOpen(first);
  EXPECT_EQ(opened, canonical(home)) << "before any choice";
  EXPECT_EQ(first.FileName, (maps + "/a.map").toStdString());
  answerNextDialog(&opened, "");
  prompts.ShowSave(other);
  EXPECT_EQ(opened, canonical(maps)) << "after a choice in another dialog";
  EXPECT_EQ(other.FileName, "");
  answerNextDialog(&opened, tiles);
  EXPECT_EQ(prompts.ChooseFolder("Folder", ""), tiles.toStdString());
  other.InitDir = start.toStdString();
  answerNextDialog(&opened, "");
  prompts.ShowOpen(other);
  EXPECT_EQ(opened, canonical(start)) << "a folder the command names wins";
  other.InitDir.clear();
  answerNextDialog(&opened, "");
  prompts.ShowOpen(other);
  EXPECT_EQ(opened, canonical(tiles)) << "a chosen folder counts too";

  QDir::setCurrent(oldCwd);
  qputenv("HOME", oldHome);
}
