#pragma once

struct App;
class Picture;

// While the hover preview is on (Ctrl+H), the preview pictures that follow the
// mouse over the map show what a click would paint or paste: each takes a
// whole copy of its source (the brush, the copied block) whenever that changes.
void CopyToHoverPreview(App& a, Picture& hover, const Picture& source);
