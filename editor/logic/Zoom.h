#pragma once

struct App;

void mnuZoom100_Click(App& a);
void mnuZoom75_Click(App& a);
void mnuZoom50_Click(App& a);
void mnuZoom25_Click(App& a);
void mnuZoomPage_Click(App& a);
void mnuZoomWidth_Click(App& a);
void ApplyZoom(App& a);
void picZoom_Click(App& a);
void cmdHome_Click(App& a);
void cmdLeft_Click(App& a);
void cmdTop_Click(App& a);
// Set a bar's value as the user or a command does; runs its change handler
// when the value changed.
void SetScrollValue(App& a, bool vertical, int value);
void scrVert_Change(App& a);
void scrHorz_Change(App& a);
