#pragma once

struct App;

// Saves the map view as shown (the full-size picture, or the whole zoomed
// copy) as a Windows bitmap file.
void mnuBitmap_Click(App& a);
