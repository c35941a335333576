#include "editor/logic/BitmapExport.h"

#include "editor/logic/DocumentCommands.h"
#include "model/App.h"
#include "model/Formats.h"

void mnuBitmap_Click(App& a) {
  CommonDialog& dlg = a.frm.CommonDialog1;
  dlg.DialogTitle = "Save Image File";
  dlg.Filter = "Windows Bitmap Files (*.bmp)|*.bmp";
  dlg.FileName.clear();
  dlg.Flags = kSaveDialogFlags;
  a.prompts->ShowSave(dlg);
  const std::string path = dlg.FileName;
  if (path.empty()) return;

  // The picture's own image is the bitmap: cursor, selection frame and hover
  // previews are drawn over it by the view, never into it. A copy to compose
  // in first would hold up to 32 MiB more for nothing.
  const Picture& source = a.st.Zoom == 100 ? a.frm.picMap : a.frm.picZoom;
  if (!writeBitmapFile(path, source))
    a.prompts->MsgBox("Cannot write Bitmap file (" + path + ")!", vbCritical,
                      "Bitmap Export Error");
  a.host->DoEvents();
}
