#include "model/ProgramState.h"

#include "platform/ProgramFolder.h"

DocIdentity Identity(ProgramState& st, int kind) {
  switch (kind) {
    case kProject:
      return {st.ProjectName, st.ProjectPath, st.ProjectHasFile, st.ProjectMRU};
    case kDatamap:
      return {st.DatamapFile, st.DatamapPath, st.DatamapHasFile, st.DatamapMRU};
    case kDatatype:
      return {st.DatatypeFile, st.DatatypePath, st.DatatypeHasFile, st.DatatypeMRU};
    case kTileset:
      return {st.TilesetFile, st.TilesetPath, st.TilesetHasFile, st.TilesetMRU};
    default:
      return {st.ColormapFile, st.ColormapPath, st.ColormapHasFile, st.ColormapMRU};
  }
}

const char* DocTag(int kind) {
  static const char* tags[] = {"MWJ", "MWRT", "TYPE", "TILE", "CMAP"};
  return kind >= 0 && kind <= 4 ? tags[kind] : "";
}

std::string MemberFileName(int kind, const std::string& stem) {
  return std::string(DocTag(kind)) + "." + stem + ".PRG";
}

void PlaceInProgramFolder(ProgramState& st, int kind, const std::string& name) {
  DocIdentity id = Identity(st, kind);
  id.name = name;
  id.path = AppPath() + "/" + name;
}
