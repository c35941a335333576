#include "editor/logic/ProjectCommands.h"
#include "editor/logic/ProjectFile.h"
#include "model/DocumentLabel.h"
#include "support/TestApp.h"

namespace {
class ProjectCommands : public AppTest {
 protected:
  void SetUp() override { startUp(); }
  void tieAll() {
    tie(kDatamap, "w.map");
    tie(kDatatype, "w.type");
    tie(kTileset, "w.prg");
    tie(kColormap, "w.cmap");
  }
  // Every name, path, flag, label and recent list, so that a refusal can be
  // shown to have changed none of them.
  std::string identities() {
    std::string s;
    for (int k = kProject; k <= kColormap; ++k) {
      DocIdentity id = Identity(a.st, k);
      const Label& l = DocumentLabel(a.frm, k);
      s += id.name + "|" + id.path + "|" + (id.hasFile ? "tied" : "untied") + "|" + l.caption +
           "|" + l.tooltip + "|";
      for (const std::string& m : id.mru) s += m + ";";
      s += "\n";
    }
    return s;
  }
  std::vector<std::string> titlesShown() const {
    std::vector<std::string> t;
    for (const auto& p : prompts.shown()) t.push_back(p.kind + " " + p.text);
    return t;
  }
};
}  // namespace

TEST_F(ProjectCommands, NewThenSaveAsksForEveryFileInOrderAndTheSecondSaveAsksNothing) {
  prompts.answerInput("Level1");
  mnuProjectNew_Click(a);
  EXPECT_EQ(a.st.TilesetFile, "TILE.Level1.PRG");
  EXPECT_EQ(a.frm.lblTileName.tooltip, path("TILE.Level1.PRG"));
  EXPECT_EQ(a.frm.lblProject.caption, "Project - Level1.mwj");
  EXPECT_EQ(a.st.ProjectPath, path("Level1.mwj"));
  EXPECT_EQ(readBytes(path("Level1.mwj")).size(), 0u);  // New writes nothing

  prompts.answerSave(path("Level1.mwj"))
      .answerSave(path("m.map"))
      .answerSave(path("y.prg"))
      .answerSave(path("t.prg"))
      .answerSave(path("c.prg"));
  EXPECT_EQ(mnuProjectSave_Click(a), SaveResult::Saved);
  EXPECT_EQ(titlesShown(),
            (std::vector<std::string>{"InputBox Enter Mosaicwright Project Name",
                                      "Save Save Project", "Save Save Datamap",
                                      "Save Save Datatype", "Save Save Tileset",
                                      "Save Save Colormap"}));
  const CommonDialog& project = prompts.shown()[1].dialog;
  EXPECT_EQ(project.FileName, "Level1.mwj");
  EXPECT_EQ(project.Filter, "Project (.mwj)|*.mwj");
  EXPECT_EQ(project.Flags, 6);
  EXPECT_EQ(readText(path("Level1.mwj")), "[Files]\nMWRT=" + path("m.map") + "\nTYPE=" +
                                              path("y.prg") + "\nTILE=" + path("t.prg") +
                                              "\nCMAP=" + path("c.prg") + "\n");
  EXPECT_EQ(readBytes(path("c.prg")).size(), 258u);
  EXPECT_TRUE(a.st.ProjectHasFile);
  EXPECT_EQ(a.st.ProjectMRU[0], path("Level1.mwj"));
  EXPECT_TRUE(a.frm.picMap.enabled);

  prompts.clearShown();
  a.st.DatamapAt(0, 0) = 0x42;
  EXPECT_EQ(mnuProjectSave_Click(a), SaveResult::Saved);
  EXPECT_TRUE(prompts.shown().empty());
  EXPECT_EQ(readBytes(path("m.map"))[4], 0x42);
}

TEST_F(ProjectCommands, ACancelledMemberIsRecordedEmptyAndNamedAfterTheProject) {
  // The derived name drops the last four characters of the project's file name.
  using Case = std::pair<const char*, const char*>;  // project file, datatype name
  for (auto [file, name] : {Case{"Level1.mwj", "TYPE.Level1.PRG"}, Case{"level1", "TYPE.le.PRG"},
                            Case{"ab", "TYPE..PRG"}, Case{"aåbcd", "TYPE.a.PRG"}}) {
    tie(kDatamap, "w.map");
    a.st.ProjectHasFile = false;
    prompts.answerSave(path(file)).answerSave("").answerSave(path("t.prg")).answerSave(path("c.prg"));
    a.st.TilesetHasFile = a.st.ColormapHasFile = a.st.DatatypeHasFile = false;
    EXPECT_EQ(mnuProjectSave_Click(a), SaveResult::Saved) << file;
    EXPECT_EQ(readText(path(file)), "[Files]\nMWRT=" + path("w.map") + "\nTYPE=\nTILE=" +
                                        path("t.prg") + "\nCMAP=" + path("c.prg") + "\n")
        << file;
    EXPECT_EQ(a.st.DatatypeFile, name) << file;
    EXPECT_EQ(a.st.DatatypePath, path(name)) << file;
    EXPECT_EQ(a.frm.lblTYPEName.caption, name) << file;
    EXPECT_FALSE(a.st.DatatypeHasFile) << file;
    EXPECT_TRUE(a.st.TilesetHasFile && a.st.ColormapHasFile) << file;
  }
}

