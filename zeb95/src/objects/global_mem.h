// Locked movable global blocks: the library's records, tables and strings.
#pragma once
#include <windows.h>

// GlobalAlloc and GlobalLock; a block that cannot be locked is freed.
void* LockedGlobalAlloc(UINT uFlags, SIZE_T cbSize);
// Reallocates the locked block that *ppBlock points into and stores the new
// pointer there. On failure the old block stays (locked, pointer stored
// back) and the result is null; when the grown block cannot be locked it is
// freed, the stored pointer becomes null and the result is null.
void* LockedGlobalReAlloc(void** ppBlock, SIZE_T cbSize, UINT uFlags);
// Unlocks and frees a block that LockedGlobalAlloc made; null is ignored.
void LockedGlobalFree(void* pBlock);
// A copy of the string in a locked block; null without memory.
char* LockedGlobalStrDup(const char* psz);
// Exchanges cb bytes between two buffers.
void SwapBytes(void* pA, void* pB, SIZE_T cb);
