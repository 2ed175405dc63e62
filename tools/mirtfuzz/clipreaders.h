// The field clipboard "CF_VLMPROP" under the fuzzer: stored lists of the
// sample forms' fields read into new fields, as a paste reads them.
#pragma once
#include <string>
#include <vector>

#include <afxwin.h>

std::vector<std::string> FieldClipboardSeeds();
// Fields read whole are drawn and stored, and the stored form reads back
// to the same bytes; a refused input ends in an archive exception.
void RunFieldClipboard(const std::string& bytes, CDC& screen, CDC& printer);
