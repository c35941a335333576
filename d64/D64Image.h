#pragma once
#include <string>

#include "d64/D64Model.h"

// Replaces the whole image by a blank disk: BAM with every block but 18/0 and
// 18/1 free, the disk name and id (raw bytes, cut to 16 and 5, padded with
// $A0) and an empty directory sector 18/1.
void CreateBlankD64(D64Image& image, const std::string& diskName, const std::string& diskId);
// Empties every name of the table, reads the directory chain of track 18 into
// it, then the BAM. The walk never leaves track 18 and reads 18 sectors at most.
void ReadD64Directory(D64Model& m, const D64Image& image);
// Sets D64BlockUsed 0..682 from the BAM; element 683 keeps its value.
void ReadD64Bam(D64Model& m, const D64Image& image);
