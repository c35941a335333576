#pragma once
#include <string>

struct App;

// Rebuilds the whole map view from Datamap by 16 x 16 block copies from the sheet.
void RedrawMap(App& a);
// While one lives, RedrawMap only notes that the map is out of date; the last
// one to go redraws it once if any redraw was asked for. Documents loaded one
// after another each redraw the map, each over the last, the first ones even
// at a size the next one changes.
class HeldMapRedraw {
 public:
  explicit HeldMapRedraw(App& a);
  ~HeldMapRedraw();
  HeldMapRedraw(const HeldMapRedraw&) = delete;
  HeldMapRedraw& operator=(const HeldMapRedraw&) = delete;

 private:
  App& a_;
};
// What RedrawMap would show, at the cost of the cells it would change: those
// whose tile image on the sheet was drawn on since the last redraw, and those
// drawn over on the map (a stale brush, a label). Only they are repainted.
void RedrawMapChanges(App& a);
// Labels every cell whose datatype value is not 0, in DatatypeColor.
void DrawDatatypeOverlay(App& a);
// Redraws one cell with its label (none for "00") and stores the value.
void DrawDatatypeCell(App& a, const std::string& text, int pixX, int pixY);
// The map label font (an installed sans of the Windows font's pixel size).
struct FontSpec;
const FontSpec& MapLabelFont();
