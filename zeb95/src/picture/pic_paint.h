// Drawing a picture object's DIB: on screen with background bands and the
// shrink cache, into any device context, and scaled for a printer.
#pragma once
#include <windows.h>

class ZebPicRecord;

// Fills the rectangle with crBack; nothing for CLR_INVALID or an empty
// rectangle.
void FillBackground(HDC hdc, const RECT& rc, COLORREF crBack);

// Where a picture of the given size goes in the destination, and which part
// of it (source origin counted from its top row).
struct PicPlacement
{
    RECT rcDest;
    POINT ptSrc;
    SIZE sizeSrc;
};

// Stretched: the whole destination. Actual size: its top-left corner, the
// source cut to the smaller size in each direction. Otherwise fitted
// keeping the proportions and centred.
PicPlacement PlacePicture(SIZE picture, const RECT& rcDest, bool bActualSize, bool bStretch, POINT ptSrc);

// Paints the record's picture into rcDest: the source origin (from the
// picture's top row) applies to actual-size pictures; pPrintDpi scales the
// picture's place from that resolution to the device's; crBack (CLR_INVALID
// for none) fills what the picture leaves free; bCacheAllowed lets a
// shrunk picture come from (and go to) the shrink cache. The result of the
// drawing call.
int PaintPicObject(HDC hdc, ZebPicRecord& rec, const RECT& rcDest, POINT ptSrc, const SIZE* pPrintDpi,
                   COLORREF crBack, bool bCacheAllowed);

// Draws hDib (the record's picture or a copy of it) by the record's modes:
// 1:1 from the source origin in actual-size mode without stretch and
// without resolution pair, else placed as PlacePicture says, scaled by the
// device's resolution over *pDpi when given, moved by *pOffset when given.
void DrawPictureDib(HDC hdc, const ZebPicRecord& rec, HGLOBAL hDib, const RECT& rcDest, POINT ptSrc,
                    const SIZE* pDpi, const POINT* pOffset);
