// The main window's menus: built from the table below, shown from the form's
// menu data (caption, enabled, visible by control name).
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <functional>

#include "editor/frmMain.h"
#include "editor/logic/BitmapExport.h"
#include "editor/logic/ColormapCommands.h"
#include "editor/logic/D64Export.h"
#include "editor/logic/DatamapCommands.h"
#include "editor/logic/DatatypeCommands.h"
#include "editor/logic/DatatypeMode.h"
#include "editor/logic/HelpCommands.h"
#include "editor/logic/IdentifyTiles.h"
#include "editor/logic/MapEditing.h"
#include "editor/logic/PaletteCommands.h"
#include "editor/logic/ProjectCommands.h"
#include "editor/logic/SettingsCommand.h"
#include "editor/logic/TilesetCommands.h"
#include "editor/logic/Zoom.h"

namespace {

struct MenuDef {
  std::string name, caption, parent, shortcut;
  bool submenu = false;
};

// Five recent-file items behind their separator, captions set at run time.
void recentFiles(std::vector<MenuDef>& t, const std::string& array, const std::string& parent) {
  for (int i = 0; i < 5; ++i)
    t.push_back({array + "(" + std::to_string(i) + ")", "", parent, "", false});
}

std::vector<MenuDef> menuTable() {
  std::vector<MenuDef> t;
  auto top = [&](const char* n, const char* c) { t.push_back({n, c, "", "", true}); };
  auto sub = [&](const char* n, const char* c, const char* p) { t.push_back({n, c, p, "", true}); };
  auto item = [&](const char* n, const char* c, const char* p, const char* k = "") {
    t.push_back({n, c, p, k, false});
  };

  top("mnuFile", "&File");
  sub("mnuProject", "Project", "mnuFile");
  item("mnuProjectNew", "New", "mnuProject");
  item("mnuProjectLoad", "Load", "mnuProject", "Ctrl+P");
  item("mnuProjectSave", "Save", "mnuProject");
  item("mnuProjectSaveAs", "Save As", "mnuProject");
  item("mnuD64Extract", "Export To D64", "mnuProject");
  item("mnuBar8", "-", "mnuProject");
  recentFiles(t, "mnuMWJMRU", "mnuProject");
  sub("mnuDatamap", "Datamap", "mnuFile");
  item("mnuDatamapNew", "New", "mnuDatamap", "Ctrl+N");
  item("mnuDatamapLoad", "Load", "mnuDatamap", "Ctrl+M");
  item("mnuDatamapSave", "Save", "mnuDatamap", "Ctrl+S");
  item("mnuDatamapSaveAs", "Save As", "mnuDatamap", "Ctrl+A");
  item("mnuDatamapExport", "Export", "mnuDatamap", "Ctrl+E");
  item("mnuDatamapResize", "Resize", "mnuDatamap", "Ctrl+R");
  item("mnuDatamapClear", "Clear", "mnuDatamap", "Ctrl+C");
  item("mnuBar9", "-", "mnuDatamap");
  recentFiles(t, "mnuMWRTMRU", "mnuDatamap");
  sub("mnuDatatype", "Datatype", "mnuFile");
  item("mnuDatatypeNew", "New", "mnuDatatype");
  item("mnuDatatypeLoad", "Load", "mnuDatatype");
  item("mnuDatatypeExport", "Export", "mnuDatatype");
  item("mnuDatatypeSave", "Save", "mnuDatatype");
  item("mnuDatatypeSaveAs", "Save As", "mnuDatatype");
  item("mnuBar10", "-", "mnuDatatype");
  recentFiles(t, "mnuTYPEMRU", "mnuDatatype");
  sub("mnuTileset", "Tileset", "mnuFile");
  item("mnuTilesetNew", "New", "mnuTileset");
  item("mnuTilesetLoad", "Load", "mnuTileset", "Ctrl+L");
  item("mnuTilesetSave", "Save", "mnuTileset");
  item("mnuTilesetSaveAs", "Save As", "mnuTileset");
  item("mnuBar11", "-", "mnuTileset");
  recentFiles(t, "mnuTILEMRU", "mnuTileset");
  sub("mnuCMap", "Colormap", "mnuFile");
  item("mnuCMapNew", "New", "mnuCMap");
  item("mnuCMapLoad", "Load", "mnuCMap");
  item("mnuCMapSave", "Save", "mnuCMap");
  item("mnuCMapSaveAs", "Save As", "mnuCMap");
  item("mnuBar12", "-", "mnuCMap");
  recentFiles(t, "mnuCMAPMRU", "mnuCMap");
  item("mnuBar7", "-", "mnuFile");
  item("mnuLoadPalette", "Load Palette", "mnuFile");
  item("mnuBar3", "-", "mnuFile");
  item("menuExit", "Exit", "mnuFile", "Ctrl+Q");

  top("mnuEdit", "&Edit");
  item("mnuUndo", "Undo", "mnuEdit", "Ctrl+U");
  item("mnuBar4", "-", "mnuEdit");
  item("mnuDatatypeMode", "Datatype Mode", "mnuEdit", "Ctrl+D");

  top("mnuOptions", "&Options");
  item("mnuIdentify", "Identify Tiles Used", "mnuOptions", "Ctrl+I");
  item("mnuBitmap", "Create Bitmap Image", "mnuOptions", "Ctrl+B");
  sub("mnuZoom", "Zoom", "mnuOptions");
  item("mnuZoom100", "100%", "mnuZoom");
  item("mnuZoom75", "75%", "mnuZoom");
  item("mnuZoom50", "50%", "mnuZoom");
  item("mnuZoom25", "25%", "mnuZoom");
  item("mnuZoomPage", "Full Page", "mnuZoom");
  item("mnuZoomWidth", "Full Width", "mnuZoom");
  item("mnuBar2", "-", "mnuOptions");
  item("mnuSettings", "Settings", "mnuOptions");

  top("mnuHlp", "&Help");
  item("mnuHelp", "Help", "mnuHlp", "F1");
  item("mnuVisit", "Visit Ostrel Forge", "mnuHlp");
  item("mnuCredits", "Credits", "mnuHlp");
  return t;
}

using Command = std::function<void(App&)>;

std::map<std::string, Command> menuCommands() {
  std::map<std::string, Command> c{
      {"mnuProjectNew", mnuProjectNew_Click},
      {"mnuProjectLoad", mnuProjectLoad_Click},
      {"mnuProjectSave", mnuProjectSave_Click},
      {"mnuProjectSaveAs", mnuProjectSaveAs_Click},
      {"mnuDatamapNew", mnuDatamapNew_Click},
      {"mnuDatamapLoad", mnuDatamapLoad_Click},
      {"mnuDatamapSave", mnuDatamapSave_Click},
      {"mnuDatamapSaveAs", mnuDatamapSaveAs_Click},
      {"mnuDatamapExport", mnuDatamapExport_Click},
      {"mnuDatamapResize", mnuDatamapResize_Click},
      {"mnuDatamapClear", mnuDatamapClear_Click},
      {"mnuDatatypeNew", mnuDatatypeNew_Click},
      {"mnuDatatypeLoad", mnuDatatypeLoad_Click},
      {"mnuDatatypeExport", mnuDatatypeExport_Click},
      {"mnuDatatypeSave", mnuDatatypeSave_Click},
      {"mnuDatatypeSaveAs", mnuDatatypeSaveAs_Click},
      {"mnuTilesetNew", mnuTilesetNew_Click},
      {"mnuTilesetLoad", mnuTilesetLoad_Click},
      {"mnuTilesetSave", mnuTilesetSave_Click},
      {"mnuTilesetSaveAs", mnuTilesetSaveAs_Click},
      {"mnuCMapNew", mnuCMapNew_Click},
      {"mnuCMapLoad", mnuCMapLoad_Click},
      {"mnuCMapSave", mnuCMapSave_Click},
      {"mnuCMapSaveAs", mnuCMapSaveAs_Click},
      {"mnuD64Extract", mnuD64Extract_Click},
      {"mnuLoadPalette", mnuLoadPalette_Click},
      {"mnuUndo", mnuUndo_Click},
      {"mnuZoom100", mnuZoom100_Click},
      {"mnuZoom75", mnuZoom75_Click},
      {"mnuZoom50", mnuZoom50_Click},
      {"mnuZoom25", mnuZoom25_Click},
      {"mnuZoomPage", mnuZoomPage_Click},
      {"mnuZoomWidth", mnuZoomWidth_Click},
      {"mnuHelp", mnuHelp_Click},
      {"mnuVisit", mnuVisit_Click},
      {"mnuSettings", mnuSettings_Click},
      {"mnuCredits", mnuCredits_Click},
      {"mnuDatatypeMode", mnuDatatypeMode_Click},
      {"mnuIdentify", mnuIdentify_Click},
      {"mnuBitmap", mnuBitmap_Click},
  };
  for (int i = 0; i < 5; ++i) {
    std::string n = "(";
    n += std::to_string(i);
    n += ')';
    c["mnuMWJMRU" + n] = [i](App& a) { mnuMWJMRU_Click(a, i); };
    c["mnuMWRTMRU" + n] = [i](App& a) { mnuMWRTMRU_Click(a, i); };
    c["mnuTYPEMRU" + n] = [i](App& a) { mnuTYPEMRU_Click(a, i); };
    c["mnuTILEMRU" + n] = [i](App& a) { mnuTILEMRU_Click(a, i); };
    c["mnuCMAPMRU" + n] = [i](App& a) { mnuCMAPMRU_Click(a, i); };
  }
  return c;
}

bool isRecentFileItem(const std::string& name) { return name.find("MRU(") != std::string::npos; }

}  // namespace

