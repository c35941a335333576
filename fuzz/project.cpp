#include <QGuiApplication>
#include <QTemporaryDir>

#include "FuzzTarget.h"
#include "editor/logic/ProjectFile.h"
#include "editor/logic/StartUp.h"
#include "model/App.h"
#include "platform/FileAccess.h"
#include "platform/ProgramFolder.h"

// A project file as Load Project reads it, with every member that names an
// existing file loaded by its own loader (seeds name /proc files, whose
// recorded length is 0 and whose content never ends).
namespace {

QTemporaryDir* folder = nullptr;
SilentPrompts prompts;
// One program for all inputs, started once: a fresh one would allocate its
// 32 MB map pictures anew for every input.
App* program = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  static QTemporaryDir dir;  // removed at exit, unlike one made with new
  folder = &dir;
  SetAppPathForTesting(folder->path().toStdString());
  program = new App;
  program->prompts = &prompts;
  Form_Load(*program, "");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  App& a = *program;
  const std::string path = folder->filePath("p.mwj").toStdString();
  if (!writeWholeFile(path, bytesOf(data, size))) return 0;
  a.st.ProjectPath = "/before.mwj";
  // A file without a [Files] section is no project and leaves the program as it was.
  if (LoadProject(a, path))
    FUZZ_CHECK(a.st.ProjectPath == path && a.st.ProjectHasFile);
  else
    FUZZ_CHECK(a.st.ProjectPath == "/before.mwj");
  FUZZ_CHECK(a.st.MapWidth >= 1 && a.st.MapWidth <= 256);
  FUZZ_CHECK(a.st.MapHeight >= 1 && a.st.MapHeight <= 128);
  FUZZ_CHECK(a.frm.picMap.width() == 16 * a.st.MapWidth);
  return 0;
}
