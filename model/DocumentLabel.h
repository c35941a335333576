#pragma once
#include <string>

struct Label;
struct MainForm;

// The label that shows a document kind (lblProject, lblMapName, lblTYPEName,
// lblTileName, lblCMAPName).
Label& DocumentLabel(MainForm& form, int kind);

// A member document's label: the name when shorter than 29 characters, else
// its first 26 and "...". The project label: "Project - " and the name by the
// limits 22 and 19.
std::string MemberLabelText(const std::string& name);
std::string ProjectLabelText(const std::string& name);
// lblMapSize: "(40x25)".
std::string MapSizeText(int width, int height);
void SetMemberLabel(Label& label, const std::string& name, const std::string& path);
void SetProjectLabel(Label& label, const std::string& name, const std::string& path);
