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
  // Directory entry k of sector 18/4 (the first four files after the art) and its file.
  static Bytes entryAt(const Bytes& image, int k) { return bytesAt(image, 18, 4, 32 * k, 32); }
  static Bytes fileOf(const Bytes& image, int k) {
    const Bytes e = entryAt(image, k);
    return fileFrom(image, e[3], e[4]);
  }
};

}  // namespace

TEST_F(D64ExportCommand, TheStartUpProjectBecomesBlankD64ByteForByte) {
  exportTo(path("Blank.D64"));
  EXPECT_EQ(prompts.lastMessage(),
            "D64 File Export Complete | Project files exported to " + path("Blank.D64"));
  EXPECT_EQ(prompts.last().style, vbInformation);
  const Bytes image = readBytes(path("Blank.D64"));
  ASSERT_EQ(image.size(), 174848u);
  // Disk name, two $A0, ID "00", $A0, DOS type "1A", four $A0.
  EXPECT_EQ(bytesAt(image, 18, 0, 0x90, 27),
            padded({'B', 'L', 'A', 'N', 'K'}, 18, 0xA0) +
                Bytes({'0', '0', 0xA0, '1', 'A', 0xA0, 0xA0, 0xA0, 0xA0}));
  EXPECT_EQ(bytesAt(image, 18, 4, 0, 256), entry({0x00, 0xFF, 0x82, 17, 0}, "MWRT.BLANK", 130) +
                                               entry({0x00, 0x00, 0x82, 19, 0}, "TYPE.BLANK", 130) +
                                               entry({0x00, 0x00, 0x82, 25, 0}, "TILE.BLANK", 9) +
                                               entry({0x00, 0x00, 0x82, 11, 1}, "CMAP.BLANK", 2) +
                                               Bytes(128, 0));
  EXPECT_EQ(bamEntry(image, 11), (Bytes{0x0F, 0xFC, 0xF1, 0x0F}));
  EXPECT_EQ(bamEntry(image, 18), (Bytes{0x10, 0xEC, 0xFF, 0x07}));
  EXPECT_EQ(bamEntry(image, 26), (Bytes{0x0B, 0xAB, 0xAE, 0x02}));
  EXPECT_EQ(fileOf(image, 0), padded({0x00, 0x00, 0xFF, 0x7F}, 32772, 0x00));
  EXPECT_EQ(fileOf(image, 3), padded({0x3D, 0x32}, 258, 0x01));
}

TEST_F(D64ExportCommand, EveryEntryHoldsWhatItsSaverWritesAndTheExportChangesNothingElse) {
  // Documents tied to files of the program folder, edited since; two of one name.
  for (auto [kind, name] : {std::pair{kDatamap, "same.prg"}, std::pair{kDatatype, "same.prg"},
                            std::pair{kTileset, "font.chr"}, std::pair{kColormap, "ink.prg"}}) {
    writeBytes(path(name), Bytes{0xEE});
    tie(kind, name);
    Identity(a.st, kind).mru[0] = path(name);
  }
  a.st.LoadAddrHi = 0x38;
  a.st.MapWidth = 40;
  a.st.MapHeight = 25;
  a.st.DatamapAt(39, 24) = 0x41;
  a.st.DatatypeAt(2, 1) = 0x07;
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
  struct Row {
    std::string projectName, projectPath, proposed, initDir;
    Bytes diskName;  // BAM bytes $90-$94
  };
  const Row rows[] = {
      {"mine.mwj", path("games/mine.mwj"), "mine.D64", path("games"), {'M', 'I', 'N', 'E', 0xA0}},
      // A folder gone since the project was loaded: the program's folder.
      {"Zap-a.mwj", path("gone/Zap-a.mwj"), "Zap-a.D64", folder.dir(), {'Z', 'A', 'P', '-', 'A'}},
      // Four characters or fewer, counted as letters, not as UTF-8 bytes: no name.
      {"Süß", path("Süß"), ".D64", folder.dir(), {0xA0, 0xA0, 0xA0, 0xA0, 0xA0}},
  };
  for (const Row& r : rows) {
    a.st.ProjectName = r.projectName;
    a.st.ProjectPath = r.projectPath;
    exportTo(path("disk.d64"));
    const CommonDialog& d = prompts.shown().front().dialog;
    EXPECT_EQ(std::tuple(d.FileName, d.InitDir), std::tuple(r.proposed, r.initDir));
    EXPECT_EQ(bytesAt(readBytes(path("disk.d64")), 18, 0, 0x90, 5), r.diskName) << r.projectName;
  }
  const std::set<QString> files = folderFiles();
  exportTo("");  // Cancel: no message, no file
  EXPECT_EQ(prompts.pending(), 1u);
  EXPECT_EQ(folderFiles(), files);
}

TEST_F(D64ExportCommand, RefusedExportsSayWhyAndLeaveTheTargetAsItWas) {
  using Row = std::pair<std::string, std::string>;  // tileset name, message
  for (const auto& [tileset, message] :
       {// A bitmap tileset alone takes 775 blocks.
        Row{"sheet.bmp",
            "The files do not fit on one disk: they take 1037 blocks, the disk has 664 free."},
        Row{"font.png", "Invalid Tileset Type (font.png) must be (PRG, CHR or BMP)"},
        Row{"", "Invalid Tileset Type () must be (PRG, CHR or BMP)"}}) {
    writeBytes(path("keep.d64"), Bytes{'o', 'l', 'd'});
    a.st.TilesetFile = tileset;
    exportTo(path("keep.d64"));
    ASSERT_EQ(prompts.shown().size(), 2u) << tileset;
    EXPECT_EQ(prompts.lastMessage(), "D64 Export Error | " + message);
    EXPECT_EQ(prompts.last().style, vbCritical) << tileset;
    EXPECT_EQ(readBytes(path("keep.d64")), (Bytes{'o', 'l', 'd'})) << tileset;
  }
}
