#include "model/DocumentLabel.h"

#include "model/MainForm.h"
#include "model/ProgramState.h"

static std::string shortened(const std::string& name, size_t limit, size_t keep) {
  return name.size() < limit ? name : name.substr(0, keep) + "...";
}

std::string MemberLabelText(const std::string& name) { return shortened(name, 29, 26); }

std::string ProjectLabelText(const std::string& name) {
  return "Project - " + shortened(name, 22, 19);
}

Label& DocumentLabel(MainForm& f, int kind) {
  switch (kind) {
    case kDatamap: return f.lblMapName;
    case kDatatype: return f.lblTYPEName;
    case kTileset: return f.lblTileName;
    case kColormap: return f.lblCMAPName;
    default: return f.lblProject;
  }
}

std::string MapSizeText(int width, int height) {
  return "(" + std::to_string(width) + "x" + std::to_string(height) + ")";
}

void SetMemberLabel(Label& label, const std::string& name, const std::string& path) {
  label.caption = MemberLabelText(name);
  label.tooltip = path;
}

void SetProjectLabel(Label& label, const std::string& name, const std::string& path) {
  label.caption = ProjectLabelText(name);
  label.tooltip = path;
}
