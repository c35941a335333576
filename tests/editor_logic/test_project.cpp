#include "editor/logic/DatamapCommands.h"
#include "editor/logic/ProjectCommands.h"
#include "editor/logic/ProjectFile.h"
#include "logic_fixture.h"

namespace {
class Project : public Started {
 protected:
  static std::string projectText(const std::string& mwrt, const std::string& type,
                                 const std::string& tile, const std::string& cmap) {
    return "[Files]\nMWRT=" + mwrt + "\nTYPE=" + type + "\nTILE=" + tile + "\nCMAP=" + cmap + "\n";
  }
};
}  // namespace

TEST_F(Project, NewThenSaveAsksForEveryFileInOrderAndLaterSavesAskOnlyForTheProject) {
  prompts.answerInput("Level1");
  mnuProjectNew_Click(a);
  EXPECT_EQ(a.frm.lblTileName.tooltip + a.frm.lblProject.caption,
            path("TILE.Level1.PRG") + "Project - Level1.mwj");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path("Level1.mwj"))));  // New writes nothing

  for (const char* name : {"Level1.mwj", "m.map", "y.prg", "t.prg", "c.prg"})
    prompts.answerSave(path(name));
  EXPECT_EQ(mnuProjectSave_Click(a), SaveResult::Saved);
  std::string shown;
  for (const auto& p : prompts.shown()) shown += p.text + "; ";
  EXPECT_EQ(shown,
            "Enter Mosaicwright Project Name; Save Project; Save Datamap; Save Datatype; "
            "Save Tileset; Save Colormap; ");
  EXPECT_EQ(prompts.shown()[1].dialog.FileName, "Level1.mwj");
  EXPECT_EQ(readText(path("Level1.mwj")),
            projectText(path("m.map"), path("y.prg"), path("t.prg"), path("c.prg")));

  prompts.clearShown();
  a.st.DatamapAt(0, 0) = 0x42;
  EXPECT_EQ(mnuProjectSave_Click(a), SaveResult::Saved);
  EXPECT_TRUE(prompts.shown().empty());
  // Save As offers the current name; the members keep their files. A file
  // saved over keeps its other lines and sections.
  writeText(path("second.mwj"),
            "; mine\r\n[Files]\r\nTILE=old\r\nExtra=1\r\n\r\n[More]\r\nx=y\r\n");
  prompts.answerSave(path("second.mwj"));
  EXPECT_EQ(mnuProjectSaveAs_Click(a), SaveResult::Saved);
  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(prompts.last().dialog.FileName, "Level1.mwj");
  EXPECT_EQ(readText(path("second.mwj")),
            "; mine\r\n[Files]\r\nTILE=" + path("t.prg") + "\r\nExtra=1\r\nMWRT=" + path("m.map") +
                "\r\nTYPE=" + path("y.prg") + "\r\nCMAP=" + path("c.prg") +
                "\r\n\r\n[More]\r\nx=y\r\n");
  EXPECT_EQ(std::tuple(a.frm.lblProject.tooltip, a.frm.lblMapName.tooltip, a.st.ProjectMRU[1]),
            std::tuple(path("second.mwj"), path("m.map"), path("Level1.mwj")));
}

TEST_F(Project, ACancelledMemberIsRecordedEmptyAndNamedAfterTheProject) {
  // The derived name drops the last four characters of the project's file name.
  using Case = std::pair<const char*, std::string>;  // project file, datatype name
  for (auto [file, name] : {Case{"Level1.mwj", "TYPE.Level1.PRG"}, Case{"ab", "TYPE..PRG"}}) {
    tie(kDatamap, "w.map");
    a.st.ProjectHasFile = a.st.TilesetHasFile = a.st.ColormapHasFile = a.st.DatatypeHasFile = false;
    for (const std::string& to : {path(file), std::string(), path("t.prg"), path("c.prg")})
      prompts.answerSave(to);
    EXPECT_EQ(mnuProjectSave_Click(a), SaveResult::Saved) << file;
    EXPECT_EQ(readText(path(file)), projectText(path("w.map"), "", path("t.prg"), path("c.prg")));
    EXPECT_EQ(std::tuple(a.st.DatatypeFile, a.st.DatatypePath, a.frm.lblTYPEName.caption),
              std::tuple(name, path(name), name));
    EXPECT_TRUE(!a.st.DatatypeHasFile && a.st.TilesetHasFile && a.st.ColormapHasFile) << file;
  }
}