void frmMain::buildMenus() {
  const std::map<std::string, Command> commands = menuCommands();
  menuBar()->setNativeMenuBar(false);
  for (const MenuDef& d : menuTable()) {
    MenuNode node{.name = d.name, .parent = d.parent, .separator = d.caption == "-",
                  .recentFile = isRecentFileItem(d.name)};
    QMenu* parentMenu = d.parent.empty() ? nullptr : menuNodes_[menuIndex_.at(d.parent)].menu;
    if (d.submenu) {
      node.menu = parentMenu ? parentMenu->addMenu(QString::fromStdString(d.caption))
                             : menuBar()->addMenu(QString::fromStdString(d.caption));
      node.menu->setObjectName(QString::fromStdString(d.name));
      node.action = node.menu->menuAction();
    } else if (node.separator) {
      node.action = parentMenu->addSeparator();
    } else {
      node.action = parentMenu->addAction(QString::fromStdString(d.caption));
      if (!d.shortcut.empty()) node.action->setShortcut(QKeySequence(QString::fromStdString(d.shortcut)));
      if (d.name == "menuExit") {
        connect(node.action, &QAction::triggered, this, [this] { close(); });
      } else if (auto it = commands.find(d.name); it != commands.end()) {
        Command cmd = it->second;
        connect(node.action, &QAction::triggered, this, [this, cmd] { run([&] { cmd(a_); }); });
      }
    }
    node.action->setObjectName(QString::fromStdString(d.name));
    // The form's data starts with the design captions; commands change them.
    MenuItem& m = a_.frm.menu(d.name);
    if (m.caption.empty() && !node.recentFile) m.caption = d.caption;
    menuIndex_[d.name] = menuNodes_.size();
    menuNodes_.push_back(node);
  }
}

