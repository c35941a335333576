#include "ScriptedPrompts.h"

#include <gtest/gtest.h>

ScriptedPrompts& ScriptedPrompts::queue(std::string kind, int number, std::string text,
                                        std::function<void(ModalForm&)> act) {
  queue_.push_back({std::move(kind), std::move(text), number, std::move(act)});
  return *this;
}

ScriptedPrompts::Answer ScriptedPrompts::take(Shown shown) {
  shown_.push_back(std::move(shown));
  const Shown& s = shown_.back();
  if (queue_.empty() || queue_.front().kind != s.kind) {
    ADD_FAILURE() << "prompt " << s.kind << " \"" << s.text << "\" came where "
                  << (queue_.empty() ? "no" : "a " + queue_.front().kind) << " answer was queued";
    return {};  // Cancel, "", no action
  }
  Answer a = std::move(queue_.front());
  queue_.pop_front();
  return a;
}

int ScriptedPrompts::MsgBox(const std::string& text, int style, const std::string& title) {
  const Answer a = take({"MsgBox", text, title, style, {}});
  if (a.whileShown) a.whileShown();
  return a.kind.empty() ? vbCancel : a.number;
}

std::string ScriptedPrompts::InputBox(const std::string& prompt, const std::string& title,
                                      const std::string&) {
  return take({"InputBox", prompt, title, 0, {}}).text;
}

void ScriptedPrompts::fileDialog(const char* kind, CommonDialog& dlg) {
  dlg.FileName = take({kind, dlg.DialogTitle, {}, dlg.Flags, dlg}).text;
  dlg.FileTitle = dlg.FileName.substr(dlg.FileName.find_last_of('/') + 1);  // npos + 1 = 0
}

std::string ScriptedPrompts::ChooseFolder(const std::string& title, const std::string& start) {
  CommonDialog at;
  at.InitDir = start;
  return take({"Folder", title, {}, 0, at}).text;
}

bool ScriptedPrompts::ShowColor(int32_t& color) {
  const Answer a = take({"Color", {}, {}, 0, {}});
  if (a.number) color = int32_t(std::stol(a.text));
  return a.number != 0;
}

void ScriptedPrompts::RunModal(ModalForm& form) {
  const Answer a = take({"Modal", form.formName(), {}, 0, {}});
  if (a.act) a.act(form);
}
