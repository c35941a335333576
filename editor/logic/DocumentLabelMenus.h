#pragma once

struct App;

// A click on a document's label opens that document's menu as a pop-up.
void lblMapName_MouseUp(App& a);
void lblTYPEName_Click(App& a);
void lblTileName_MouseUp(App& a);
void lblCMAPName_MouseUp(App& a);
void lblProject_Click(App& a);
