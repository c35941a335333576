#pragma once

struct App;

// One map undo level: the whole 256 x 128 datamap into the newest slot of
// UndoMap. Painting, typing, pasting and the area fill all take it, so it
// lives below the editor and the renderers alike.
void PushUndo(App& a);
