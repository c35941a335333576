#include <QDir>
#include <set>

#include "d64/d64_support.h"
#include "editor/logic/D64Export.h"
#include "editor/logic/DocumentFiles.h"
#include "model/Formats.h"
#include "support/DocumentFilesHelpers.h"
#include "support/TestApp.h"

using namespace d64test;

namespace {

class D64ExportCommand : public AppTest {
 protected:
  void SetUp() override { startUp(); }

  // The export with the dialog answered by `target` and every message box by OK.
  void exportTo(const std::string& target) {
    prompts.answerSave(target).answerMsgBox(vbOK);
    mnuD64Extract_Click(a);
  }
  // The program folder's files, by name.
  std::set<std::string> folderFiles() const {
    std::set<std::string> names;
    for (const QString& n : QDir(QString::fromStdString(folder.dir())).entryList(QDir::Files))
      names.insert(n.toStdString());
    return names;
  }
  const ScriptedPrompts::Shown& dialog() const { return prompts.shown().front(); }
};

Bytes withHeader(Bytes head, size_t size, uint8_t fill) {
  head.resize(size, fill);
  return head;
}

// Everything the export must leave as it was: identities, labels, recent
// lists, the selection and the documents' bytes.
std::string snapshot(App& a) {
  std::string s;
  for (int kind : {kProject, kDatamap, kDatatype, kTileset, kColormap}) {
    DocIdentity id = Identity(a.st, kind);
    s += id.name + "|" + id.path + "|" + std::to_string(id.hasFile) + "|";
    for (const std::string& m : id.mru) s += m + ";";
  }
  for (const Label* l : {&a.frm.lblProject, &a.frm.lblMapName, &a.frm.lblTYPEName,
                         &a.frm.lblTileName, &a.frm.lblCMAPName})
    s += l->caption + "|" + l->tooltip + "|";
  const ProgramState& st = a.st;
  s += std::to_string(TileUnder(a.frm.shpTileSelected)) + "|" + std::to_string(st.LoadAddrLo) +
       std::to_string(st.LoadAddrHi) + std::to_string(st.MapWidthByte) +
       std::to_string(st.MapHeightByte) + std::to_string(st.MapSizeX) +
       std::to_string(st.MapSizeY) + "|";
  s.append(st.Datamap.begin(), st.Datamap.end());
  s.append(st.DatatypeMap.begin(), st.DatatypeMap.end());
  s.append(st.Colormap.begin(), st.Colormap.end());
  s.append(st.TileBytes.begin(), st.TileBytes.end());
  const QImage& data = a.frm.picTileData.image();
  s.append(reinterpret_cast<const char*>(data.constBits()), size_t(data.sizeInBytes()));
  return s;
}

}  // namespace

TEST_F(D64ExportCommand, TheStartUpProjectBecomesBlankD64InTheProjectFolder) {
  exportTo(path("Blank.D64"));
  const CommonDialog& d = dialog().dialog;
  EXPECT_EQ(dialog().kind, "Save");
  EXPECT_EQ(d.DialogTitle, "Export To D64");
  EXPECT_EQ(d.InitDir, folder.dir());
  EXPECT_EQ(d.FileName, "Blank.D64");
  EXPECT_EQ(d.Filter, "D64 Files (*.d64 *.D64)|*.d64;*.D64");
  EXPECT_EQ(d.Flags, 6);
  EXPECT_EQ(prompts.last().text, "Project files exported to " + path("Blank.D64"));
  EXPECT_EQ(prompts.last().title, "D64 File Export Complete");
  EXPECT_EQ(prompts.last().style, vbInformation);

  const Bytes image = readBytes(path("Blank.D64"));
  ASSERT_EQ(image.size(), 174848u);
  // Disk name, two $A0, ID "00", $A0, DOS type "1A", four $A0.
  EXPECT_EQ(bytesAt(image, 18, 0, 0x90, 27),
            withHeader({'B', 'L', 'A', 'N', 'K'}, 18, 0xA0) +
                Bytes({'0', '0', 0xA0, '1', 'A', 0xA0, 0xA0, 0xA0, 0xA0}));
  EXPECT_EQ(bytesAt(image, 18, 4, 0, 256), entry({0x00, 0xFF, 0x82, 17, 0}, "MWRT.BLANK", 130) +
                                               entry({0x00, 0x00, 0x82, 19, 0}, "TYPE.BLANK", 130) +
                                               entry({0x00, 0x00, 0x82, 25, 0}, "TILE.BLANK", 9) +
                                               entry({0x00, 0x00, 0x82, 11, 1}, "CMAP.BLANK", 2) +
                                               Bytes(128, 0));
  const std::vector<Listed> listed = kListedArt + std::vector<Listed>{{130, "mwrt.blank", "prg"},
                                                                      {130, "type.blank", "prg"},
                                                                      {9, "tile.blank", "prg"},
                                                                      {2, "cmap.blank", "prg"}};
  expectImage(path("Blank.D64"), "blank           ", listed, 393,
              {{"mwrt.blank", withHeader({0x00, 0x00, 0xFF, 0x7F}, 32772, 0x00)},
               {"type.blank", Bytes(32768, 0x00)},
               {"tile.blank", withHeader({0x00, 0x70}, 2050, 0x00)},
               {"cmap.blank", withHeader({0x3D, 0x32}, 258, 0x01)}});
}

