// The icon and cursor record that object and whiteboard blocks carry for an
// object's mouse pointer: a 6-byte header, a 16-byte entry and the image
// (a 40-byte header, the colour table, the bits).
#pragma once
#include <windows.h>

#include <vector>

const DWORD kIconRecordHead = 22;

// The icon's kind, hotspot and bitmaps (the caller deletes the bitmaps).
BOOL GetIconBitmaps(HICON hIcon, ICONINFO* pInfo);
// The whole record for hIcon; false when its bitmaps cannot be had.
bool BuildIconRecord(HICON hIcon, std::vector<BYTE>* pRecord);
DWORD GetIconRecordSize(HICON hIcon);
// Bytes written, or -1.
LONG WriteIconRecord(HANDLE hFile, HICON hIcon);
// Bytes consumed, or -1; the cursor made from the record goes to *pCursor
// (0 on failure). Monochrome and colour images are both read.
LONG ReadCursorRecord(HANDLE hFile, HCURSOR* pCursor);
