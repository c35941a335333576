#pragma once
#include <string>

#include "platform/Prompts.h"

struct App;

// The conventions the document commands share. Every command goes through the
// form's one common dialog, whose folder, filter index and flags carry over
// from command to command unless a command sets them.

// What a Save or Save As command came to: the exit question and the project
// save act on it (a failed save must not close the window over unsaved work).
enum class SaveResult { Saved, Cancelled, Failed };

inline constexpr int kSaveDialogFlags = cdlOFNOverwritePrompt | cdlOFNHideReadOnly;

using DocumentLoader = bool (*)(App&, const std::string&);
using DocumentSaver = bool (*)(App&, const std::string&);

// The open dialog with no file preset and the first filter chosen; "" when
// cancelled. initDir nullptr: the dialog keeps its folder.
std::string AskForFileToOpen(App& a, const std::string* initDir, const char* title,
                             const char* filter);
// The same, but a typed name of no existing file is reported ("<kind> file
// [path] does not exist!") and ends like a Cancel.
std::string AskForExistingFile(App& a, const std::string& kind, const std::string* initDir,
                               const char* title, const char* filter);

struct LoadCommand {
  int kind;
  const char* title;
  const char* filter;
  const std::string* initDir;  // nullptr: the dialog keeps its folder
  DocumentLoader load;
  bool clearsCopiedBlock;  // its image goes; the copied cells stay valid
  bool goesHome;           // the map is shown from its corner afterwards
};
// The map takes no input while the dialog and the load run.
void RunLoadCommand(App& a, const LoadCommand& cmd);

struct SaveCommand {
  int kind;
  const char* title;
  const char* filter;
  const std::string* initDir;  // nullptr: the dialog keeps its folder
  DocumentSaver save;
};
// Asks for a file when the document has none; the document is tied to a new
// file, named after it and entered in its recent list only once the file has
// really been written.
SaveResult RunSaveCommand(App& a, const SaveCommand& cmd);
// The command's save dialog, with no file preset; "" when cancelled.
std::string AskForFileToSave(App& a, const SaveCommand& cmd);
// Writes the document to a file the user chose in the save dialog and, once
// written, ties the document to it.
SaveResult SaveToChosenFile(App& a, const SaveCommand& cmd, const std::string& path);
// Untie, then save: a cancelled dialog leaves the document untied so that the
// next Save asks again, while a failed write must not lose the tie it had.
SaveResult RunSaveAsCommand(App& a, int kind, SaveResult (*save)(App&));
// A recent-file item: loads its file, or reports it missing (the entry stays).
void RunRecentCommand(App& a, int kind, int index, DocumentLoader load);

// The Yes/No "WARNING!!" question before a New or a Clear; MsgResult keeps the answer.
bool ConfirmedWarning(App& a, const std::string& text);
// A New unties the document and names it as a blank file of the program's
// folder; the label goes on showing the previous file until the next load or save.
void UntieAsBlank(App& a, int kind, const std::string& name);
