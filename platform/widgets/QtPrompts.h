#pragma once
#include <QString>
#include <QStringList>
#include <functional>

#include "platform/Prompts.h"

class QWidget;

// The prompts as real Qt dialogs, modal over the main window.
class QtPrompts : public Prompts {
 public:
  explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}

  void setParent(QWidget* parent) { parent_ = parent; }
  // Runs before any dialog opens, so the window shows what the command has
  // drawn so far underneath it.
  void setBeforeShow(std::function<void()> f) { beforeShow_ = std::move(f); }

  int MsgBox(const std::string& text, int style, const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override;
  void ShowOpen(CommonDialog& dlg) override;
  void ShowSave(CommonDialog& dlg) override;
  std::string ChooseFolder(const std::string& title, const std::string& start) override;
  bool ShowColor(int32_t& color) override;
  void RunModal(ModalForm& form) override;

  // "Text (*.a;*.b)|*.a;*.b|" -> {"Text (*.a *.A *.b *.B)"}: Linux file names
  // are case-sensitive, so each pattern is offered in upper case as well.
  static QStringList qtFilters(const std::string& filter);

  // Where a dialog opens when its command names no folder: the folder of the
  // last file or folder chosen in any of the program's dialogs (Windows'
  // dialogs followed the process's current folder, which every choice moved),
  // or the home folder before the first choice, never the folder the program
  // happened to be started from.
  QString startFolder(const std::string& initDir) const;

 private:
  void fileDialog(CommonDialog& dlg, bool save);
  void prepare();

  void remember(const QString& folder) { lastFolder_ = folder; }

  QWidget* parent_;
  std::function<void()> beforeShow_;
  QString lastFolder_;
};
