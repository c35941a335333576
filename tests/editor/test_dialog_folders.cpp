#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

#include "platform/widgets/QtPrompts.h"

namespace {

std::string canonical(const QString& folder) { return QDir(folder).canonicalPath().toStdString(); }

// Answers the real file or folder dialog that the next call opens: notes the
// folder it opened in, then picks `pick` (or cancels when it is empty).
std::shared_ptr<std::string> answerNextDialog(const QString& pick) {
  auto opened = std::make_shared<std::string>();
  QTimer::singleShot(0, [opened, pick] {
    auto* fd = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(fd, nullptr);
    *opened = canonical(fd->directory().path());
    if (pick.isEmpty()) return fd->reject();
    fd->selectFile(pick);
    static_cast<QDialog*>(fd)->accept();
  });
  return opened;
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

  QtPrompts prompts;
  CommonDialog dlg;
  auto opened = answerNextDialog(maps + "/a.map");
  prompts.ShowOpen(dlg);
  EXPECT_EQ(*opened, canonical(home)) << "before any choice";
  EXPECT_EQ(dlg.FileName, (maps + "/a.map").toStdString());

  CommonDialog other;
  opened = answerNextDialog("");
  prompts.ShowSave(other);
  EXPECT_EQ(*opened, canonical(maps)) << "after a choice in another dialog";
  EXPECT_EQ(other.FileName, "");

  opened = answerNextDialog(tiles);
  EXPECT_EQ(prompts.ChooseFolder("Folder", ""), tiles.toStdString());
  EXPECT_EQ(*opened, canonical(maps));

  other.InitDir = start.toStdString();
  opened = answerNextDialog("");
  prompts.ShowOpen(other);
  EXPECT_EQ(*opened, canonical(start)) << "a folder the command names wins";
  opened = answerNextDialog("");
  prompts.ChooseFolder("Folder", start.toStdString());
  EXPECT_EQ(*opened, canonical(start)) << "in a folder chooser too";

  other.InitDir.clear();
  opened = answerNextDialog("");
  prompts.ShowOpen(other);
  EXPECT_EQ(*opened, canonical(tiles)) << "a chosen folder counts too";

  QDir::setCurrent(oldCwd);
  qputenv("HOME", oldHome);
}