TEST_F(ProjectCommands, SaveAsOffersTheCurrentNameAndTheMembersKeepTheirFiles) {
  tieAll();
  prompts.answerSave(path("first.mwj"));
  mnuProjectSave_Click(a);
  prompts.clearShown();
  prompts.answerSave(path("second.mwj"));
  EXPECT_EQ(mnuProjectSaveAs_Click(a), SaveResult::Saved);
  ASSERT_EQ(prompts.shown().size(), 1u);  // tied members ask nothing
  EXPECT_EQ(prompts.last().dialog.FileName, "first.mwj");
  EXPECT_EQ(a.st.ProjectPath, path("second.mwj"));
  EXPECT_EQ(a.st.DatamapPath, path("w.map"));
  EXPECT_EQ(a.st.ProjectMRU[0], path("second.mwj"));
  EXPECT_EQ(a.st.ProjectMRU[1], path("first.mwj"));
}

TEST_F(ProjectCommands, RefusalsChangeNoIdentity) {
  tieAll();
  prompts.answerSave(path("ok.mwj"));
  mnuProjectSave_Click(a);
  writeText(path("notes.mwj"), "[Other]\nMWRT=" + path("x.map") + "\n");
  writeText(path("plain"), "");
  a.st.ProjectMRU[3] = path("gone.mwj");

  struct Case {
    std::function<void()> command;
    std::string text, title;
  };
  const Case cases[] = {
      {[&] { prompts.answerMsgBox(vbOK); mnuMWJMRU_Click(a, 3); },
       "Project file [" + path("gone.mwj") + "] does not exist!", "Project Load Error"},
      {[&] { prompts.answerOpen(folder.dir()).answerMsgBox(vbOK); mnuProjectLoad_Click(a); },
       "Project file [" + folder.dir() + "] does not exist!", "Project Load Error"},
      {[&] { prompts.answerOpen(path("notes.mwj")).answerMsgBox(vbOK); mnuProjectLoad_Click(a); },
       "Invalid Project File (" + path("notes.mwj") + ")!", "Project Load Error"},
      {[&] { prompts.answerInput("../up").answerMsgBox(vbOK); mnuProjectNew_Click(a); },
       "Invalid Project Name (../up)!", "Mosaicwright Project Name"},
      {[&] { prompts.answerInput("..").answerMsgBox(vbOK); mnuProjectNew_Click(a); },
       "Invalid Project Name (..)!", "Mosaicwright Project Name"},
      {[&] { prompts.answerInput("a\tb").answerMsgBox(vbOK); mnuProjectNew_Click(a); },
       "Invalid Project Name (a\tb)!", "Mosaicwright Project Name"},
      // A folder that is a plain file cannot take the project file, even for root.
      {[&] { prompts.answerSave(path("plain/p.mwj")).answerMsgBox(vbOK); mnuProjectSaveAs_Click(a); },
       "Cannot write Project file (" + path("plain/p.mwj") + ")!", "Project Save Error"},
  };
  for (const Case& c : cases) {
    const std::string before = identities();
    prompts.clearShown();
    c.command();
    EXPECT_EQ(prompts.last().text, c.text);
    EXPECT_EQ(prompts.last().title, c.title) << c.text;
    EXPECT_EQ(prompts.last().style, 16) << c.text;
    EXPECT_EQ(identities(), before) << c.text;
    EXPECT_TRUE(a.frm.picMap.enabled) << c.text;
  }
  // An empty answer or a cancelled dialog asks nothing further.
  const std::string before = identities();
  prompts.clearShown();
  prompts.answerInput("").answerOpen("");
  mnuProjectNew_Click(a);
  mnuProjectLoad_Click(a);
  a.st.ProjectHasFile = false;
  prompts.answerSave("");
  EXPECT_EQ(mnuProjectSave_Click(a), SaveResult::Cancelled);
  a.st.ProjectHasFile = true;
  EXPECT_EQ(prompts.shown().size(), 3u);
  EXPECT_EQ(identities(), before);
}
