#include "editor/logic/KeyboardCommands.h"

#include <algorithm>
#include <string_view>

#include "editor/logic/Brush.h"
#include "editor/logic/HoverPreview.h"
#include "editor/logic/MenuState.h"
#include "editor/logic/MapEditing.h"
#include "model/App.h"
#include "render/AreaFill.h"

namespace {

constexpr int kCell = 16;

constexpr int kShift = 1, kCtrl = 2;
constexpr int kBackspace = 8, kEsc = 27, kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

// Keys that type a tile: the tile without Shift (also with Ctrl, Alt or
// Ctrl+Shift) and with Shift alone. The tiles are the C64 screen codes of the
// characters a US keyboard prints; Shift+6 has no C64 character and keeps 54.
struct TypingKey {
  int keyCode, plain, shifted;
};
constexpr TypingKey kTypingKeys[] = {
    {32, 32, 32},  {45, 28, 28},  {46, 30, 30},  {48, 48, 41},  {49, 49, 33},  {50, 50, 0},
    {51, 51, 35},  {52, 52, 36},  {53, 53, 37},  {54, 54, 54},  {55, 55, 38},  {56, 56, 42},
    {57, 57, 40},  {106, 42, 42}, {107, 43, 43}, {109, 45, 45}, {110, 46, 46}, {111, 47, 47},
    {186, 59, 58}, {187, 61, 43}, {188, 44, 60}, {189, 45, 45}, {190, 46, 62}, {191, 47, 63},
    {192, 31, 31}, {219, 27, 27}, {221, 29, 29}, {222, 39, 34},
};

// Ctrl with these letters is a menu shortcut, which acted when the key went down.
bool IsMenuShortcutLetter(int keyCode) {
  return std::string_view("ABCDEILMNPQRSU").find(char(keyCode)) != std::string_view::npos;
}

void MoveMapCursor(App& a, int keyCode) {
  Shape& cur = a.frm.shpMapCursor;
  const int width = a.frm.picMap.width(), height = a.frm.picMap.height();
  switch (keyCode) {
    case kBackspace:
    case kLeft:
      cur.left = std::max(cur.left - kCell, 0);
      break;
    case kUp:
      cur.top = std::max(cur.top - kCell, 0);
      break;
    case kRight:
      cur.left += kCell;
      if (cur.left >= width) cur.left = width - kCell;
      break;
    case kDown:
      cur.top += kCell;
      if (cur.top >= height) cur.top = height - kCell;
      break;
  }
}

// The typed tile becomes the brush, the selection and the tile in the editor,
// then lands under the cursor, which moves on one cell without wrapping.
void TypeTile(App& a, int tile) {
  ProgramState& st = a.st;
  MainForm& f = a.frm;
  // The preview and the editor follow: a click paints the typed tile from now
  // on, and the old tile's undo snapshot belongs to the old tile.
  SelectSingleTile(a, tile);
  f.picTileSelectedDataUndo.clear();

  PushUndo(a);
  Shape& cur = f.shpMapCursor;
  Picture::bitBlt(f.picMap, cur.left, cur.top, kCell, kCell, f.picTileSelected, 0, 0);
  const int col = cur.left / kCell, row = cur.top / kCell;
  if (col >= 0 && col < kMapCols && row >= 0 && row < kMapRows)
    st.DatamapAt(col, row) = uint8_t(TileUnder(f.shpTileSelected));
  cur.left += kCell;
  if (cur.left >= f.picMap.width()) cur.left = f.picMap.width() - kCell;
}

void ToggleHoverPreview(App& a) {
  ProgramState& st = a.st;
  MainForm& f = a.frm;
  st.HoverPreview = !st.HoverPreview;
  if (!st.HoverPreview) {
    f.picTileSelectedHover.visible = f.picMapBufferHover.visible = false;
    return;
  }
  CopyToHoverPreview(a, f.picTileSelectedHover, f.picTileSelected);
  CopyToHoverPreview(a, f.picMapBufferHover, f.picMapBuffer);
  f.picTileSelectedHover.visible = true;
  f.picMapBufferHover.visible = false;
}

void Fill(App& a) {
  a.st.FillStartX = int16_t(a.st.MouseCellX / kCell);
  a.st.FillStartY = int16_t(a.st.MouseCellY / kCell);
  FillMapArea(a, 1);
}

void PasteAtMouse(App& a) {
  if (!a.st.MapBufferValid) return;
  PushUndo(a);
  PasteBuffer(a);
}

void StartRandomFill(App& a) {
  ProgramState& st = a.st;
  MainForm& f = a.frm;
  // Identify mode disables the tile sheet: the picks could never come.
  if (st.IdentifyMode) return;
  st.FillStartX = int16_t(st.MouseCellX / kCell);
  st.FillStartY = int16_t(st.MouseCellY / kCell);
  // The zoom may have disabled some of these already; the end of the fill
  // must leave them so.
  st.EnabledBeforeRandomFill = {f.menu("mnuFile").enabled, f.menu("mnuEdit").enabled,
                                f.menu("mnuOptions").enabled, f.picMap.enabled};
  f.picMap.enabled = false;
  SetMenuState(a, 0);
  f.picFill1.clear();
  f.picFill2.clear();
  f.picFill3.clear();
  f.picRandFillVisible = true;
  // The third pick of an earlier fill disabled the prompt, which greys its text.
  f.picRandFillEnabled = true;
  st.RandomFillStep = 1;
}

void RestoreAfterRandomFill(App& a) {
  const auto& was = a.st.EnabledBeforeRandomFill;
  a.frm.menu("mnuFile").enabled = was.mnuFile;
  a.frm.menu("mnuEdit").enabled = was.mnuEdit;
  a.frm.menu("mnuOptions").enabled = was.mnuOptions;
  a.frm.picMap.enabled = was.picMap;
}

void CancelRandomFill(App& a) {
  RestoreAfterRandomFill(a);
  a.st.RandomFillStep = 0;
  a.frm.picRandFillVisible = false;
}

void CtrlLetter(App& a, int keyCode) {
  switch (keyCode) {
    case 'F':
      Fill(a);
      return;
    case 'H':
      ToggleHoverPreview(a);
      return;
    case 'V':
      PasteAtMouse(a);
      return;
    case 'X':
      StartRandomFill(a);
      return;
  }
  if (!IsMenuShortcutLetter(keyCode)) TypeTile(a, keyCode - 64);
}

}  // namespace

void Form_KeyUp(App& a, int keyCode, int shift) {
  if (a.st.DatatypeMode) return;
  if (a.st.RandomFillStep != 0) {
    if (keyCode == kEsc) CancelRandomFill(a);
    return;
  }
  switch (keyCode) {
    case kBackspace:
    case kLeft:
    case kUp:
    case kRight:
    case kDown:
      MoveMapCursor(a, keyCode);
      return;
  }
  if (keyCode >= 'A' && keyCode <= 'Z') {
    if (shift == kCtrl)
      CtrlLetter(a, keyCode);
    else
      TypeTile(a, keyCode - 64);
    return;
  }
  for (const TypingKey& k : kTypingKeys)
    if (k.keyCode == keyCode) {
      TypeTile(a, shift == kShift ? k.shifted : k.plain);
      return;
    }
}

void EndRandomFill(App& a) {
  FillMapArea(a, 2);
  RestoreAfterRandomFill(a);
  a.frm.picRandFillVisible = false;
  a.st.RandomFillStep = 0;
}
