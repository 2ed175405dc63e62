// Reading a whiteboard file, or an object file, into a whiteboard.
#pragma once
#include <windows.h>

// Reads every block of the file. The whole file is read first (objects
// into new hidden windows, items and the whiteboard's own block aside) and
// taken over only when every block was read: a "WB" block then replaces
// the whiteboard's content, and without one the position and size (either
// may be null) are given to every object read. Text and bitmap items go in
// at their stored index, which must lie within the items before them. A
// file that cannot be read whole, or taken over whole, leaves the
// whiteboard as it was. Two zero bytes where a block's tag
// belongs end the data (the padding of a memory file). 1, or 0.
BOOL ReadWhiteBoardFile(HWND hWb, LPCSTR pszPath, const POINT* pPos, const SIZE* pSize);
