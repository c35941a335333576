#include "d64/D64Allocator.h"

namespace {

struct Zone {
  int firstTrack, lastTrack, sectors, firstBlock;
};
constexpr Zone kZones[] = {
    {1, 17, 21, 0}, {18, 24, 19, 357}, {25, 30, 18, 490}, {31, 35, 17, 598}};

const Zone* zoneOfTrack(int track) {
  for (const Zone& z : kZones)
    if (track >= z.firstTrack && track <= z.lastTrack) return &z;
  return nullptr;
}

// One step of a search: the block under the allocator, and whether it is free.
bool probe(D64Model& m) {
  TrackSectorToBlock(m);
  return m.D64BlockUsed[m.CurBlock] != 1;
}

int interleaved(int r, int track) {
  const int n = D64SectorsOnTrack(track);
  return r >= n ? r - n : r;
}

}  // namespace

int D64SectorsOnTrack(int track) {
  const Zone* z = zoneOfTrack(track);
  return z ? z->sectors : 0;
}

int D64FirstBlockOfTrack(int track) {
  const Zone* z = zoneOfTrack(track);
  return z ? z->firstBlock + (track - z->firstTrack) * z->sectors : -1;
}

void BlockToTrackSector(D64Model& m, int16_t block) {
  for (int i = 3; i >= 0; --i) {
    const Zone& z = kZones[i];
    if (block >= z.firstBlock && block < kD64Blocks) {
      m.LinkTrack = static_cast<int16_t>(z.firstTrack + (block - z.firstBlock) / z.sectors);
      m.LinkSector = static_cast<int16_t>((block - z.firstBlock) % z.sectors);
      return;
    }
  }
}

void TrackSectorToBlock(D64Model& m) {
  const int first = D64FirstBlockOfTrack(m.AllocTrack);
  if (first < 0) return;
  m.CurBlock = static_cast<int16_t>(first + m.AllocSector);
}

bool FindFirstFreeBlock(D64Model& m) {
  m.AllocTrack = 17;
  m.AllocSector = 0;
  m.AllocDistance = 1;
  if (probe(m)) return true;
  int jumps = 0;
  for (;;) {
    if (m.AllocSector < D64SectorsOnTrack(m.AllocTrack) - 1) {
      ++m.AllocSector;
    } else {
      const int next = m.AllocTrack < kD64DirTrack ? kD64DirTrack + m.AllocDistance
                                                   : kD64DirTrack - m.AllocDistance;
      // The order ends on track 1; the next jump would lead off the disk.
      if (next > kD64Tracks || next < 1) return false;
      m.AllocTrack = static_cast<int16_t>(next);
      m.AllocSector = 0;
      if (++jumps % 2 == 0) ++m.AllocDistance;
    }
    if (probe(m)) return true;
  }
}

bool FindNextBlock(D64Model& m) {
  const int t0 = m.AllocTrack;
  if (t0 < 1 || t0 > kD64Tracks || t0 == kD64DirTrack) return false;
  const int r = m.AllocSector + 10;
  m.AllocDirection = t0 < kD64DirTrack ? 2 : 1;
  m.AllocSector = static_cast<int16_t>(interleaved(r, t0));
  // Each track gets its first probe and 61 more, so every sector is tried at
  // least twice; 10000 probes outlast one pass over all 34 data tracks.
  constexpr int kProbesPerTrack = 62;
  constexpr int kMaxProbes = 10000;
  int onTrack = 0;
  for (int probes = 0; probes < kMaxProbes; ++probes) {
    if (probe(m)) return true;
    if (++onTrack < kProbesPerTrack) {
      m.AllocSector = static_cast<int16_t>((m.AllocSector + 1) % D64SectorsOnTrack(m.AllocTrack));
      continue;
    }
    onTrack = 0;
    if (m.AllocDirection == 2) {
      if (m.AllocTrack == 1) {
        m.AllocTrack = kD64DirTrack + 1;
        m.AllocSector = 0;
        m.AllocDirection = 1;
      } else {
        --m.AllocTrack;
        m.AllocSector = static_cast<int16_t>(interleaved(r, m.AllocTrack));
      }
    } else {
      if (m.AllocTrack == kD64Tracks) {
        m.AllocTrack = kD64DirTrack - 1;
        m.AllocSector = 0;
        m.AllocDirection = 2;
      } else {
        ++m.AllocTrack;
        m.AllocSector = static_cast<int16_t>(interleaved(r, m.AllocTrack));
      }
    }
  }
  return false;
}
