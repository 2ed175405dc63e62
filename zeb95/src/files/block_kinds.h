// The object kinds that whiteboard and object files store, one entry per
// block tag: how an object of the kind is made for reading and how its
// block is written and read. A kind without entry is neither written nor
// read.
#pragma once
#include <windows.h>

struct ZebBlockKind
{
    char tag[2];
    WORD wKind;
    // A new object of the kind with its defaults on the whiteboard, hidden;
    // null when it cannot be made.
    HWND (*pfnCreate)(HWND hWb);
    // At the file position in the mode (0 native data, 1 block without bulk
    // data, 2 with it); the region is the whiteboard file's: bytes or -1.
    LONG (*pfnWrite)(HWND hObject, HANDLE hFile, int nMode, const POINT* pOrigin, const SIZE* pSize);
    // At the file position of the file read from pszPath: 1 or 0.
    BOOL (*pfnRead)(HWND hObject, HANDLE hFile, LPCSTR pszPath);
};

const ZebBlockKind* BlockKindOfTag(const char* pTag);
const ZebBlockKind* BlockKindOfKind(LONG nKind);