void frmMain::syncMenus() {
  // Qt keeps the shortcuts of a disabled menu's items alive, so an item is
  // enabled only when it and every menu above it are.
  std::map<std::string, bool> effective;
  for (MenuNode& n : menuNodes_) {
    const MenuItem& m = a_.frm.menu(n.name);
    const bool on = m.enabled && (n.parent.empty() || effective[n.parent]);
    effective[n.name] = on;
    if (!n.separator) {
      QString text = QString::fromStdString(m.caption);
      // A path's "&" is part of the name, not a mnemonic.
      if (n.recentFile) text.replace("&", "&&");
      n.action->setText(text);
    }
    n.action->setEnabled(on);
    n.action->setVisible(m.visible);
  }
}

QAction* frmMain::action(const std::string& controlName) {
  auto it = menuIndex_.find(controlName);
  return it == menuIndex_.end() ? nullptr : menuNodes_[it->second].action;
}

QMenu* frmMain::menuByName(const std::string& controlName) {
  auto it = menuIndex_.find(controlName);
  return it == menuIndex_.end() ? nullptr : menuNodes_[it->second].menu;
}

void frmMain::ShowPopupMenu(const std::string& menuName) {
  QMenu* menu = menuByName(menuName);
  if (!menu) return;
  sync();
  menu->exec(QCursor::pos());
}
