#include "editor/logic/HelpCommands.h"

#include <QUrl>

#include "model/App.h"
#include "model/ProgramInfo.h"
#include "platform/FileAccess.h"
#include "platform/ProgramFolder.h"

void mnuHelp_Click(App& a) {
  // The help file comes with the program, not with the user's data; without
  // it nothing is shown.
  const std::string path = ExecutableFolder() + "/Mosaicwright-Help.chm";
  if (!FileExists(path)) return;
  a.host->OpenUrl(QUrl::fromLocalFile(QString::fromStdString(path)).toString().toStdString());
}

void mnuVisit_Click(App& a) { a.host->OpenUrl(kMakerUrl); }

void mnuCredits_Click(App& a) { a.host->ShowCreditsBox(); }

void StatusBar1_PanelClick(App& a, int panel) {
  if (panel < 1 || panel > int(a.frm.statusPanel.size())) return;
  if (a.frm.statusPanel[size_t(panel - 1)] == "Visit Ostrel Forge") mnuVisit_Click(a);
}
