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
    std::string kind;     // "MsgBox", "InputBox", "Open", "Save", "Folder", "Color", "Modal"
    std::string text;     // message / prompt / dialog title / form name
    std::string title;    // message box title, input box title
    int style = 0;        // message box style; dialog flags
    CommonDialog dialog;  // the dialog's properties as shown (Open/Save; Folder: InitDir)
  };

  // Queue answers, in the order the prompts will come. A path "" is Cancel.
  // whileShown looks at what the program shows behind the box.
  ScriptedPrompts& answerMsgBox(int answer, std::function<void()> whileShown = {}) {
    queue("MsgBox", answer).queue_.back().whileShown = std::move(whileShown);
    return *this;
  }
  ScriptedPrompts& answerInput(std::string text) { return queue("InputBox", 0, text); }
  ScriptedPrompts& answerOpen(std::string path) { return queue("Open", 0, path); }
  ScriptedPrompts& answerSave(std::string path) { return queue("Save", 0, path); }
  ScriptedPrompts& answerFolder(std::string path) { return queue("Folder", 0, path); }
  ScriptedPrompts& answerColor(bool ok, int32_t color = 0) {
    return queue("Color", ok, std::to_string(color));
  }
  // The callback acts on the form (cast it to its class) as a user would.
  ScriptedPrompts& answerModal(std::function<void(ModalForm&)> act) {
    return queue("Modal", 0, {}, std::move(act));
  }

  const std::vector<Shown>& shown() const { return shown_; }
  // With nothing shown yet, an empty record: the test's own check then fails
  // instead of the whole run aborting.
  const Shown& last() const {
    static const Shown none;
    return shown_.empty() ? none : shown_.back();
  }
  // The last message as "title | text".
  std::string lastMessage() const { return last().title + " | " + last().text; }
  size_t pending() const { return queue_.size(); }
  void clearShown() { shown_.clear(); }

  int MsgBox(const std::string& text, int style, const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& def) override;
  void ShowOpen(CommonDialog& dlg) override { fileDialog("Open", dlg); }
  void ShowSave(CommonDialog& dlg) override { fileDialog("Save", dlg); }
  std::string ChooseFolder(const std::string& title, const std::string& start) override;
  bool ShowColor(int32_t& color) override;
  void RunModal(ModalForm& form) override;

 private:
  struct Answer {
    std::string kind, text;
    int number = 0;
    std::function<void(ModalForm&)> act;
    std::function<void()> whileShown = {};
  };
  ScriptedPrompts& queue(std::string kind, int number, std::string text = {},
                         std::function<void(ModalForm&)> act = {});
  Answer take(Shown shown);
  void fileDialog(const char* kind, CommonDialog& dlg);
  std::deque<Answer> queue_;
  std::vector<Shown> shown_;
};
