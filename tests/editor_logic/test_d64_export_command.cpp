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

TEST_F(D64ExportCommand, TheStartUpProjectBecomesBlankD64ByteForByte) {
  exportTo(path("Blank.D64"));
  EXPECT_EQ(prompts.lastMessage(),
            "D64 File Export Complete | Project files exported to " + path("Blank.D64"));
  EXPECT_EQ(prompts.last().style, vbInformation);
  const Bytes image = readBytes(path("Blank.D64"));
  // Free blocks and their bits, tracks 1 to 35: files take blocks ten sectors apart,
  // outwards from track 18 (the datamap from 17/0 down, the datatype from 19/0 up).
  Bytes bam{18, 1, 0x41, 0x00};  // the directory's first sector, DOS version 'A', one side
  for (int t = 1; t <= 35; ++t)
    bam = bam + (t <= 10 ? Bytes{0x15, 0xFF, 0xFF, 0x1F} : t == 11 ? Bytes{0x0F, 0xFC, 0xF1, 0x0F}
                 : t == 18 ? Bytes{0x10, 0xEC, 0xFF, 0x07} : t == 26 ? Bytes{0x0B, 0xAB, 0xAE, 0x02}
                 : t <= 25 ? Bytes(4, 0) : t <= 30 ? Bytes{0x12, 0xFF, 0xFF, 0x03}
                           : Bytes{0x11, 0xFF, 0xFF, 0x01});
  EXPECT_EQ(bytesAt(image, 18, 0, 0, 144), bam);
  const char* art[8] = {
      "\x75\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\x69",
      "\xDD MOSAICWRIGHT \xDD", "\xDD" "EXPORTED FILES" "\xDD",
      "\xAB\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xB3", "bx BY TAMBLIX xb",
      "\xDD OSTREL FORGE \xDD", "\xDD C64 TILE MAPS\xDD",
      "\x6A\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\x6B",
  };
  Bytes first;  // DEL entries of 0 blocks, the first linking to 18/4
  for (int k = 0; k < 8; ++k)
    first = first + entry({uint8_t(k ? 0 : 18), uint8_t(k ? 0 : 4), 0x80, 0, 0}, art[k], 0);
  EXPECT_EQ(bytesAt(image, 18, 1, 0, 256), first);
  // Disk name, two $A0, ID "00", $A0, DOS type "1A", four $A0.
  EXPECT_EQ(bytesAt(image, 18, 0, 0x90, 27),
            padded({'B', 'L', 'A', 'N', 'K'}, 18, 0xA0) +
                Bytes({'0', '0', 0xA0, '1', 'A', 0xA0, 0xA0, 0xA0, 0xA0}));
  EXPECT_EQ(bytesAt(image, 18, 4, 0, 128), entry({0x00, 0xFF, 0x82, 17, 0}, "MWRT.BLANK", 130) +
                                               entry({0x00, 0x00, 0x82, 19, 0}, "TYPE.BLANK", 130) +
                                               entry({0x00, 0x00, 0x82, 25, 0}, "TILE.BLANK", 9) +
                                               entry({0x00, 0x00, 0x82, 11, 1}, "CMAP.BLANK", 2));
  EXPECT_EQ(fileOf(image, 3), padded({0x3D, 0x32}, 258, 1));  // the colormap: $323D, colour 1
  EXPECT_EQ(bytesAt(image, 25, 0, 2, 2), (Bytes{0x00, 0x70}));  // the tileset: none read, $7000
}

TEST_F(D64ExportCommand, EveryEntryHoldsWhatItsSaverWritesAndTheExportChangesNothingElse) {
  // Documents tied to files of the program folder, edited since; two of one name.
  for (auto [kind, name] : {std::pair{kDatamap, "same.prg"}, std::pair{kDatatype, "same.prg"},
                            std::pair{kTileset, "font.prg"}, std::pair{kColormap, "ink.prg"}}) {
    writeBytes(path(name), Bytes{0xEE});
    tie(kind, name);
  }
  a.st.LoadAddrHi = 0x38;  // where the datamap and the tileset load: $3800, no stand-in
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
  EXPECT_EQ(readBytes(path("same.prg")) + readBytes(path("font.prg")) + readBytes(path("ink.prg")),
            Bytes(3, 0xEE));

  const Bytes image = readBytes(path("out.d64"));
  EXPECT_EQ(bytesAt(image, 18, 4, 32 + 5, 16), bytesAt(image, 18, 4, 5, 16));  // both "SAME"
  QTemporaryDir saved;
  const auto saverWrites = [&](bool (*save)(App&, const std::string&), const char* name) {
    const std::string file = saved.filePath(name).toStdString();
    return save(a, file) ? readBytes(file) : Bytes{};
  };
  EXPECT_EQ(fileOf(image, 0), saverWrites(SaveDatamap, "same.prg"));
  EXPECT_EQ(fileOf(image, 1), saverWrites(SaveDatatype, "same.prg"));
  EXPECT_EQ(fileOf(image, 3), saverWrites(SaveColormap, "ink.prg"));
  const Bytes font = saverWrites(SaveTileset, "font.prg");
  EXPECT_EQ(font[2 + 8 * 33], 0x40);  // the stamped pixel is saved, and exported
  EXPECT_EQ(fileOf(image, 2), font);
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
