#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "d64/D64Model.h"

// A failure is a text for the command's message box; nothing is written then.
using D64Error = std::optional<std::string>;

inline const std::string kD64DirectoryOffTrackMessage =
    "The Directory is not located completely on track 18!\nDo not edit this D64 with this program!";

// The 16 bytes of a program file's directory name: the text after the last
// "/", less its last four characters (the extension), cut to 16 characters,
// ASCII letters upper-cased, every character outside printable ASCII written as
// "?", padded with $A0. The name is taken as UTF-8 text.
std::string D64EntryName(const std::string& sourceName);
// An art name's 16 bytes as they stand, cut to 16 and padded with $A0.
std::string D64ArtEntryName(const std::string& rawName);
// Blocks a file of this many bytes takes: 254 bytes per block.
int D64BlocksFor(size_t bytes);

// Copies the sources, slot i from sources[i], into an image that CreateBlankD64
// and ReadD64Directory have just prepared, rewriting directory and BAM after
// each file. Refuses, before it writes a block, sources that do not fit in 664
// blocks, more entries than 18 directory sectors hold, and an empty program
// file (its entry would point at track 0, which disk tools reject).
D64Error WriteFilesToD64(D64Model& m, D64Image& image, const std::vector<D64Source>& sources);
// Frees the old chain, then writes the table into a new chain from 18/1, further
// sectors three apart from 18/4. Fails only when the old chain left track 18.
D64Error WriteD64Directory(D64Model& m, D64Image& image);
// Marks the sectors of the image's directory chain free. False when a link of
// the chain names another track (the walk goes on with its sector on track 18)
// or a sector track 18 lacks (the walk ends there). At most 18 sectors are read.
bool ReleaseDirectorySectors(D64Model& m, const D64Image& image);
// The 35 BAM entries from D64BlockUsed; every other BAM byte stays.
void WriteD64Bam(const D64Model& m, D64Image& image);

// A whole export in memory, from a fresh model: blank image, directory read,
// copy. The disk name is UTF-8 text written one byte per character (printable
// ASCII as it is, anything else "?"; the caller upper-cases it); the id is
// written as raw bytes. `model`, when given, receives the final model.
D64Error BuildD64(D64Image& image, const std::string& diskName, const std::string& diskId,
                  const std::vector<D64Source>& sources, D64Model* model = nullptr);
// BuildD64, then the image written whole through QSaveFile: on any failure the
// file at path stays as it was.
D64Error WriteD64(const std::string& path, const std::string& diskName, const std::string& diskId,
                  const std::vector<D64Source>& sources, D64Model* model = nullptr);
