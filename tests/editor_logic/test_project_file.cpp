#include "editor/logic/ProjectFile.h"
#include "support/TestApp.h"

namespace {
class ProjectFile : public AppTest {
 protected:
  ProjectFile() { startUp(); }
  void writeProject(const std::string& mwrt, const std::string& type, const std::string& tile,
                    const std::string& cmap) {
    writeText(path("level.mwj"), "[Files]\nMWRT=" + mwrt + "\nTYPE=" + type + "\nTILE=" + tile +
                                     "\nCMAP=" + cmap + "\n");
  }
};
}  // namespace

TEST_F(ProjectFile, AProjectWhoseFilesExistLoadsAllFourWithoutAMessage) {
  std::vector<uint8_t> map{0x00, 0x40, 40, 25};
  map.resize(32772, 7);
  writeBytes(path("m.prg"), map);
  writeBytes(path("t.prg"), std::vector<uint8_t>(32768, 3));
  std::vector<uint8_t> tiles{0x00, 0x30};
  tiles.resize(2050, 0xFF);
  writeBytes(path("c.prg"), tiles);
  std::vector<uint8_t> colours{0x00, 0xC0};
  colours.resize(258, 5);
  writeBytes(path("k.prg"), colours);
  writeProject(path("m.prg"), path("t.prg"), path("c.prg"), path("k.prg"));

  LoadProject(a, path("level.mwj"));
  EXPECT_EQ(prompts.shown().size(), 0u);
  EXPECT_EQ(a.st.MapWidth, 40);
  EXPECT_EQ(a.st.DatatypeMap[100], 3);
  EXPECT_EQ(a.st.Colormap[1], 0xC0);
  EXPECT_TRUE(a.st.DatamapHasFile && a.st.DatatypeHasFile && a.st.TilesetHasFile &&
              a.st.ColormapHasFile && a.st.ProjectHasFile);
  // The map shows tile 7 drawn with the project's tileset (all set) in colour 5.
  EXPECT_EQ(a.frm.picMap.pixel(0, 0), a.st.Palette[5]);
  EXPECT_EQ(a.frm.lblProject.caption, "Project - level.mwj");
  EXPECT_EQ(a.st.ProjectMRU[0], path("level.mwj"));
}

TEST_F(ProjectFile, MissingMembersAreReportedTogetherAndKeepTheirData) {
  writeProject("", path("gone.type"), path("gone.tile"), "");
  a.st.DatatypeMap[5] = 9;
  prompts.answerMsgBox(vbOK);
  LoadProject(a, path("level.mwj"));
  EXPECT_EQ(prompts.last().text, "\nDatatype file (" + path("gone.type") + ") NOT FOUND!\nTileset file (" +
                                     path("gone.tile") + ") NOT FOUND!");
  EXPECT_EQ(prompts.last().title, "Project Load Error");
  EXPECT_EQ(a.st.DatatypeMap[5], 9);
  EXPECT_EQ(a.st.DatatypeFile, "gone.type");
  EXPECT_EQ(a.frm.lblTYPEName.caption, "TYPE.Blank.PRG");
  // An empty key empties the member's name and path and loads nothing.
  EXPECT_EQ(a.st.DatamapPath, "");
  EXPECT_EQ(a.st.DatamapFile, "");
}

TEST_F(ProjectFile, AFileWithWindowsLineEndsAndUpperCaseNamesLoads) {
  std::vector<uint8_t> colours{0x00, 0xC0};
  colours.resize(258, 5);
  writeBytes(path("k.prg"), colours);
  writeText(path("level.mwj"), "[FILES]\r\nmwrt=\r\nCmap = " + path("k.prg") + "\r\n");
  EXPECT_TRUE(LoadProject(a, path("level.mwj")));
  EXPECT_EQ(a.st.ColormapPath, path("k.prg"));  // no CR left on the value
  EXPECT_TRUE(a.st.ColormapHasFile);
  EXPECT_EQ(a.st.Colormap[2], 5);
}

TEST_F(ProjectFile, ANewFileHoldsTheSectionAndTheFourKeysInOrder) {
  EXPECT_TRUE(WriteProjectFile({"/m/a.map", "", "/t/c.chr", "/k/d.prg"}, path("new.mwj")));
  EXPECT_EQ(readText(path("new.mwj")),
            "[Files]\nMWRT=/m/a.map\nTYPE=\nTILE=/t/c.chr\nCMAP=/k/d.prg\n");
}

TEST_F(ProjectFile, WritingIntoAnExistingFileKeepsEveryOtherLine) {
  writeText(path("old.mwj"), "; mine\r\n[Notes]\r\nby=me\r\n[Files]\r\nTILE=old\r\nExtra=1\r\n"
                             "\r\n[More]\r\nx=y\r\n");
  EXPECT_TRUE(WriteProjectFile({"/m", "/y", "/t", "/k"}, path("old.mwj")));
  EXPECT_EQ(readText(path("old.mwj")),
            "; mine\r\n[Notes]\r\nby=me\r\n[Files]\r\nTILE=/t\r\nExtra=1\r\nMWRT=/m\r\nTYPE=/y\r\n"
            "CMAP=/k\r\n\r\n[More]\r\nx=y\r\n");
  // A path the file cannot hold on one line writes none of the four.
  EXPECT_FALSE(WriteProjectFile({"/a", "/b\nTILE=/x", "/c", "/d"}, path("old.mwj")));
  EXPECT_EQ(readText(path("old.mwj")).find("/a"), std::string::npos);
}