TEST_F(D64ExportCommand, EveryEntryHoldsWhatItsSaverWritesAndTheExportChangesNothingElse) {
  // Documents tied to files of the program folder, edited since.
  for (auto [kind, name] : {std::pair{kDatamap, "level1.map"}, std::pair{kDatatype, "tags.prg"},
                            std::pair{kTileset, "font.chr"}, std::pair{kColormap, "ink.prg"}}) {
    writeBytes(path(name), Bytes{0xEE});
    DocIdentity id = Identity(a.st, kind);
    id.name = name;
    id.path = path(name);
    id.hasFile = true;
    id.mru[0] = path(name);
  }
  a.st.LoadAddrHi = 0x38;
  a.st.MapWidth = 40;
  a.st.MapHeight = 25;
  a.st.DatamapAt(39, 24) = 0x41;
  a.st.DatatypeAt(2, 1) = 0x07;
  a.st.Colormap[2 + 9] = 0;  // written as colour 1, while the document keeps its 0
  // A pixel stamped onto the sheet (tile 33) that picTileData does not hold yet.
  a.frm.picTileView.setPixel(16 + 2, 16, a.st.Palette[1]);
  const std::string before = snapshot(a);
  std::set<std::string> files = folderFiles();

  exportTo(path("out.d64"));
  ASSERT_EQ(prompts.last().title, "D64 File Export Complete");
  EXPECT_EQ(snapshot(a), before);
  EXPECT_EQ(a.st.Colormap[2 + 9], 0);
  files.insert("out.d64");
  EXPECT_EQ(folderFiles(), files);
  for (const char* name : {"level1.map", "tags.prg", "font.chr", "ink.prg"})
    EXPECT_EQ(readBytes(path(name)), Bytes{0xEE}) << name;

  QTemporaryDir saved;
  const auto savedPath = [&](const char* n) { return saved.filePath(n).toStdString(); };
  ASSERT_TRUE(SaveDatamap(a, savedPath("level1.map")));
  ASSERT_TRUE(SaveDatatype(a, savedPath("tags.prg")));
  ASSERT_TRUE(SaveTileset(a, savedPath("font.chr")));
  ASSERT_TRUE(SaveColormap(a, savedPath("ink.prg")));
  const Bytes font = readBytes(savedPath("font.chr"));
  ASSERT_EQ(font.size(), 2048u);
  EXPECT_EQ(font[8 * 33], 0x40);  // the stamped pixel is saved, and exported
  expectImage(path("out.d64"), "blank           ",
              kListedArt + std::vector<Listed>{{130, "level1", "prg"},
                                               {130, "tags", "prg"},
                                               {9, "font", "prg"},
                                               {2, "ink", "prg"}},
              393,
              {{"level1", readBytes(savedPath("level1.map"))},
               {"tags", readBytes(savedPath("tags.prg"))},
               {"font", font},
               {"ink", readBytes(savedPath("ink.prg"))}});
}

