// What a picture object owns: its DIB, palette, shrink cache and temporary
// JPEG copy, and their replacement.
#pragma once
#include <windows.h>

class ZebPicRecord;

// Deletes the temporary JPEG copy, if any, and empties the JPEG source.
void DeletePicTempFile(ZebPicRecord& rec);
// Frees the picture, its palette (unless it is the library's), the shrink
// cache and the temporary JPEG copy.
void FreePicData(ZebPicRecord& rec);
// hDib (0 for none) replaces the picture after FreePicData; with the dither
// flag on an 8-bit display it is first dithered onto the fixed palette,
// which then becomes the record's palette, otherwise the record gets a
// palette of the picture's own. The source fields are left to the caller.
void TakePicture(ZebPicRecord& rec, HGLOBAL hDib);
