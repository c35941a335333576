#pragma once
#include <cstdint>

#include "d64/D64Model.h"

// Sets LinkTrack and LinkSector; a number outside 0..682 leaves them unchanged.
void BlockToTrackSector(D64Model& m, int16_t block);
// Sets CurBlock from AllocTrack and AllocSector; a track outside 1..35 leaves
// it unchanged.
void TrackSectorToBlock(D64Model& m);
// The searches only read D64BlockUsed: the caller marks the block it takes.
// Both return false on a full disk, and never yield a block on track 18, a used
// block or one beyond block 682.
bool FindFirstFreeBlock(D64Model& m);
bool FindNextBlock(D64Model& m);
