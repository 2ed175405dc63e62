// Inserting full text at the caret: the plain part's bytes with their
// attributes, and of an extended one the sections that the receiving
// document's clip mode takes (fonts found or appended, bitmaps appended,
// marks taken over), the indexes of the text remapped to the receiver's
// tables as they are inserted (the buffer is left as it is).
#pragma once
#include <windows.h>

struct ZebFullText;

// Where the full text comes from: a foreign source (the clipboard) binds no
// bitmap index of the plain form to the receiver's bitmaps.
enum class ZebFullSource
{
    Caller,
    Foreign,
};

// Checks the cb bytes (ParseFullText) and inserts them; a refused buffer,
// a table that cannot take the fonts or bitmaps listed or a bitmap that is
// no DIB changes nothing and gives 0. Bitmap characters not bound to a
// bitmap of the section taken (or of the plain form from a foreign source)
// become plain characters in font 0. 1; 0 on failure.
int DocInsertFullText(HWND hwnd, const BYTE* pBuffer, UINT64 cb, ZebFullSource source);
// Inserts checked full text's plain part as it comes, but for the font
// indexes of characters that are no bitmaps when a map of 256 source
// indexes to the receiver's is given.
int DocInsertPlainFullText(HWND hwnd, const ZebFullText& full, const int* pFontMap = nullptr);
