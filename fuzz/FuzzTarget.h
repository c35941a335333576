#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Prompts.h"

// What every fuzz target shares. A target defines LLVMFuzzerTestOneInput; a
// broken promise of the code under test aborts, so libFuzzer keeps the input
// and the replay run fails on it.
#define FUZZ_CHECK(cond)                                                              \
  do {                                                                                \
    if (!(cond)) {                                                                    \
      std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #cond); \
      std::abort();                                                                   \
    }                                                                                 \
  } while (0)

inline std::vector<uint8_t> bytesOf(const uint8_t* data, size_t size) {
  return std::vector<uint8_t>(data, data + size);
}

inline std::string textOf(const uint8_t* data, size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// Prompts that answer at once: OK, Yes, Cancel and empty texts.
class SilentPrompts : public Prompts {
 public:
  int MsgBox(const std::string&, int style, const std::string&) override {
    return (style & 7) == vbYesNo || (style & 7) == vbYesNoCancel ? vbYes : vbOK;
  }
  std::string InputBox(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  void ShowOpen(CommonDialog& dlg) override { dlg.FileName.clear(); }
  void ShowSave(CommonDialog& dlg) override { dlg.FileName.clear(); }
  std::string ChooseFolder(const std::string&, const std::string&) override { return {}; }
  bool ShowColor(int32_t&) override { return false; }
  void RunModal(ModalForm&) override {}
};