TEST_F(Project, RefusalsChangeNoIdentity) {
  for (int kind = kDatamap; kind <= kColormap; ++kind)
    tie(kind, "w" + std::to_string(kind) + ".prg");
  prompts.answerSave(path("ok.mwj"));
  mnuProjectSave_Click(a);
  writeText(path("notes.mwj"), "[Other]\nMWRT=" + path("x.map") + "\n");
  a.st.ProjectMRU[0] = path("gone.mwj");  // the first entry acts too
  a.st.DatamapMRU[1] = path("g");
  const std::string load = "Project Load Error | ", name = "Mosaicwright Project Name | ";
  using Case = std::tuple<std::string, std::string, std::string>;  // prompt, answer, message
  const Case cases[] = {
      {"Recent", "", load + "Project file [" + path("gone.mwj") + "] does not exist!"},
      {"RecentMap", "", "Datamap Load Error | Datamap file [" + path("g") + "] does not exist!"},
      {"Open", folder.dir(), load + "Project file [" + folder.dir() + "] does not exist!"},
      {"Open", path("notes.mwj"), load + "Invalid Project File (" + path("notes.mwj") + ")!"},
      {"InputBox", "../up", name + "Invalid Project Name (../up)!"},
      {"InputBox", "a\tb", name + "Invalid Project Name (a\tb)!"}};
  for (const auto& [prompt, answer, message] : cases) {
    const auto before = everything(a);
    prompts.clearShown();
    if (prompt == "Open") prompts.answerOpen(answer);
    if (prompt == "InputBox") prompts.answerInput(answer);
    prompts.answerMsgBox(vbOK);
    if (prompt == "Recent") mnuMWJMRU_Click(a, 0);
    if (prompt == "RecentMap") mnuMWRTMRU_Click(a, 1);
    if (prompt == "Open") mnuProjectLoad_Click(a);
    if (prompt == "InputBox") mnuProjectNew_Click(a);
    EXPECT_EQ(prompts.lastMessage(), message);
    EXPECT_EQ(prompts.last().style, vbCritical) << message;
    EXPECT_TRUE(everything(a) == before) << message;
    EXPECT_TRUE(a.frm.picMap.enabled) << message;
  }
}

TEST_F(Project, AFileWithWindowsLineEndsUpperCaseKeysAndRelativePathsLoadsAndReportsTogether) {
  writeBytes(path("m.prg"), padded({0x00, 0x40, 40, 25}, 32772, 7));
  writeBytes(path("k.prg"), padded({0x00, 0xC0}, 258, 5));
  writeText(path("level.mwj"), "[FILES]\r\nmwrt=m.prg\r\nType = gone.type\r\nTILE=" +
                                   path("gone.tile") + "\r\nCmap=./k.prg\r\n");
  a.st.DatatypeMap[5] = 9;
  prompts.answerMsgBox(vbOK);
  EXPECT_TRUE(LoadProject(a, path("level.mwj")));
  EXPECT_EQ(prompts.lastMessage(), "Project Load Error | \nDatatype file (" + path("gone.type") +
                                       ") NOT FOUND!\nTileset file (" + path("gone.tile") +
                                       ") NOT FOUND!");
  EXPECT_EQ(a.st.ColormapPath, path("k.prg"));  // made whole, no CR left on the value
  EXPECT_TRUE(a.st.DatamapHasFile && a.st.ColormapHasFile && a.st.ProjectHasFile &&
              a.st.ProjectMRU[0] == path("level.mwj"));
  EXPECT_EQ(std::tuple(a.st.MapWidth, a.st.Colormap[2]), std::tuple(int16_t(40), uint8_t(5)));
  // A missing member keeps its data and label, and takes the name the file gives it.
  EXPECT_EQ(a.st.DatatypeMap[5], 9);
  EXPECT_EQ(a.st.DatatypeFile + " " + a.frm.lblTYPEName.caption, "gone.type TYPE.Blank.PRG");
}

