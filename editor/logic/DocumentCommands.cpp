#include "editor/logic/DocumentCommands.h"

#include "editor/logic/Zoom.h"
#include "model/App.h"
#include "model/DocumentLabel.h"
#include "model/RecentFiles.h"
#include "platform/FileAccess.h"
#include "platform/FileNames.h"
#include "platform/ProgramFolder.h"

namespace {

const char* kindName(int kind) {
  switch (kind) {
    case kDatamap: return "Datamap";
    case kDatatype: return "Datatype";
    case kTileset: return "Tileset";
    case kColormap: return "Colormap";
    default: return "Project";
  }
}

void showMissingFile(App& a, const std::string& kind, const std::string& path) {
  a.prompts->MsgBox(kind + " file [" + path + "] does not exist!", vbCritical,
                    kind + " Load Error");
}

}  // namespace

std::string AskForFileToOpen(App& a, const std::string* initDir, const char* title,
                             const char* filter) {
  CommonDialog& dlg = a.frm.CommonDialog1;
  dlg.FileName.clear();
  if (initDir) dlg.InitDir = *initDir;
  dlg.DialogTitle = title;
  dlg.Filter = filter;
  dlg.FilterIndex = 1;
  a.prompts->ShowOpen(dlg);
  return dlg.FileName;
}

// The open dialog lets the user type any name; only an existing file goes on
// to the loader, which would otherwise report an unreadable file in its own words.
std::string AskForExistingFile(App& a, const std::string& kind, const std::string* initDir,
                               const char* title, const char* filter) {
  const std::string chosen = AskForFileToOpen(a, initDir, title, filter);
  if (chosen.empty()) return {};
  if (!FileExists(chosen)) {
    showMissingFile(a, kind, chosen);
    return {};
  }
  return chosen;
}

void RunLoadCommand(App& a, const LoadCommand& cmd) {
  a.frm.picMap.enabled = false;
  if (cmd.clearsCopiedBlock) a.frm.picMapBuffer.clear();
  const std::string path =
      AskForExistingFile(a, kindName(cmd.kind), cmd.initDir, cmd.title, cmd.filter);
  if (path.empty()) {
    a.frm.picMap.enabled = true;
    return;
  }
  cmd.load(a, path);
  if (cmd.goesHome) cmdHome_Click(a);
  a.host->DoEvents();
  a.frm.picMap.enabled = true;
}

std::string AskForFileToSave(App& a, const SaveCommand& cmd) {
  CommonDialog& dlg = a.frm.CommonDialog1;
  dlg.FileName.clear();
  dlg.DialogTitle = cmd.title;
  dlg.Filter = cmd.filter;
  if (cmd.initDir) dlg.InitDir = *cmd.initDir;
  dlg.Flags = kSaveDialogFlags;
  a.prompts->ShowSave(dlg);
  return dlg.FileName;
}

namespace {

SaveResult saveAndShow(App& a, const SaveCommand& cmd, const std::string& path, bool chosen) {
  if (!cmd.save(a, path)) return SaveResult::Failed;
  DocIdentity id = Identity(a.st, cmd.kind);
  if (chosen) {
    id.name = FileNameOf(path);
    id.path = path;
    AddMRU(a, cmd.kind, path);
  }
  id.hasFile = true;
  if (cmd.kind == kDatamap) a.frm.lblMapSize.caption = MapSizeText(a.st.MapWidth, a.st.MapHeight);
  SetMemberLabel(DocumentLabel(a.frm, cmd.kind), id.name, id.path);
  return SaveResult::Saved;
}

}  // namespace

SaveResult SaveToChosenFile(App& a, const SaveCommand& cmd, const std::string& path) {
  return saveAndShow(a, cmd, path, true);
}

SaveResult RunSaveCommand(App& a, const SaveCommand& cmd) {
  const DocIdentity id = Identity(a.st, cmd.kind);
  // A tied document with no path would otherwise be written to "".
  if (id.hasFile && !id.path.empty()) return saveAndShow(a, cmd, id.path, false);
  const std::string path = AskForFileToSave(a, cmd);
  if (path.empty()) return SaveResult::Cancelled;
  return saveAndShow(a, cmd, path, true);
}

SaveResult RunSaveAsCommand(App& a, int kind, SaveResult (*save)(App&)) {
  bool& hasFile = Identity(a.st, kind).hasFile;
  const bool was = hasFile;
  hasFile = false;
  const SaveResult r = save(a);
  if (r == SaveResult::Failed) hasFile = was;
  return r;
}

void RunRecentCommand(App& a, int kind, int index, DocumentLoader load) {
  if (index < 0 || index > 4) return;
  // A copy: the loader moves the entry to the top of this very list.
  const std::string entry = Identity(a.st, kind).mru[size_t(index)];
  if (FileExists(entry))
    load(a, entry);
  else
    showMissingFile(a, kindName(kind), entry);
}

bool ConfirmedWarning(App& a, const std::string& text) {
  a.st.MsgResult = int16_t(a.prompts->MsgBox(text, vbYesNo, "WARNING!!"));
  return a.st.MsgResult == vbYes;
}

void UntieAsBlank(App& a, int kind, const std::string& name) {
  Identity(a.st, kind).hasFile = false;
  PlaceInProgramFolder(a.st, kind, name);
}
