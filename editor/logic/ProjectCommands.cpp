#include "editor/logic/ProjectCommands.h"

#include "editor/logic/ColormapCommands.h"
#include "editor/logic/DatamapCommands.h"
#include "editor/logic/DatatypeCommands.h"
#include "editor/logic/ProjectFile.h"
#include "editor/logic/TilesetCommands.h"
#include "editor/logic/Zoom.h"
#include "model/App.h"
#include "model/DocumentLabel.h"
#include "model/RecentFiles.h"
#include "platform/FileNames.h"
#include "platform/ProgramFolder.h"

namespace {

// The members in the order the project saves them, which is also the order of
// the project file's keys.
struct MemberSave {
  int kind;
  SaveResult (*save)(App&);
};
const MemberSave kMembers[] = {
    {kDatamap, mnuDatamapSave_Click},
    {kDatatype, mnuDatatypeSave_Click},
    {kTileset, mnuTilesetSave_Click},
    {kColormap, mnuCMapSave_Click},
};

// The name becomes a file of the program's folder: nothing that leads out of
// it or cannot stand in a file name.
bool usableProjectName(const std::string& name) {
  if (name == "." || name == "..") return false;
  for (unsigned char c : name)
    if (c == '/' || c < 0x20 || c == 0x7F) return false;
  return true;
}

void showMemberLabels(App& a) {
  for (const MemberSave& m : kMembers) {
    DocIdentity id = Identity(a.st, m.kind);
    SetMemberLabel(DocumentLabel(a.frm, m.kind), id.name, id.path);
  }
}

}  // namespace

void mnuProjectNew_Click(App& a) {
  const std::string answer =
      a.prompts->InputBox("Enter Mosaicwright Project Name", "Mosaicwright Project Name", "Blank");
  if (answer.empty()) return;
  if (!usableProjectName(answer)) {
    a.prompts->MsgBox("Invalid Project Name (" + answer + ")!", vbOKOnly + vbCritical,
                      "Mosaicwright Project Name");
    return;
  }
  ProgramState& st = a.st;
  // Renames only: a member tied to a file stays tied, now to its new path.
  for (const MemberSave& m : kMembers)
    PlaceInProgramFolder(st, m.kind, MemberFileName(m.kind, answer));
  showMemberLabels(a);
  PlaceInProgramFolder(st, kProject, answer + ".mwj");
  SetProjectLabel(a.frm.lblProject, st.ProjectName, st.ProjectPath);
  st.ProjectHasFile = false;
}

void mnuProjectLoad_Click(App& a) {
  a.frm.picMap.enabled = false;
  // LoadProject reports a typed name of no file in its own words.
  const std::string path = AskForFileToOpen(a, nullptr, "Load Project", "Project (*.mwj)|*.mwj");
  if (!path.empty() && LoadProject(a, path)) cmdHome_Click(a);
  a.frm.picMap.enabled = true;
}

void mnuMWJMRU_Click(App& a, int index) {
  if (index < 0 || index > 4) return;
  // LoadProject reports an entry whose file is gone; the entry stays.
  LoadProject(a, a.st.ProjectMRU[size_t(index)]);
}

SaveResult mnuProjectSave_Click(App& a) {
  ProgramState& st = a.st;
  a.frm.picMap.enabled = false;

  // The project takes its new file only once the file is written, so that a
  // failed write leaves it as it was.
  std::string projectName = st.ProjectName, projectPath = st.ProjectPath;
  const bool ask = !st.ProjectHasFile;
  if (ask) {
    CommonDialog& dlg = a.frm.CommonDialog1;
    dlg.FileName = st.ProjectName;
    dlg.DialogTitle = "Save Project";
    dlg.Filter = "Project (.mwj)|*.mwj";
    dlg.Flags = kSaveDialogFlags;
    a.prompts->ShowSave(dlg);
    if (dlg.FileName.empty()) {
      a.frm.picMap.enabled = true;
      return SaveResult::Cancelled;
    }
    projectPath = dlg.FileName;
    projectName = FileNameOf(projectPath);
  }

  // Each member saves itself, asking for its file while it is untied; one whose
  // dialog was cancelled (or whose new file could not be written) has no file
  // to record.
  ProjectMembers recorded;
  bool untied[4] = {};
  for (size_t i = 0; i < 4; ++i) {
    const MemberSave& m = kMembers[i];
    m.save(a);
    DocIdentity id = Identity(st, m.kind);
    untied[i] = !id.hasFile;
    recorded[i] = untied[i] ? std::string() : id.path;
  }

  if (const WriteResult written = WriteProjectFile(recorded, projectPath); !written) {
    a.prompts->MsgBox("Cannot write Project file (" + projectPath + ")!" + damageNote(written),
                      vbOKOnly + vbCritical, "Project Save Error");
    a.frm.picMap.enabled = true;
    return SaveResult::Failed;
  }

  st.ProjectName = projectName;
  st.ProjectPath = projectPath;
  if (ask) AddMRU(a, kProject, st.ProjectPath);
  // A member without a name is named after the project, in the program's
  // folder, and left untied: the file does not record that name, so its next
  // Save asks rather than writing there unseen.
  const std::string stem = ProjectStem(st.ProjectName);
  for (size_t i = 0; i < 4; ++i) {
    DocIdentity id = Identity(st, kMembers[i].kind);
    if (untied[i]) id.name.clear();
    if (!id.name.empty()) continue;
    PlaceInProgramFolder(st, kMembers[i].kind, MemberFileName(kMembers[i].kind, stem));
    id.hasFile = false;
  }
  showMemberLabels(a);
  SetProjectLabel(a.frm.lblProject, st.ProjectName, st.ProjectPath);
  st.ProjectHasFile = true;
  a.frm.picMap.enabled = true;
  return SaveResult::Saved;
}

SaveResult mnuProjectSaveAs_Click(App& a) {
  return RunSaveAsCommand(a, kProject, mnuProjectSave_Click);
}
