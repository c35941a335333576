#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

#include "platform/widgets/QtPrompts.h"

namespace {

std::string canonical(const QString& folder) { return QDir(folder).canonicalPath().toStdString(); }

struct Met { std::string folder, question; };  // what the user met in a dialog

// Answers the real file or folder dialog that the next call opens: notes the folder it
// opened in, then picks `pick` (or cancels when it is empty) and answers Yes to a question.
std::shared_ptr<Met> answerNextDialog(const QString& pick) {
  auto met = std::make_shared<Met>();
  QTimer::singleShot(0, [met, pick] {
    auto* fd = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(fd, nullptr);
    met->folder = canonical(fd->directory().path());
    if (pick.isEmpty()) return fd->reject();
    if (QDir::isAbsolutePath(pick)) fd->selectFile(pick);
    else QTest::keyClicks(fd->findChild<QLineEdit*>("fileNameEdit"), pick);  // as a user would
    QTimer::singleShot(0, [met] {  // a stray one finds no question and does nothing
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        met->question = box->text().toStdString();
        box->button(QMessageBox::Yes)->click();
      }
    });
    static_cast<QDialog*>(fd)->accept();
  });
  return met;
}

}  // namespace

TEST(FileDialogs, FollowTheLastFolderNeverTheStartFolderAndAskBeforeReplacingAFile) {
  QTemporaryDir root;
  const QString home = root.filePath("home"), start = root.filePath("start"),
                maps = root.filePath("maps"), tiles = root.filePath("tiles");
  for (const QString& d : {home, start, maps, tiles}) ASSERT_TRUE(QDir().mkpath(d));
  QFile(maps + "/a.map").open(QIODevice::WriteOnly);
  const QByteArray oldHome = qgetenv("HOME");
  const QString oldCwd = QDir::currentPath();
  qputenv("HOME", home.toUtf8());
  QDir::setCurrent(start);

  // Open, Save or Folder, flags, the folder the command names, what the user types, where it
  // opens: home before any choice, then where the last one was made, or the named folder.
  struct Step { char kind; int flags; QString initDir, pick, opens; };
  const Step steps[] = {{'O', 0, "", maps + "/a.map", home}, {'S', 6, "", "a.map", maps},
                        {'S', 0, "", "a.map", maps}, {'F', 0, "", tiles, maps},
                        {'O', 0, start, "", start}, {'F', 0, start, "", start},
                        {'O', 0, "", "", tiles}};
  QtPrompts prompts;
  for (const auto& [kind, flags, initDir, pick, opens] : steps) {
    CommonDialog dlg{"", "", "", "", initDir.toStdString(), 0, flags};
    const auto met = answerNextDialog(pick);
    if (kind == 'F') dlg.FileName = prompts.ChooseFolder("Folder", dlg.InitDir);
    kind == 'O' ? prompts.ShowOpen(dlg) : kind == 'S' ? prompts.ShowSave(dlg) : void();
    const std::string chosen = pick.isEmpty() ? "" : QDir(opens).filePath(pick).toStdString();
    EXPECT_EQ(std::tuple(met->folder, dlg.FileName, met->question.find("a.map") == 0),
              std::tuple(canonical(opens), chosen, flags != 0)) << kind << pick.toStdString();
  }

  QDir::setCurrent(oldCwd);
  qputenv("HOME", oldHome);
}
