#include "ScriptedPrompts.h"

#include <gtest/gtest.h>

ScriptedPrompts& ScriptedPrompts::answerMsgBox(int answer) {
  queue_.push_back({"MsgBox", answer, {}, {}});
  return *this;
}
ScriptedPrompts& ScriptedPrompts::answerInput(std::string text) {
  queue_.push_back({"InputBox", 0, std::move(text), {}});
  return *this;
}
ScriptedPrompts& ScriptedPrompts::answerOpen(std::string path) {
  queue_.push_back({"Open", 0, std::move(path), {}});
  return *this;
}
ScriptedPrompts& ScriptedPrompts::answerSave(std::string path) {
  queue_.push_back({"Save", 0, std::move(path), {}});
  return *this;
}
ScriptedPrompts& ScriptedPrompts::answerFolder(std::string path) {
  queue_.push_back({"Folder", 0, std::move(path), {}});
  return *this;
}
ScriptedPrompts& ScriptedPrompts::answerColor(bool ok, int32_t color) {
  queue_.push_back({"Color", ok ? 1 : 0, std::to_string(color), {}});
  return *this;
}
ScriptedPrompts& ScriptedPrompts::answerModal(std::function<void(ModalForm&)> act) {
  queue_.push_back({"Modal", 0, {}, std::move(act)});
  return *this;
}

bool ScriptedPrompts::take(const std::string& kind, Answer& out) {
  if (queue_.empty()) {
    ADD_FAILURE() << "unexpected prompt: " << kind << " \"" << shown_.back().text << "\"";
    return false;
  }
  if (queue_.front().kind != kind) {
    ADD_FAILURE() << "prompt " << kind << " \"" << shown_.back().text << "\" came where a "
                  << queue_.front().kind << " answer was queued";
    return false;
  }
  out = std::move(queue_.front());
  queue_.pop_front();
  return true;
}

int ScriptedPrompts::MsgBox(const std::string& text, int style, const std::string& title) {
  shown_.push_back({"MsgBox", text, title, style, {}});
  Answer a;
  if (!take("MsgBox", a)) return vbCancel;
  return a.number;
}

std::string ScriptedPrompts::InputBox(const std::string& prompt, const std::string& title,
                                      const std::string&) {
  shown_.push_back({"InputBox", prompt, title, 0, {}});
  Answer a;
  return take("InputBox", a) ? a.text : std::string();
}

void ScriptedPrompts::ShowOpen(CommonDialog& dlg) {
  shown_.push_back({"Open", dlg.DialogTitle, {}, dlg.Flags, dlg});
  Answer a;
  dlg.FileName = take("Open", a) ? a.text : std::string();
  const auto slash = dlg.FileName.find_last_of('/');
  dlg.FileTitle = slash == std::string::npos ? dlg.FileName : dlg.FileName.substr(slash + 1);
}

void ScriptedPrompts::ShowSave(CommonDialog& dlg) {
  shown_.push_back({"Save", dlg.DialogTitle, {}, dlg.Flags, dlg});
  Answer a;
  dlg.FileName = take("Save", a) ? a.text : std::string();
  const auto slash = dlg.FileName.find_last_of('/');
  dlg.FileTitle = slash == std::string::npos ? dlg.FileName : dlg.FileName.substr(slash + 1);
}

std::string ScriptedPrompts::ChooseFolder(const std::string& title, const std::string&) {
  shown_.push_back({"Folder", title, {}, 0, {}});
  Answer a;
  return take("Folder", a) ? a.text : std::string();
}

bool ScriptedPrompts::ShowColor(int32_t& color) {
  shown_.push_back({"Color", {}, {}, 0, {}});
  Answer a;
  if (!take("Color", a) || !a.number) return false;
  color = int32_t(std::stol(a.text));
  return true;
}

void ScriptedPrompts::RunModal(ModalForm& form) {
  shown_.push_back({"Modal", form.formName(), {}, 0, {}});
  Answer a;
  if (take("Modal", a) && a.act) a.act(form);
}
