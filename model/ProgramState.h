#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Map geometry: the datamap always holds 256 x 128 cells, cell (x, y) at x + 256 y.
inline constexpr int kMapCols = 256;
inline constexpr int kMapRows = 128;
inline constexpr int kMapCells = kMapCols * kMapRows;
inline constexpr int kUndoSlots = 13;

using CellArray = std::array<uint8_t, kMapCells>;

// Document kinds, also the recent-file list numbers.
enum DocKind : int { kProject = 0, kDatamap = 1, kDatatype = 2, kTileset = 3, kColormap = 4 };

// Every program-wide variable of the editor, under its own name. Plain data:
// routines read and write the members directly. Before start-up everything is
// zero, false or empty.
struct ProgramState {
  // ---- Documents
  CellArray Datamap{};  // tile number of cell (x, y) at x + 256 y
  int16_t MapWidth = 0, MapHeight = 0;
  uint8_t MapWidthByte = 0, MapHeightByte = 0;
  CellArray DatatypeMap{};
  std::array<uint8_t, 258> Colormap{};  // 0,1 load address; 2 + t colour byte of tile t
  std::vector<uint8_t> TileBytes;       // empty = unallocated; else 2048 bytes
  std::array<int32_t, 16> Palette{};    // 0x00BBGGRR
  std::array<bool, 256> TileUsed{};
  // 13 whole-datamap snapshots; slot l cell (x, y) at l * kMapCells + x + 256 y.
  std::unique_ptr<std::array<uint8_t, kUndoSlots * kMapCells>> UndoMap =
      std::make_unique<std::array<uint8_t, kUndoSlots * kMapCells>>();
  int16_t UndoLevel = 0;
  uint8_t LoadAddrLo = 0, LoadAddrHi = 0;
  std::vector<uint8_t> ExportMap;  // MapWidth x MapHeight, x fastest
  uint8_t ExportHeaderLo = 0, MapSizeX = 0, MapSizeY = 0;

  // ---- Document identity
  std::string ProjectName, ProjectPath;
  bool ProjectHasFile = false;
  std::string DatamapFile, DatamapPath;
  bool DatamapHasFile = false;
  std::string DatatypeFile, DatatypePath;
  bool DatatypeHasFile = false;
  std::string TilesetFile, TilesetPath;
  bool TilesetHasFile = false;
  std::string ColormapFile, ColormapPath;
  bool ColormapHasFile = false;
  std::array<std::string, 5> ProjectMRU, DatamapMRU, DatatypeMRU, TilesetMRU, ColormapMRU;

  // ---- Settings
  bool AskSave = false;
  int32_t SelectColor = 0;
  int32_t DatatypeColor = 0;
  std::array<int16_t, 4> RandomFill{};  // 1..3 used
  std::string StartupProject, TilesDir, MapsDir, StartupTileset, StartupDatamap;
  bool SaveWindow = false;
  int16_t WindowState = 0;
  // Twips (15 per pixel); 32-bit so that a large screen's placement survives.
  int32_t WindowTop = 0, WindowLeft = 0, WindowWidth = 0, WindowHeight = 0;

  // ---- Editing state
  bool DatatypeMode = false;
  bool IdentifyMode = false;
  bool HoverPreview = false;
  float Zoom = 0;  // 100, 75, 50, 25; 0 fit page; -1 fit width
  float ZoomFactor = 0;
  bool Selecting = false;
  int16_t SelAnchorX = 0, SelAnchorY = 0;
  int16_t SelEndX = 0, SelEndY = 0;
  int16_t MouseCellX = 0, MouseCellY = 0;
  float LastMapX = 0, LastMapY = 0;
  int16_t FillStartX = 0, FillStartY = 0;
  std::vector<uint8_t> TileBrush;  // (TileBrushMaxX + 1) x (TileBrushMaxY + 1), column fastest
  int16_t TileBrushMaxX = 0, TileBrushMaxY = 0;
  std::vector<uint8_t> MapBuffer;  // (MapBufferMaxX + 1) x (MapBufferMaxY + 1), column fastest
  int16_t MapBufferMaxX = 0, MapBufferMaxY = 0;
  bool MapBufferValid = false;
  int16_t RandomFillStep = 0;
  std::array<uint8_t, 4> RandomFillTile{};
  // The Enabled states Ctrl+X found: the random fill's end puts them back
  // rather than enabling what the zoom had disabled.
  struct EnabledStates {
    bool mnuFile, mnuEdit, mnuOptions, picMap;
  };
  EnabledStates EnabledBeforeRandomFill{};
  std::array<int32_t, 64> TilePixels{};      // pixel (x, y) at x + 8 y
  std::array<int32_t, 64> TilePixelsTemp{};
  int16_t SavedCursorWidth = 0, SavedCursorHeight = 0;
  int16_t MsgResult = 0;
  std::string StartupError;

  uint8_t& DatamapAt(int x, int y) { return Datamap[size_t(x + kMapCols * y)]; }
  uint8_t& DatatypeAt(int x, int y) { return DatatypeMap[size_t(x + kMapCols * y)]; }
  uint8_t& TileBrushAt(int j, int i) { return TileBrush[size_t(j + (TileBrushMaxX + 1) * i)]; }
  uint8_t& MapBufferAt(int j, int i) { return MapBuffer[size_t(j + (MapBufferMaxX + 1) * i)]; }
  uint8_t* UndoSlot(int l) { return UndoMap->data() + size_t(l) * kMapCells; }
};

// Name, path, has-file flag and recent list of a document kind.
struct DocIdentity {
  std::string& name;
  std::string& path;
  bool& hasFile;
  std::array<std::string, 5>& mru;
};
DocIdentity Identity(ProgramState& st, int kind);
// "MWJ", "MWRT", "TYPE", "TILE", "CMAP".
const char* DocTag(int kind);
// "MWRT.<stem>.PRG": the name a member takes from its project's name.
std::string MemberFileName(int kind, const std::string& stem);
// The document takes the name as a file of the program's folder.
void PlaceInProgramFolder(ProgramState& st, int kind, const std::string& name);