TEST_F(D64ExportCommand, TheDialogProposesTheProjectNameInTheProjectFolder) {
  QDir(QString::fromStdString(folder.dir())).mkdir("games");
  struct Row {
    std::string projectName, projectPath, proposed, initDir;
    Bytes diskName;  // BAM bytes $90-$94
  };
  const Row rows[] = {
      {"mine.mwj", path("games/mine.mwj"), "mine.D64", path("games"), {'M', 'I', 'N', 'E', 0xA0}},
      // A folder gone since the project was loaded: the program's folder.
      {"Zap-a.mwj", path("gone/Zap-a.mwj"), "Zap-a.D64", folder.dir(), {'Z', 'A', 'P', '-', 'A'}},
      {"Grün.mwj", path("Grün.mwj"), "Grün.D64", folder.dir(), {'G', 'R', '?', 'N', 0xA0}},
      // Four characters or fewer, counted as letters, not as UTF-8 bytes: no name.
      {"Süß", path("Süß"), ".D64", folder.dir(), {0xA0, 0xA0, 0xA0, 0xA0, 0xA0}},
  };
  for (const Row& r : rows) {
    a.st.ProjectName = r.projectName;
    a.st.ProjectPath = r.projectPath;
    prompts.clearShown();
    exportTo(path("disk.d64"));
    EXPECT_EQ(dialog().dialog.FileName, r.proposed);
    EXPECT_EQ(dialog().dialog.InitDir, r.initDir);
    EXPECT_EQ(bytesAt(readBytes(path("disk.d64")), 18, 0, 0x90, 5), r.diskName) << r.projectName;
  }
  // Cancel: no message, no file.
  const std::set<std::string> files = folderFiles();
  prompts.clearShown();
  prompts.answerSave("");
  mnuD64Extract_Click(a);
  EXPECT_EQ(prompts.shown().size(), 1u);
  EXPECT_EQ(folderFiles(), files);
}

TEST_F(D64ExportCommand, TwoDocumentsOfOneFileNameGiveTwoEntriesWithTheirOwnBytes) {
  a.st.DatamapFile = a.st.DatatypeFile = "same.prg";
  a.st.DatamapAt(0, 0) = 0x55;
  exportTo(path("same.d64"));
  const Bytes image = readBytes(path("same.d64"));
  const Bytes datamap = bytesAt(image, 18, 4, 0, 32), datatype = bytesAt(image, 18, 4, 32, 32);
  EXPECT_EQ(Bytes(datamap.begin() + 5, datamap.begin() + 9), (Bytes{'S', 'A', 'M', 'E'}));
  EXPECT_EQ(Bytes(datatype.begin() + 5, datatype.begin() + 21),
            Bytes(datamap.begin() + 5, datamap.begin() + 21));
  EXPECT_EQ(fileFrom(image, datamap[3], datamap[4]),
            withHeader({0x00, 0x00, 0xFF, 0x7F, 0x55}, 32772, 0x00));
  EXPECT_EQ(fileFrom(image, datatype[3], datatype[4]), Bytes(32768, 0x00));
}

TEST_F(D64ExportCommand, RefusedOrFailedExportsLeaveTheTargetAsItWas) {
  const std::string target = path("keep.d64");
  struct Row {
    const char* what;
    std::function<void()> setUp;
    std::string target, message;
  };
  const Row rows[] = {
      // A bitmap tileset alone takes 775 blocks.
      {"too large", [&] { a.st.TilesetFile = "sheet.bmp"; }, target,
       "The files do not fit on one disk: they take 1037 blocks, the disk has 664 free."},
      {"no tileset form", [&] { a.st.TilesetFile = "font.png"; }, target,
       "Invalid Tileset Type (font.png) must be (PRG, CHR or BMP)"},
      {"no tileset name", [&] { a.st.TilesetFile.clear(); }, target,
       "Invalid Tileset Type () must be (PRG, CHR or BMP)"},
      {"disk full", [] {}, target, "Cannot write D64 file (" + target + ")!"},
      {"parent is a file", [] {}, path("keep.d64/x.d64"),
       "Cannot write D64 file (" + path("keep.d64/x.d64") + ")!"},
  };
  const Bytes original = withHeader({'o', 'l', 'd'}, 5000, 0x42);
  const std::string tileset = a.st.TilesetFile;
  for (const Row& r : rows) {
    a.st.TilesetFile = tileset;
    writeBytes(target, original);
    r.setUp();
    prompts.clearShown();
    {
      // Only the image could grow past this; the old file is smaller.
      std::optional<FileSizeLimit> limit;
      if (std::string(r.what) == "disk full") limit.emplace(100000);
      exportTo(r.target);
    }
    ASSERT_EQ(prompts.shown().size(), 2u) << r.what;
    EXPECT_EQ(prompts.last().text, r.message) << r.what;
    EXPECT_EQ(prompts.last().title, "D64 Export Error") << r.what;
    EXPECT_EQ(prompts.last().style, vbCritical) << r.what;
    EXPECT_EQ(readBytes(target), original) << r.what;
    EXPECT_EQ(folderFiles().size(), 2u) << r.what;  // the settings file and the target
  }
}
