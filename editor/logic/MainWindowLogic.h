#pragma once
#include <string>

struct App;

inline constexpr int kVersionMajor = 2;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionRevision = 1220;
// The build stamp the caption and the credits box share.
inline constexpr const char* kBuildStamp = "December 20th 2011 02:44pm";
inline constexpr const char* kMakerUrl = "https://ostrelforge.example/";

// Start-up sequence. commandLine: the program's one argument ("" for none);
// Linux passes it unquoted, so it is taken as if it were quoted.
void Form_Load(App& a, const std::string& commandLine);
// Exit sequence; cancel = true keeps the window open.
void Form_Unload(App& a, bool& cancel);
void SetMenuState(App& a, int code);
void UpdateCaption(App& a, const std::string& suffix);
void mnuHelp_Click(App& a);
void mnuSettings_Click(App& a);
void mnuCredits_Click(App& a);
void mnuVisit_Click(App& a);
void StatusBar1_PanelClick(App& a, int panel);  // panel 1..7
