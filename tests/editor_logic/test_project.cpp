#include "editor/logic/ProjectCommands.h"
#include "editor/logic/ProjectFile.h"
#include "logic_fixture.h"

namespace {
class Project : public Started {
 protected:
  void tieAll() {
    tie(kDatamap, "w.map");
    tie(kDatatype, "w.type");
    tie(kTileset, "w.prg");
    tie(kColormap, "w.cmap");
  }
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
  std::vector<std::string> shown;
  for (const auto& p : prompts.shown()) shown.push_back(p.kind + " " + p.text);
  EXPECT_EQ(shown, (std::vector<std::string>{"InputBox Enter Mosaicwright Project Name",
                                             "Save Save Project", "Save Save Datamap",
                                             "Save Save Datatype", "Save Save Tileset",
                                             "Save Save Colormap"}));
  EXPECT_EQ(prompts.shown()[1].dialog.FileName, "Level1.mwj");
  EXPECT_EQ(readText(path("Level1.mwj")),
            projectText(path("m.map"), path("y.prg"), path("t.prg"), path("c.prg")));
  EXPECT_EQ(a.st.ProjectMRU[0], path("Level1.mwj"));

  prompts.clearShown();
  a.st.DatamapAt(0, 0) = 0x42;
  EXPECT_EQ(mnuProjectSave_Click(a), SaveResult::Saved);
  EXPECT_TRUE(prompts.shown().empty());
  EXPECT_EQ(readBytes(path("m.map"))[4], 0x42);
  // Save As offers the current name; the members keep their files.
  prompts.answerSave(path("second.mwj"));
  EXPECT_EQ(mnuProjectSaveAs_Click(a), SaveResult::Saved);
  ASSERT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(prompts.last().dialog.FileName, "Level1.mwj");
  EXPECT_EQ(std::tuple(a.st.ProjectPath, a.st.DatamapPath, a.st.ProjectMRU[1]),
            std::tuple(path("second.mwj"), path("m.map"), path("Level1.mwj")));
}

TEST_F(Project, ACancelledMemberIsRecordedEmptyAndNamedAfterTheProject) {
  // The derived name drops the last four characters of the project's file name.
  using Case = std::pair<const char*, std::string>;  // project file, datatype name
  for (auto [file, name] : {Case{"Level1.mwj", "TYPE.Level1.PRG"}, Case{"level1", "TYPE.le.PRG"},
                            Case{"ab", "TYPE..PRG"}}) {
    tie(kDatamap, "w.map");
    a.st.ProjectHasFile = a.st.TilesetHasFile = a.st.ColormapHasFile = a.st.DatatypeHasFile = false;
    prompts.answerSave(path(file))
        .answerSave("")
        .answerSave(path("t.prg"))
        .answerSave(path("c.prg"));
    EXPECT_EQ(mnuProjectSave_Click(a), SaveResult::Saved) << file;
    EXPECT_EQ(readText(path(file)), projectText(path("w.map"), "", path("t.prg"), path("c.prg")));
    EXPECT_EQ(std::tuple(a.st.DatatypeFile, a.st.DatatypePath, a.frm.lblTYPEName.caption),
              std::tuple(name, path(name), name));
    EXPECT_TRUE(!a.st.DatatypeHasFile && a.st.TilesetHasFile && a.st.ColormapHasFile) << file;
  }
}

TEST_F(Project, RefusalsChangeNoIdentity) {
  tieAll();
  prompts.answerSave(path("ok.mwj"));
  mnuProjectSave_Click(a);
  writeText(path("notes.mwj"), "[Other]\nMWRT=" + path("x.map") + "\n");
  a.st.ProjectMRU[3] = path("gone.mwj");
  const auto load = [&](const std::string& file) {
    prompts.answerOpen(file).answerMsgBox(vbOK);
    mnuProjectLoad_Click(a);
  };
  const auto name = [&](const std::string& answer) {
    prompts.answerInput(answer).answerMsgBox(vbOK);
    mnuProjectNew_Click(a);
  };
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[&] {
         prompts.answerMsgBox(vbOK);
         mnuMWJMRU_Click(a, 3);
       },
       "Project Load Error | Project file [" + path("gone.mwj") + "] does not exist!"},
      {[&] { load(folder.dir()); },
       "Project Load Error | Project file [" + folder.dir() + "] does not exist!"},
      {[&] { load(path("notes.mwj")); },
       "Project Load Error | Invalid Project File (" + path("notes.mwj") + ")!"},
      {[&] { name("../up"); }, "Mosaicwright Project Name | Invalid Project Name (../up)!"},
      {[&] { name("a\tb"); }, "Mosaicwright Project Name | Invalid Project Name (a\tb)!"},
  };
  for (const auto& [command, message] : cases) {
    const auto before = everything(a);
    prompts.clearShown();
    command();
    EXPECT_EQ(prompts.lastMessage(), message);
    EXPECT_EQ(prompts.last().style, vbCritical) << message;
    EXPECT_TRUE(everything(a) == before) << message;
    EXPECT_TRUE(a.frm.picMap.enabled) << message;
  }
}

