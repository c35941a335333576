#pragma once
#include <cstdint>
#include <string>

// Message-box styles and answers as the editor's commands test them.
enum MsgStyle : int { vbOKOnly = 0, vbYesNoCancel = 3, vbYesNo = 4, vbCritical = 16,
                      vbInformation = 64 };
enum MsgAnswer : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// File-dialog flags the commands set.
enum DialogFlags : int { cdlOFNOverwritePrompt = 2, cdlOFNHideReadOnly = 4,
                         cdlOFNFileMustExist = 0x1000 };

// One file dialog object per form: a command sets only the properties it needs,
// every other property keeps what the previous use left. Cancel leaves FileName
// empty; there is no other cancel signal.
struct CommonDialog {
  std::string FileName;
  std::string FileTitle;
  std::string DialogTitle;
  std::string Filter;  // "Text (*.a;*.b)|*.a;*.b|..."
  std::string InitDir;
  int FilterIndex = 0;
  int Flags = 0;
};

// A modal form of the program's own (the size dialog, ...), run through the
// prompts so that a test can answer it like any other prompt.
class ModalForm {
 public:
  virtual ~ModalForm() = default;
  virtual std::string formName() const = 0;
  virtual void execModal() = 0;
};

// Every modal prompt goes through here: the Qt implementation shows real
// dialogs, the scripted one in the tests answers from a queue.
class Prompts {
 public:
  virtual ~Prompts() = default;
  // style: vbOKOnly/vbYesNo/vbYesNoCancel plus vbCritical or vbInformation.
  // Returns vbOK, vbYes, vbNo or vbCancel.
  virtual int MsgBox(const std::string& text, int style, const std::string& title) = 0;
  // Cancel gives "".
  virtual std::string InputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultAnswer) = 0;
  // Show the dialog; afterwards dlg.FileName is the chosen path or "".
  virtual void ShowOpen(CommonDialog& dlg) = 0;
  virtual void ShowSave(CommonDialog& dlg) = 0;
  // Folder choice (Linux stand-in for the open dialog's folder trick): the
  // chosen folder or "".
  virtual std::string ChooseFolder(const std::string& title, const std::string& start) = 0;
  // Colour choice; false when cancelled, color unchanged.
  virtual bool ShowColor(int32_t& color) = 0;
  virtual void RunModal(ModalForm& form) = 0;
};
