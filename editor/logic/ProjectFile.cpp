#include "editor/logic/ProjectFile.h"

#include <array>
#include <tuple>
#include <vector>

#include "editor/logic/DocumentFiles.h"
#include "model/App.h"
#include "model/DocumentLabel.h"
#include "model/Formats.h"
#include "model/RecentFiles.h"
#include "platform/FileAccess.h"
#include "platform/FileNames.h"
#include "platform/IniFile.h"
#include "render/MapRender.h"

namespace {

struct Member {
  int kind;
  const char* missingLine;  // what the report says when its file is gone
  bool (*load)(App&, const std::string&);
};

// The load order: the colormap before the tileset, so that the tileset is
// drawn last with both its own tiles and the project's colours.
const Member kMembers[] = {
    {kDatatype, "Datatype file (", LoadDatatype},
    {kColormap, "Tileset Colormap file (", LoadColormap},
    {kDatamap, "Datamap file (", LoadDatamap},
    {kTileset, "Tileset file (", LoadTileset},
};

// The key order of the file, which is also the order of ProjectMembers.
constexpr int kKeyOrder[] = {kDatamap, kDatatype, kTileset, kColormap};

void refuse(App& a, const std::string& text) {
  a.prompts->MsgBox(text, vbOKOnly + vbCritical, "Project Load Error");
}

}  // namespace

bool LoadProject(App& a, const std::string& pathRef) {
  // The caller may pass a recent-file entry, which AddMRU moves.
  const std::string path = pathRef;
  ProgramState& st = a.st;
  // Taken as an empty project, a missing or foreign file would untie every
  // member from its file and tie the project to something that is no project.
  if (!FileExists(path)) {
    refuse(a, "Project file [" + path + "] does not exist!");
    return false;
  }
  const IniSnapshot project(path);
  if (!project.readable() || !project.hasSection("Files")) {
    refuse(a, "Invalid Project File (" + path + ")!");
    return false;
  }

  // Every member takes its path from the file before any is loaded: a missing
  // member keeps its data but is renamed after the file it should have come from.
  // A path recorded relative to the project (a shipped example's) is made whole.
  std::array<std::pair<std::string, std::string>, 5> was;  // name and path, by kind
  for (int kind : kKeyOrder) {
    DocIdentity id = Identity(st, kind);
    was[size_t(kind)] = {id.name, id.path};
    id.path = PathRecordedIn(path, project.get("Files", DocTag(kind), ""));
    id.name = id.path.empty() ? std::string() : FileNameOf(id.path);
  }
  st.ProjectHasFile = true;

  std::string report;
  {
    // The datamap sets the map's size, and the tileset loads last: the map is
    // drawn once, after every member is in.
    const HeldMapRedraw held(a);
    for (const Member& m : kMembers) {
      // A copy: the loader files the path in the recent list, which may move it.
      const std::string memberPath = Identity(st, m.kind).path;
      if (FileExists(memberPath)) {
        // A member whose loader refused its file still holds what it held, and
        // a later Save must not write that over the refused file.
        if (!m.load(a, memberPath)) {
          DocIdentity id = Identity(st, m.kind);
          std::tie(id.name, id.path) = was[size_t(m.kind)];
        }
      } else if (!memberPath.empty()) {
        report += std::string("\n") + m.missingLine + memberPath + ") NOT FOUND!";
      }
    }
  }

  st.ProjectPath = path;
  st.ProjectName = FileNameOf(path);
  SetProjectLabel(a.frm.lblProject, st.ProjectName, st.ProjectPath);
  AddMRU(a, kProject, st.ProjectPath);
  // The labels and the redrawn views show before the message does.
  a.host->DoEvents();
  if (!report.empty()) a.prompts->MsgBox(report, vbOKOnly + vbCritical, "Project Load Error");
  return true;
}

std::string ProjectStem(const std::string& projectName) {
  size_t end = projectName.size();
  for (int n = 4; n > 0 && end > 0; --n) {
    do --end;
    while (end > 0 && (static_cast<unsigned char>(projectName[end]) & 0xC0) == 0x80);
  }
  return projectName.substr(0, end);
}

WriteResult WriteProjectFile(const ProjectMembers& members, const std::string& path) {
  std::vector<IniKey> keys;
  for (size_t i = 0; i < members.size(); ++i) {
    // A path the file cannot hold on one line would leave a project that
    // records some members only.
    if (members[i].find_first_of("\r\n") != std::string::npos) return {};
    keys.push_back({"Files", DocTag(kKeyOrder[i]), members[i]});
  }
  return WritePrivateProfileStrings(keys, path);
}
