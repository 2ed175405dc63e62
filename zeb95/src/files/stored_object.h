// What the object blocks store alike: the words of the record head that
// they read back, the object text, the file name, the place and the cursor
// record that follows a record.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "objects/obj_record.h"

const size_t kStoredFileNameOffset = 36;

// The record's stored words: its words as they are, but for the values of
// the input being notified (words 1 and 2: a message's parameters, which
// may be a pointer of the process), stored as 0.
std::vector<BYTE> StoredObjRecord(const void* pRecord, DWORD cbRecord);
// The object text with its NUL, or nothing without text.
std::string StoredText(const ZebObjRecord& head);
// A copy of the text (empty: none) replaces the object text; false when it
// cannot be had, the old text then kept.
bool TakeStoredText(ZebObjRecord& head, const std::string& text);
// The stored file name, ending within its field.
void TakeStoredFileName(ZebObjRecord& head, const std::vector<BYTE>& fixed);
// The record's place, transparent and client-edge flags and its kept styles
// as the window has them now.
void RefreshStoredStyles(HWND hwnd, ZebObjRecord& head, DWORD dwKeptStyles);
// The stored transparent and client-edge flags and the kept styles (of the
// stored style word) applied to the record and the window.
void TakeStoredStyles(HWND hwnd, ZebObjRecord& head, const std::vector<BYTE>& fixed, DWORD dwKeptStyles);
// Moves the object to the stored position and size and keeps them.
void MoveToStoredPlace(HWND hwnd, const std::vector<BYTE>& fixed);

// The cursor record of cb bytes right after a record of cbRecord bytes in the
// fixed part of the block at start: *pCursor (0 when cb is 0). False when it
// lies beyond the fixed part or does not take exactly cb bytes.
bool ReadStoredCursor(HANDLE hFile, UINT64 start, DWORD cbRecord, DWORD cb, size_t cbFixed, HCURSOR* pCursor);
// The object's cursor record as written: its bytes, empty without cursor;
// false when the cursor cannot be turned into one.
bool StoredCursor(const ZebObjRecord& head, std::vector<BYTE>* pBytes);
