#pragma once
#include <array>
#include <map>
#include <string>
#include <vector>

#include "platform/Picture.h"
#include "platform/Prompts.h"

// The main window's controls as plain data. The commands change these; the
// window widget only shows them (and reports input), so every command can run
// and be tested without a window.

struct Shape {  // a rectangle outline drawn over a picture
  int left = 0, top = 0, width = 16, height = 16;
  int32_t borderColor = 255;
  bool visible = true;
};

// The tile under a frame's top-left corner on the tile sheet (32 tiles a row,
// 16 x 16 pixels each): the selected tile when the frame is shpTileSelected.
inline int TileUnder(const Shape& s) { return (s.top / 16) * 32 + s.left / 16; }

struct Label {
  std::string caption, tooltip;
  bool visible = true;
};

struct Frame {
  bool enabled = true, visible = true;
};

struct MenuItem {
  std::string caption;
  bool enabled = true, visible = true;
};

struct ListBox {
  std::vector<std::string> items;
  int listIndex = -1;
};

struct ScrollBar {
  int value = 0, min = 0, max = 15;
};

struct MainForm {
  std::string caption = "Mosaicwright";

  // ---- Pictures (sizes as designed)
  Picture picTileData{256, 64};
  Picture picTileView{512, 128};
  Picture picMap{4096, 2048};
  // While held (HeldMapRedraw), a redraw only marks the map out of date.
  int mapRedrawHolds = 0;
  bool mapRedrawPending = false;
  int32_t picMapForeColor = 0;  // picMap's text colour: the datatype labels
  Picture picTileSelectedData{8, 8};
  Picture picTileSelectedDataUndo{8, 8};
  Picture picTileSelected{16, 16};
  Picture picTileSelectedHover{16, 16};  // shown inside picMap
  Picture picMapBuffer{16, 16};
  Picture picMapBufferHover{16, 16};     // shown inside picMap
  Picture picZoom{4096, 2048};
  Picture picFill1{16, 17}, picFill2{16, 17}, picFill3{16, 17};
  Picture picSave{512, 128};

  // ---- Shapes
  Shape shpTileSelected;          // on the tile sheet, border SelectColor
  Shape shpTileCursor;            // on the tile sheet, red
  Shape shpMapCursor;             // on the map, red
  Shape shpMapSelected{16, 16, 16, 16, 0x00FF00, false};  // never shown
  std::array<Shape, 256> shpTilesUsed{};  // identify mode markers
  std::array<bool, 256> shpTilesUsedExists{};

  // ---- Viewport and bars. picScrollWidth/Height: the viewport's inner size,
  // kept up to date by the window's layout.
  int picScrollWidth = 1001, picScrollHeight = 593;
  ScrollBar scrVert, scrHorz;
  bool picRandFillVisible = false, picRandFillEnabled = true;

  // ---- Information panel and other labels
  Label lblProject, lblMapName, lblMapSize, lblTYPEName, lblTileName, lblCMAPName;
  Frame Frame1, Frame2, Frame3, Frame4, Frame5{true, false};

  // ---- Tile editor and palette
  std::array<int32_t, 64> picTileBits{};  // background colour of box x + 8 y
  std::array<int32_t, 3> picMultiColor{};
  std::array<int32_t, 16> picColor{};
  bool cmdUndoEnabled = false, cmdClearEnabled = true;

  ListBox lstDatatypes;
  std::array<std::string, 7> statusPanel{"X = 0", "Y = 0", "", "", "", "", "Visit Ostrel Forge"};

  // The form's one file dialog: every command sets only what it needs, the
  // rest carries over from the previous use.
  CommonDialog CommonDialog1;

  // ---- Menus, by control name: "mnuFile", "mnuTilesetSave", "mnuTILEMRU(2)", "mnuBar11", ...
  std::map<std::string, MenuItem> menus;
  MenuItem& menu(const std::string& name) { return menus[name]; }
};
