#pragma once

struct App;

void mnuHelp_Click(App& a);
void mnuVisit_Click(App& a);
void mnuCredits_Click(App& a);
void StatusBar1_PanelClick(App& a, int panel);  // panel 1..7
