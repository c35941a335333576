#include "editor/logic/DatatypeCommands.h"

#include "editor/logic/DocumentFiles.h"
#include "model/App.h"

namespace {

constexpr const char* kFilter = "Datatype (*.prg)|*.prg";

}  // namespace

void mnuDatatypeNew_Click(App& a) {
  if (!ConfirmedWarning(a, "Are you sure you want to clear the Datatype?")) return;
  a.st.DatatypeMap.fill(0);
  UntieAsBlank(a, kDatatype, "TYPE.Blank.prg");
}

void mnuDatatypeLoad_Click(App& a) {
  RunLoadCommand(a, {kDatatype, "Load Datatype", kFilter, nullptr, LoadDatatype, true, false});
}

SaveResult mnuDatatypeSave_Click(App& a) {
  return RunSaveCommand(a, {kDatatype, "Save Datatype", kFilter, nullptr, SaveDatatype});
}

SaveResult mnuDatatypeSaveAs_Click(App& a) {
  return RunSaveAsCommand(a, kDatatype, mnuDatatypeSave_Click);
}

void mnuDatatypeExport_Click(App& a) {
  CommonDialog& dlg = a.frm.CommonDialog1;
  dlg.FileName.clear();
  dlg.DialogTitle = "Export Datatype";
  dlg.Filter = kFilter;
  dlg.Flags = kSaveDialogFlags;
  a.prompts->ShowSave(dlg);
  const std::string path = dlg.FileName;
  if (path.empty()) return;
  // The layer's identity and recent list belong to its own file, not the export.
  ExportDatatype(a, path);
}

void mnuTYPEMRU_Click(App& a, int index) { RunRecentCommand(a, kDatatype, index, LoadDatatype); }
