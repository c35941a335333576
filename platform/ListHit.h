#pragma once

// What a list box's hit test reports for a point in the list's client pixels:
// the item nearest to the point, and whether the point lies outside the area
// the items are shown in (then the item names no place under the mouse).
struct ListHit {
  int item = -1;  // -1 only for a list without items
  bool outside = true;
};
