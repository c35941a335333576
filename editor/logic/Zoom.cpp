#include "editor/logic/Zoom.h"

#include <algorithm>
#include <cmath>

#include "editor/logic/MenuState.h"
#include "editor/logic/WindowCaption.h"
#include "model/App.h"
#include "platform/NumericText.h"

namespace {

// The picture the bars and the corner buttons move.
Picture& shownPicture(App& a) { return a.st.Zoom == 100 ? a.frm.picMap : a.frm.picZoom; }

void zoomCommand(App& a, float zoom, const char* suffix) {
  a.st.Zoom = zoom;
  ApplyZoom(a);
  UpdateCaption(a, suffix);
}

// A fit of a one-cell-wide map would otherwise ask for a copy of half a
// gigabyte; past this many pixels the copy is squeezed to fit.
constexpr int64_t kMaxCopySide = 16384;

// How many pixels of the copy `factor` makes of `length` pixels of the map:
// never less than one, so a viewport squeezed to nothing still gets a copy.
int scaledLength(float factor, int length) {
  const double v = double(factor) * double(length);
  if (!(v >= 1)) return 1;  // also catches NaN
  return int(std::min<int64_t>(RoundHalfEven(v), kMaxCopySide));
}

float fitFactor(int viewport, int picture) {
  if (picture <= 0 || viewport <= 0) return 0;
  return float(viewport) / float(picture);
}

}  // namespace

void mnuZoom100_Click(App& a) { zoomCommand(a, 100, " "); }
void mnuZoom75_Click(App& a) { zoomCommand(a, 75, " - [Zoom 75%]"); }
void mnuZoom50_Click(App& a) { zoomCommand(a, 50, " - [Zoom 50%]"); }
void mnuZoom25_Click(App& a) { zoomCommand(a, 25, " - [Zoom 25%]"); }
void mnuZoomPage_Click(App& a) { zoomCommand(a, 0, " - [Zoom Fit Page]"); }
void mnuZoomWidth_Click(App& a) { zoomCommand(a, -1, " - [Zoom Fit Width]"); }

void ApplyZoom(App& a) {
  Picture& map = a.frm.picMap;
  Picture& zoom = a.frm.picZoom;
  const float z = a.st.Zoom;
  if (z == 100) {
    SetMenuState(a, 3);
    map.visible = true;
    map.enabled = true;
    zoom.visible = false;
    // The copy is made anew at every zoom; until then it holds no memory.
    zoom.clear();
    a.st.ZoomFactor = 1;
    return;
  }
  // Zoomed, the map takes no mouse input: the copy is a still image.
  SetMenuState(a, 2);
  map.visible = false;
  map.enabled = false;
  if (z == 0) {
    a.st.ZoomFactor = fitFactor(a.frm.picScrollHeight, map.height());
  } else if (z == -1) {
    a.st.ZoomFactor = fitFactor(a.frm.picScrollWidth, map.width());
  } else {
    a.st.ZoomFactor = z / 100;
  }
  zoom.visible = true;
  zoom.left = 0;
  zoom.top = 0;
  const int w = scaledLength(a.st.ZoomFactor, map.width());
  const int h = scaledLength(a.st.ZoomFactor, map.height());
  // Every pixel of the copy is drawn below, so the old content need not be
  // carried over into the new size. A map nothing was drawn on yet gives a
  // copy that holds no memory either.
  zoom.clear();
  zoom.resize(w, h);
  zoom.scaledCopyFrom(map, 0, 0, w, h);
  zoom.refresh();
}

void picZoom_Click(App& a) { mnuZoom100_Click(a); }

void SetScrollValue(App& a, bool vertical, int value) {
  ScrollBar& bar = vertical ? a.frm.scrVert : a.frm.scrHorz;
  value = std::clamp(value, bar.min, bar.max);
  if (value == bar.value) return;
  bar.value = value;
  if (vertical)
    scrVert_Change(a);
  else
    scrHorz_Change(a);
}

void scrVert_Change(App& a) { shownPicture(a).top = -(a.st.MapHeight * a.frm.scrVert.value); }

void scrHorz_Change(App& a) { shownPicture(a).left = -(a.st.MapWidth * a.frm.scrHorz.value); }

void cmdHome_Click(App& a) {
  Picture& shown = shownPicture(a);
  shown.left = 0;
  shown.top = 0;
  SetScrollValue(a, false, 0);
  SetScrollValue(a, true, 0);
}

void cmdLeft_Click(App& a) { SetScrollValue(a, false, 0); }

void cmdTop_Click(App& a) { SetScrollValue(a, true, 0); }
