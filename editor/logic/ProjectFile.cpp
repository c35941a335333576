#include "editor/logic/DocumentFiles.h"
#include "model/App.h"
#include "model/DocumentLabel.h"
#include "model/Formats.h"
#include "model/RecentFiles.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"

namespace {

struct Member {
  int kind;
  const char* missingLine;  // what the report says when its file is gone
  void (*load)(App&, const std::string&);
};

// The load order: the colormap before the tileset, so that the tileset is
// drawn last with both its own tiles and the project's colours.
const Member kMembers[] = {
    {kDatatype, "Datatype file (", LoadDatatype},
    {kColormap, "Tileset Colormap file (", LoadColormap},
    {kDatamap, "Datamap file (", LoadDatamap},
    {kTileset, "Tileset file (", LoadTileset},
};

}  // namespace

void LoadProject(App& a, const std::string& path) {
  ProgramState& st = a.st;
  // Every member takes its path from the file before any is loaded: a missing
  // member keeps its data but is renamed after the file it should have come from.
  const IniSnapshot project(path);
  for (int kind : {kDatamap, kDatatype, kTileset, kColormap}) {
    DocIdentity id = Identity(st, kind);
    id.path = project.get("Files", DocTag(kind), "");
    id.name = id.path.empty() ? std::string() : FileNameOf(id.path);
  }
  st.ProjectHasFile = true;

  std::string report;
  for (const Member& m : kMembers) {
    // A copy: the loader files the path in the recent list, which may move it.
    const std::string memberPath = Identity(st, m.kind).path;
    if (FileExists(memberPath))
      m.load(a, memberPath);
    else if (!memberPath.empty())
      report += std::string("\n") + m.missingLine + memberPath + ") NOT FOUND!";
  }

  st.ProjectPath = path;
  st.ProjectName = FileNameOf(path);
  SetProjectLabel(a.frm.lblProject, st.ProjectName, st.ProjectPath);
  AddMRU(a, kProject, st.ProjectPath);
  // The labels and the redrawn views show before the message does.
  a.host->DoEvents();
  if (!report.empty()) a.prompts->MsgBox(report, vbOKOnly + vbCritical, "Project Load Error");
}
