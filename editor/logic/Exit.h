#pragma once

struct App;

// Exit sequence: saves the window placement when asked to, then asks about
// saving the datamap; cancel = true keeps the window open.
void Form_Unload(App& a, bool& cancel);
