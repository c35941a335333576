#include "model/DocumentLabel.h"

#include <QString>

#include "model/MainForm.h"
#include "model/ProgramState.h"

// Counted in characters, not bytes: a UTF-8 name is neither shortened early
// nor cut inside a character.
static std::string shortened(const std::string& name, qsizetype limit, qsizetype keep) {
  const QList<uint> chars = QString::fromStdString(name).toUcs4();
  if (chars.size() < limit) return name;
  return QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData()), keep)
             .toStdString() +
         "...";
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
  std::string text = "(";
  text += std::to_string(width);
  text += 'x';
  text += std::to_string(height);
  text += ')';
  return text;
}

void SetMemberLabel(Label& label, const std::string& name, const std::string& path) {
  label.caption = MemberLabelText(name);
  label.tooltip = path;
}

void SetProjectLabel(Label& label, const std::string& name, const std::string& path) {
  label.caption = ProjectLabelText(name);
  label.tooltip = path;
}