TEST_F(Project, AProjectFileWithWindowsLineEndsAndUpperCaseKeysLoadsEveryMember) {
  writeBytes(path("m.prg"), padded({0x00, 0x40, 40, 25}, 32772, 7));
  writeBytes(path("t.prg"), Bytes(32768, 3));
  writeBytes(path("c.prg"), padded({0x00, 0x30}, 2050, 0xFF));
  writeBytes(path("k.prg"), padded({0x00, 0xC0}, 258, 5));
  writeText(path("level.mwj"), "[FILES]\r\nmwrt=" + path("m.prg") + "\r\nType = " + path("t.prg") +
                                   "\r\nTILE=" + path("c.prg") + "\r\nCmap=" + path("k.prg") +
                                   "\r\n");
  EXPECT_TRUE(LoadProject(a, path("level.mwj")));
  EXPECT_TRUE(prompts.shown().empty());
  EXPECT_EQ(a.st.ColormapPath, path("k.prg"));  // no CR left on the value
  EXPECT_TRUE(a.st.DatamapHasFile && a.st.DatatypeHasFile && a.st.TilesetHasFile &&
              a.st.ColormapHasFile && a.st.ProjectHasFile);
  EXPECT_EQ(std::tuple(a.st.MapWidth, a.st.DatatypeMap[100]), std::tuple(int16_t(40), uint8_t(3)));
  // The map shows tile 7 drawn with the project's tileset (all set) in colour 5.
  EXPECT_EQ(a.frm.picMap.pixel(0, 0), a.st.Palette[5]);
}

TEST_F(Project, MissingMembersAreReportedTogetherAndKeepTheirData) {
  writeText(path("level.mwj"), projectText("", path("gone.type"), path("gone.tile"), ""));
  a.st.DatatypeMap[5] = 9;
  prompts.answerMsgBox(vbOK);
  LoadProject(a, path("level.mwj"));
  EXPECT_EQ(prompts.lastMessage(), "Project Load Error | \nDatatype file (" + path("gone.type") +
                                       ") NOT FOUND!\nTileset file (" + path("gone.tile") +
                                       ") NOT FOUND!");
  EXPECT_EQ(a.st.DatatypeMap[5], 9);
  EXPECT_EQ(a.st.DatatypeFile, "gone.type");
  EXPECT_EQ(a.frm.lblTYPEName.caption, "TYPE.Blank.PRG");
  EXPECT_EQ(a.st.DatamapPath + a.st.DatamapFile, "");  // an empty key loads nothing
}

TEST_F(Project, WritingIntoAnExistingFileKeepsEveryOtherLine) {
  writeText(path("old.mwj"),
            "; mine\r\n[Notes]\r\nby=me\r\n[Files]\r\nTILE=old\r\nExtra=1\r\n"
            "\r\n[More]\r\nx=y\r\n");
  EXPECT_TRUE(WriteProjectFile({"/m", "/y", "/t", "/k"}, path("old.mwj")));
  EXPECT_EQ(readText(path("old.mwj")),
            "; mine\r\n[Notes]\r\nby=me\r\n[Files]\r\nTILE=/t\r\nExtra=1\r\nMWRT=/m\r\nTYPE=/y\r\n"
            "CMAP=/k\r\n\r\n[More]\r\nx=y\r\n");
  // A path the file cannot hold on one line writes none of the four.
  EXPECT_FALSE(WriteProjectFile({"/a", "/b\nTILE=/x", "/c", "/d"}, path("old.mwj")));
  EXPECT_EQ(readText(path("old.mwj")).find("/a"), std::string::npos);
}
