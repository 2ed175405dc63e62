// Text for the text document benchmarks.
#pragma once
#include <string>

#include "text/storage/block_list.h"

// Replaces the text of the storage with copies of the piece (code page 932
// bytes, attributes with their pair and break flags), at least nBytes of
// them, in blocks of as many whole pieces as 12,000 bytes hold.
void FillBlocksWith(ZebBlockList& list, const std::string& piece, int nBytes);