// Members loaded one by one each redraw the map, the first at full size. The shipped example,
// a project with a bitmap tileset and the default start-up files draw it once at the end: a
// message on the way shows it undrawn, the end (pictures and files tied) as the loads alone.
TEST_F(Project, TheExampleAProjectOrTheDefaultFilesDrawTheMapOnceAtTheEndAsTheLoadsAlone) {
  const std::string ex = MW_EXAMPLES "/", d = ex + "TYPE.Example.PRG", c = ex + "CMAP.Example.PRG";
  const std::string m = ex + "MWRT.Example.PRG", t = ex + "TILE.Example.PRG";
  LoadTileset(a, t);
  ASSERT_TRUE(SaveTileset(a, path("t.bmp")));
  writeText(path("p.mwj"), projectText(m, d, path("t.bmp"), c));
  for (auto [project, tiles] :
       {std::pair{ex + "Example.mwj", t}, {path("p.mwj"), path("t.bmp")}, {std::string(), t}}) {
    App one, all;  // started, then loaded one by one; loaded at start-up
    for (App* b : {&one, &all}) std::tie(b->prompts, b->host) = std::tuple(&prompts, &host);
    if (tiles != t)
      prompts.answerMsgBox(vbOK).answerMsgBox(vbOK, [&] { EXPECT_TRUE(all.frm.picMap.isBlank()); });
    Form_Load(one, "");
    for (auto [file, load] : {std::pair{d, &LoadDatatype}, {c, &LoadColormap}, {m, &LoadDatamap},
                              {tiles, &LoadTileset}})
      if (!project.empty() || file == m || file == tiles) load(one, file);
    if (project.empty()) writeText(path("Mosaicwright.ini"), "[Files]\nTile=" + t + "\nMap=" + m);
    Form_Load(all, project);
    for (auto pic : {&MainForm::picMap, &MainForm::picTileView, &MainForm::picTileSelected})
      EXPECT_TRUE((all.frm.*pic).image() == (one.frm.*pic).image()) << project;
    for (int kind = kDatamap; kind <= kColormap; ++kind)
      EXPECT_EQ(Identity(all.st, kind).path, Identity(one.st, kind).path) << project;
  }
}

// A loader that refuses a member's file leaves the member tied to what it held,
// so the next Save cannot write over the refused file.
TEST_F(Project, AMemberItsLoaderRefusesKeepsItsFileAndTheNextSaveLeavesTheRefusedFileAlone) {
  open();
  const std::string notes(100, 'n');
  writeText(path("notes.txt"), notes);
  writeText(path("p.mwj"), projectText(path("m.map"), path("d.prg"), path("t.prg"),
                                       path("notes.txt")));
  const auto colormap =
      std::tuple(a.st.ColormapFile, a.st.ColormapPath, a.frm.lblCMAPName.caption);
  prompts.answerMsgBox(vbOK);
  EXPECT_TRUE(LoadProject(a, path("p.mwj")));
  EXPECT_EQ(prompts.lastMessage(),
            "Colormap Load Error | Invalid Colormap Size (100) must be (258 or 262)");
  EXPECT_EQ(std::tuple(a.st.ColormapFile, a.st.ColormapPath, a.frm.lblCMAPName.caption), colormap);
  EXPECT_EQ(mnuProjectSave_Click(a), SaveResult::Saved);
  EXPECT_EQ(readText(path("notes.txt")), notes);
  EXPECT_EQ(readText(path("p.mwj")),
            projectText(path("m.map"), path("d.prg"), path("t.prg"), path("c.prg")));
}

// A project file its folder keeps from being replaced is written in place; when
// a write fails part-way and the old bytes cannot be put back, the message says so.
TEST_F(Project, AProjectFileWrittenInPlaceThatCannotBePutBackAfterAFailureSaysItMayBeDamaged) {
  mkdir("locked");
  const std::string project = path("locked/p.mwj");
  writeText(project, projectText("/m.map", "/d.prg", "/t.prg", "/c.prg"));
  std::tie(a.st.ProjectName, a.st.ProjectPath, a.st.ProjectHasFile) =
      std::tuple("p.mwj", project, true);
  for (int member = 0; member < 4; ++member) prompts.answerSave("");  // every member untied
  prompts.answerMsgBox(vbOK);
  SetInPlaceStepHookForTesting([](InPlaceStep) { return false; });  // every step after the write
  {
    LockedFolder locked(path("locked"));
    EXPECT_EQ(mnuProjectSave_Click(a), SaveResult::Failed);
  }
  SetInPlaceStepHookForTesting(nullptr);
  EXPECT_EQ(prompts.lastMessage(),
            "Project Save Error | Cannot write Project file (" + project +
                ")!\nThe old file could not be put back as it was and may be damaged.");
}
