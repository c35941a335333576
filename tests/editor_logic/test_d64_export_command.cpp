#include <set>

#include "d64/d64_support.h"
#include "editor/logic/D64Export.h"
#include "logic_fixture.h"

using namespace d64test;

namespace {

class D64ExportCommand : public Started {
 protected:
  // The export with the dialog answered by `target` and every message box by OK.
  void exportTo(const std::string& target) {
    prompts.clearShown();
    prompts.answerSave(target).answerMsgBox(vbOK);
    mnuD64Extract_Click(a);
  }
  std::set<QString> folderFiles() const {
    const QStringList names = QDir(QString::fromStdString(folder.dir())).entryList(QDir::Files);
    return {names.begin(), names.end()};
  }
  // The file of directory entry k of sector 18/4, where the four documents follow the art.
  static Bytes fileOf(const Bytes& image, int k) {
    const Bytes ts = bytesAt(image, 18, 4, 32 * k + 3, 2);
    return fileFrom(image, ts[0], ts[1]);
  }
};

}  // namespace

TEST_F(D64ExportCommand, TheStartUpProjectBecomesBlankD64WithItsDirectoryByteForByte) {
  exportTo(path("Blank.D64"));
  EXPECT_EQ(prompts.lastMessage(),
            "D64 File Export Complete | Project files exported to " + path("Blank.D64"));
  EXPECT_EQ(prompts.last().style, vbInformation);
  const Bytes image = readBytes(path("Blank.D64"));
  // Disk name, two $A0, ID "00", $A0, DOS type "1A", four $A0.
  EXPECT_EQ(bytesAt(image, 18, 0, 0x90, 27),
            padded({'B', 'L', 'A', 'N', 'K'}, 18, 0xA0) +
                Bytes({'0', '0', 0xA0, '1', 'A', 0xA0, 0xA0, 0xA0, 0xA0}));
  EXPECT_EQ(bytesAt(image, 18, 4, 0, 128), entry({0x00, 0xFF, 0x82, 17, 0}, "MWRT.BLANK", 130) +
                                               entry({0x00, 0x00, 0x82, 19, 0}, "TYPE.BLANK", 130) +
                                               entry({0x00, 0x00, 0x82, 25, 0}, "TILE.BLANK", 9) +
                                               entry({0x00, 0x00, 0x82, 11, 1}, "CMAP.BLANK", 2));
}

TEST_F(D64ExportCommand, EveryEntryHoldsWhatItsSaverWritesAndTheExportChangesNothingElse) {
  // Documents tied to files of the program folder, edited since; two of one name.
  for (auto [kind, name] : {std::pair{kDatamap, "same.prg"}, std::pair{kDatatype, "same.prg"},
                            std::pair{kTileset, "font.chr"}, std::pair{kColormap, "ink.prg"}}) {
    writeBytes(path(name), Bytes{0xEE});
    tie(kind, name);
  }
  a.st.LoadAddrHi = 0x38;
  a.st.DatamapAt(39, 24) = 0x41;
  a.st.Colormap[2 + 9] = 0;  // written as colour 1, while the document keeps its 0
  // A pixel stamped onto the sheet (tile 33) that the tile bytes do not hold yet.
  a.frm.picTileView.setPixel(16 + 2, 16, a.st.Palette[1]);
  const auto before = everything(a);
  std::set<QString> files = folderFiles();
  files.insert("out.d64");

  exportTo(path("out.d64"));
  ASSERT_EQ(prompts.last().title, "D64 File Export Complete");
  EXPECT_TRUE(everything(a) == before);
  EXPECT_EQ(folderFiles(), files);  // no staged file left, no document file touched
  EXPECT_EQ(readBytes(path("same.prg")) + readBytes(path("font.chr")) + readBytes(path("ink.prg")),
            Bytes(3, 0xEE));

  const Bytes image = readBytes(path("out.d64"));
  const auto name = [&](int k) { return bytesAt(image, 18, 4, 32 * k + 5, 16); };
  EXPECT_EQ(name(0), padded({'S', 'A', 'M', 'E'}, 16, 0xA0));
  EXPECT_EQ(name(1), name(0));
  QTemporaryDir saved;
  const auto saverWrites = [&](bool (*save)(App&, const std::string&), const char* name) {
    const std::string file = saved.filePath(name).toStdString();
    return save(a, file) ? readBytes(file) : Bytes{};
  };
  EXPECT_EQ(fileOf(image, 0), saverWrites(SaveDatamap, "same.prg"));
  EXPECT_EQ(fileOf(image, 1), saverWrites(SaveDatatype, "same.prg"));
  EXPECT_EQ(fileOf(image, 3), saverWrites(SaveColormap, "ink.prg"));
  const Bytes font = saverWrites(SaveTileset, "font.chr");
  EXPECT_EQ(font[8 * 33], 0x40);  // the stamped pixel is saved, and exported
  EXPECT_EQ(fileOf(image, 2), font);
}

TEST_F(D64ExportCommand, TheDialogProposesTheProjectNameInTheProjectFolder) {
  mkdir("games");
  // project name and path, the file name and folder proposed, disk name (BAM bytes $90-$94)
  const std::tuple<std::string, std::string, std::string, std::string, Bytes> rows[] = {
      {"mine.mwj", path("games/mine.mwj"), "mine.D64", path("games"), {'M', 'I', 'N', 'E', 0xA0}},
      // A folder gone since the project was loaded: the program's folder.
      {"Zap-a.mwj", path("gone/Zap-a.mwj"), "Zap-a.D64", folder.dir(), {'Z', 'A', 'P', '-', 'A'}},
  };
  for (const auto& [name, project, proposed, initDir, diskName] : rows) {
    a.st.ProjectName = name;
    a.st.ProjectPath = project;
    exportTo(path("disk.d64"));
    const CommonDialog& d = prompts.shown().front().dialog;
    EXPECT_EQ(std::tuple(d.FileName, d.InitDir), std::tuple(proposed, initDir));
    EXPECT_EQ(bytesAt(readBytes(path("disk.d64")), 18, 0, 0x90, 5), diskName) << name;
  }
}

TEST_F(D64ExportCommand, RefusedExportsSayWhyAndLeaveTheTargetAsItWas) {
  using Row = std::pair<std::string, std::string>;  // tileset name, message
  for (const auto& [tileset, message] :
       {// A bitmap tileset alone takes 775 blocks.
        Row{"sheet.bmp",
            "The files do not fit on one disk: they take 1037 blocks, the disk has 664 free."},
        Row{"font.png", "Invalid Tileset Type (font.png) must be (PRG, CHR or BMP)"}}) {
    writeBytes(path("keep.d64"), Bytes{'o', 'l', 'd'});
    a.st.TilesetFile = tileset;
    exportTo(path("keep.d64"));
    ASSERT_EQ(prompts.shown().size(), 2u) << tileset;
    EXPECT_EQ(prompts.lastMessage(), "D64 Export Error | " + message);
    EXPECT_EQ(prompts.last().style, vbCritical) << tileset;
    EXPECT_EQ(readBytes(path("keep.d64")), (Bytes{'o', 'l', 'd'})) << tileset;
  }
}
