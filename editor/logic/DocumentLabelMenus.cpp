#include "editor/logic/DocumentLabelMenus.h"

#include "model/App.h"

void lblMapName_MouseUp(App& a) { a.host->ShowPopupMenu("mnuDatamap"); }
void lblTYPEName_Click(App& a) { a.host->ShowPopupMenu("mnuDatatype"); }
void lblTileName_MouseUp(App& a) { a.host->ShowPopupMenu("mnuTileset"); }
void lblCMAPName_MouseUp(App& a) { a.host->ShowPopupMenu("mnuCMap"); }
void lblProject_Click(App& a) { a.host->ShowPopupMenu("mnuProject"); }
