// The text document's readers under the fuzzer: full text as the
// clipboard hands it to a paste and as a caller hands it to the selection
// setters, and the "DO" block of an object file read into an existing and
// a new document.
#pragma once
#include <string>
#include <vector>

#include <afxwin.h>

std::vector<std::string> DocFullTextSeeds();
std::vector<std::string> DocObjectSeeds();
// Whole whiteboard files with "DO" blocks (one with fonts and an inline
// bitmap), "MO" and "SO" blocks.
std::vector<std::string> ObjectWhiteBoardSeeds();
// A refused input leaves the document (the whiteboard) as it was; an input
// taken is written and read back.
void RunDocFullText(const std::string& bytes, CDC& screen, CDC& printer);
void RunDocSetFullText(const std::string& bytes, CDC& screen, CDC& printer);
void RunDocObject(const std::string& bytes, CDC& screen, CDC& printer);
