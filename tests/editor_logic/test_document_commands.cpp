#include <QFile>

#include "editor/logic/ColormapCommands.h"
#include "editor/logic/DatamapCommands.h"
#include "editor/logic/DatatypeCommands.h"
#include "editor/logic/TilesetCommands.h"
#include "editor/logic/Zoom.h"
#include "platform/Bytes.h"
#include "support/TestApp.h"

// What every document's Load, Save, Save As and recent-file commands share.

namespace {
class DocumentCommands : public AppTest {
 protected:
  void SetUp() override { startUp(); }
};
}  // namespace
using Load = void (*)(App&);

TEST_F(DocumentCommands, SaveAsksForAFileWhenTheDocumentIsUntiedOrHasNoPath) {
  // Save As then Cancel writes nothing and leaves the document untied.
  tie(kDatamap, "world.map");
  prompts.answerSave("").answerSave("");
  EXPECT_EQ(mnuDatamapSaveAs_Click(a), SaveResult::Cancelled);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path("world.map"))));
  EXPECT_EQ(mnuDatamapSave_Click(a), SaveResult::Cancelled);  // untied, Save asks again
  EXPECT_EQ(prompts.shown().size(), 2u);
  // Tied but without a path, a document is saved through the dialog too.
  a.st.DatatypeHasFile = true;
  a.st.DatatypePath = "";
  prompts.answerSave(path("tags.prg"));
  EXPECT_EQ(mnuDatatypeSave_Click(a), SaveResult::Saved);
  EXPECT_EQ(readBytes(path("tags.prg")).size(), 32768u);
}

TEST_F(DocumentCommands, FailedSaveShowsTheMessageAndKeepsIdentityAndRecentList) {
  tie(kColormap, "colours.prg");
  a.st.ColormapMRU[0] = path("older.prg");
  // A folder that does not exist cannot take the file, even for root.
  prompts.answerSave(path("no-such-folder/c.prg")).answerMsgBox(vbOK);
  EXPECT_EQ(mnuCMapSaveAs_Click(a), SaveResult::Failed);
  EXPECT_EQ(prompts.last().title, "Colormap Save Error");
  EXPECT_TRUE(a.st.ColormapHasFile);
  EXPECT_EQ(a.st.ColormapPath, path("colours.prg"));
  EXPECT_EQ(a.st.ColormapMRU[0], path("older.prg"));
}

TEST_F(DocumentCommands, DialogPropertiesCarryOverBetweenCommands) {
  a.st.TilesDir = "/home/me/tiles";
  a.frm.CommonDialog1.Flags = 6;
  prompts.answerOpen("").answerOpen("");
  mnuTilesetLoad_Click(a);
  mnuDatatypeLoad_Click(a);
  // The datatype load sets no folder and no flags: the tileset's stay.
  const CommonDialog& shown = prompts.last().dialog;
  EXPECT_EQ(shown.DialogTitle, "Load Datatype");
  EXPECT_EQ(shown.InitDir, "/home/me/tiles");
  EXPECT_EQ(shown.Flags, 6);
}

TEST_F(DocumentCommands, MissingFilesAreReportedAndLoadNothing) {
  a.st.DatamapMRU[1] = path("gone.map");
  prompts.answerMsgBox(vbOK);
  mnuMWRTMRU_Click(a, 1);
  EXPECT_EQ(prompts.last().text, "Datamap file [" + path("gone.map") + "] does not exist!");
  EXPECT_EQ(prompts.last().title, "Datamap Load Error");
  EXPECT_EQ(a.st.DatamapMRU[1], path("gone.map"));  // the entry stays
  // A name typed into an open dialog ends like a Cancel.
  const std::string typed = path("nothere.prg");
  using Case = std::pair<Load, std::string>;
  for (auto [load, kind] :
       {Case{mnuDatamapLoad_Click, "Datamap"}, Case{mnuTilesetLoad_Click, "Tileset"},
        Case{mnuCMapLoad_Click, "Colormap"}, Case{mnuDatatypeLoad_Click, "Datatype"}}) {
    prompts.answerOpen(typed).answerMsgBox(vbOK);
    load(a);
    EXPECT_EQ(prompts.last().text, kind + " file [" + typed + "] does not exist!");
    EXPECT_EQ(prompts.last().title, kind + " Load Error");
    EXPECT_TRUE(a.frm.picMap.enabled);
  }
  EXPECT_FALSE(a.st.DatamapHasFile || a.st.TilesetHasFile || a.st.ColormapHasFile);
}

TEST_F(DocumentCommands, TilesetAndColormapLoadsGoHomeButADatamapLoadDoesNot) {
  // command, file, its first bytes and size, whether it shows the map from its corner
  using Case = std::tuple<Load, const char*, Bytes, size_t, bool>;
  for (auto [load, file, head, size, home] :
       {Case{mnuTilesetLoad_Click, "t.prg", {0, 0x30}, 2050, true},
        Case{mnuCMapLoad_Click, "c.prg", {0, 0xC0}, 258, true},
        Case{mnuDatamapLoad_Click, "m.map", {0, 0x40, 40, 25}, 32772, false}}) {
    head.resize(size, 5);
    writeBytes(path(file), head);
    SetScrollValue(a, false, 3);
    SetScrollValue(a, true, 2);
    prompts.answerOpen(path(file));
    load(a);
    EXPECT_EQ(a.frm.scrHorz.value == 0 && a.frm.scrVert.value == 0 && a.frm.picMap.top == 0, home)
        << file;
  }
  EXPECT_TRUE(a.st.TilesetHasFile && a.st.ColormapHasFile && a.st.DatamapHasFile);
}
