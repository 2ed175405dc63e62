// Settings of a document that are kept as own copies: the user cells of
// the cell alignment modes and the input filter strings.
#pragma once
#include <windows.h>

#include "zeb95.h"

// Replaces the user cells with a copy of the list (none for null or a
// count below 1) and relays a cell-mode document out. 0 without record,
// when memory runs out, or when a cell holds no bytes, is empty, or starts
// left of the previous cell's right edge (nothing changed then); else 1.
int DocSetUserCells(HWND hwnd, const ZebUserCellList* pList);
// Sets the input filter: empty strings count as none; a replacement needs
// a match of its length. 1, else 0 with the filter unchanged.
int DocSetFilter(HWND hwnd, const char* pszMatch, const char* pszReplacement);
