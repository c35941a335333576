#include "editor/logic/DatatypeMode.h"

#include <QString>
#include <cstdio>

#include "editor/logic/MenuState.h"
#include "model/App.h"
#include "model/SettingsPath.h"
#include "platform/IniFile.h"
#include "platform/NumericText.h"
#include "render/MapRender.h"

namespace {

constexpr int kCell = 16;

// A pasted line break would otherwise show in the list but be refused by the
// settings file, so that the name would silently not survive the next start.
std::string controlsAsBlanks(const std::string& text) {
  QString s = QString::fromStdString(text);
  for (QChar& c : s)
    if (c.category() == QChar::Other_Control) c = u' ';
  return s.toStdString();
}

std::string trimBlanks(const std::string& s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

void mnuDatatypeMode_Click(App& a) {
  ProgramState& st = a.st;
  MainForm& f = a.frm;
  st.DatatypeMode = !st.DatatypeMode;
  if (st.DatatypeMode) {
    st.SavedCursorWidth = int16_t(f.shpMapCursor.width);
    st.SavedCursorHeight = int16_t(f.shpMapCursor.height);
    f.shpMapCursor.width = kCell;
    f.shpMapCursor.height = kCell;
    f.Frame1.visible = false;
    f.Frame2.enabled = false;
    f.Frame4.visible = false;
    f.Frame5.visible = true;
    SetMenuState(a, 4);
    RedrawMap(a);
    a.host->DoEvents();
    DrawDatatypeOverlay(a);
  } else {
    f.shpMapCursor.width = st.SavedCursorWidth;
    f.shpMapCursor.height = st.SavedCursorHeight;
    f.Frame1.visible = true;
    f.Frame2.enabled = true;
    f.Frame4.visible = true;
    f.Frame5.visible = false;
    SetMenuState(a, 5);
    RedrawMap(a);
  }
}

void lstDatatypes_MouseUp(App& a, int button, int /*shift*/, float x, float y) {
  if (button != 2) return;
  const ListHit hit = a.host->DatatypeItemFromPoint(int(RoundHalfEven(x)), int(RoundHalfEven(y)));
  std::vector<std::string>& items = a.frm.lstDatatypes.items;
  // Released off the list (the press began on it): no item was pointed at.
  if (hit.outside || hit.item < 0 || size_t(hit.item) >= items.size()) return;

  const std::string answer = a.prompts->InputBox("Define Datatype", "Define Datatype", "UNDEFINED");
  if (answer.empty()) return;
  const std::string name = controlsAsBlanks(answer);

  char code[16], key[16];
  std::snprintf(code, sizeof code, "%02X", hit.item);
  std::snprintf(key, sizeof key, "D%03d", hit.item);
  items[size_t(hit.item)] = std::string(code) + " = " + name;
  // A failed write is not reported: the name shows for this run all the same.
  std::string quoted = "\"";
  quoted += trimBlanks(name);
  quoted += '"';
  WritePrivateProfileString("DataTypes", key, quoted, SettingsPath());
}
