#pragma once

struct App;

// Switches datatype mode: the map shows and paints the datatype layer.
void mnuDatatypeMode_Click(App& a);
// A right-button release renames the list item nearest to the point (x, y:
// the list's client pixels) and stores the name in the settings file.
void lstDatatypes_MouseUp(App& a, int button, int shift, float x, float y);
