// The multimedia object library's file readers under the fuzzer: whiteboard
// files read into a whiteboard with content, and object files (a picture's
// and a line's block) read into existing and new objects.
#pragma once
#include <string>
#include <vector>

#include <afxwin.h>

std::vector<std::string> WhiteBoardFileSeeds();
std::vector<std::string> ObjectFileSeeds();
// A refused file must leave the whiteboard as it was; a file read whole is
// written and read again to the same bytes.
void RunWhiteBoardFile(const std::string& bytes, CDC& screen, CDC& printer);
void RunObjectFile(const std::string& bytes, CDC& screen, CDC& printer);
