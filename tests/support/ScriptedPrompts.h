#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Prompts.h"

// Answers every modal prompt from a queue the test fills beforehand, and
// records every prompt shown. A prompt with no queued answer, or of another
// kind than the next answer, fails the current test (and is answered with
// Cancel / "" so the command under test still ends).
class ScriptedPrompts : public Prompts {
 public:
  struct Shown {
    std::string kind;   // "MsgBox", "InputBox", "Open", "Save", "Folder", "Color", "Modal"
    std::string text;   // message / prompt / dialog title / form name
    std::string title;  // message box title, input box title
    int style = 0;      // message box style; dialog flags
    CommonDialog dialog;  // the dialog's properties as shown (Open/Save)
  };

  // Queue answers, in the order the prompts will come.
  ScriptedPrompts& answerMsgBox(int answer);
  ScriptedPrompts& answerInput(std::string text);
  ScriptedPrompts& answerOpen(std::string path);  // "" = Cancel
  ScriptedPrompts& answerSave(std::string path);  // "" = Cancel
  ScriptedPrompts& answerFolder(std::string path);
  ScriptedPrompts& answerColor(bool ok, int32_t color = 0);
  // The callback gets the form (cast it to its class) and acts on it as a user
  // would; returning leaves the modal run.
  ScriptedPrompts& answerModal(std::function<void(ModalForm&)> act);

  const std::vector<Shown>& shown() const { return shown_; }
  const Shown& last() const { return shown_.back(); }
  size_t pending() const { return queue_.size(); }
  void clearShown() { shown_.clear(); }

  int MsgBox(const std::string& text, int style, const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& def) override;
  void ShowOpen(CommonDialog& dlg) override;
  void ShowSave(CommonDialog& dlg) override;
  std::string ChooseFolder(const std::string& title, const std::string& start) override;
  bool ShowColor(int32_t& color) override;
  void RunModal(ModalForm& form) override;

 private:
  struct Answer {
    std::string kind;
    int number = 0;
    std::string text;
    std::function<void(ModalForm&)> act;
  };
  bool take(const std::string& kind, Answer& out);
  std::deque<Answer> queue_;
  std::vector<Shown> shown_;
};
