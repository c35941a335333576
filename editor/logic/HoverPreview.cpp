#include "editor/logic/HoverPreview.h"

#include "model/App.h"

void CopyToHoverPreview(App& a, Picture& hover, const Picture& source) {
  if (!a.st.HoverPreview) return;
  hover.resize(source.width(), source.height());
  Picture::bitBlt(hover, 0, 0, source.width(), source.height(), source, 0, 0);
}
