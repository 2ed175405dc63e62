// The painters of a text document, one per alignment family and situation,
// and the choice among them by the alignment mode.
//
// Window painters: the document's window or a whiteboard's device context
// (offset point: the document's client origin there, none = 0, 0), update
// rectangle in object client coordinates; they hand over to their zoomed
// twin at a scale other than 100 (and not below 1). 1 painted; 0 without
// record or working memory.
//
// Device-context painters: any device context, source rectangle in object
// client coordinates, a pre-scale offset in document pixels and a
// post-scale offset in device pixels (none = 0, 0). The plain wrappers take
// the resolutions from the device context (LOGPIXELSX/Y) and the object
// (GetObjDpiX/Y); the scaled forms take object and target pairs. 1 when a
// line met the rectangle; 0 without record, lines or working memory.
#pragma once
#include <windows.h>

int PaintDocHorz(HWND hwnd, HDC hdc, const RECT* prcUpdate, const POINT* pOffset);
int PaintDocHorzZoomed(HWND hwnd, HDC hdc, const RECT* prcUpdate, const POINT* pOffset);
int PaintDocVert(HWND hwnd, HDC hdc, const RECT* prcUpdate, const POINT* pOffset);
int PaintDocVertZoomed(HWND hwnd, HDC hdc, const RECT* prcUpdate, const POINT* pOffset);
int PaintDocJustified(HWND hwnd, HDC hdc, const RECT* prcUpdate, const POINT* pOffset);
int PaintDocJustifiedZoomed(HWND hwnd, HDC hdc, const RECT* prcUpdate, const POINT* pOffset);
int PaintDocJustifiedPara(HWND hwnd, HDC hdc, const RECT* prcUpdate, const POINT* pOffset);
int PaintDocJustifiedParaZoomed(HWND hwnd, HDC hdc, const RECT* prcUpdate, const POINT* pOffset);
int PaintDocCells(HWND hwnd, HDC hdc, const RECT* prcUpdate, const POINT* pOffset);
int PaintDocCellsZoomed(HWND hwnd, HDC hdc, const RECT* prcUpdate, const POINT* pOffset);

int DrawDocHorz(HWND hwnd, HDC hdc, const RECT* prcSource, const POINT* pPre, const POINT* pPost);
int DrawDocHorzScaled(HWND hwnd, HDC hdc, const RECT* prcSource, const POINT* pPre, const POINT* pPost,
                      SIZE objectRes, SIZE targetRes);
int DrawDocVert(HWND hwnd, HDC hdc, const RECT* prcSource, const POINT* pPre, const POINT* pPost);
int DrawDocVertScaled(HWND hwnd, HDC hdc, const RECT* prcSource, const POINT* pPre, const POINT* pPost,
                      SIZE objectRes, SIZE targetRes);
int DrawDocJustified(HWND hwnd, HDC hdc, const RECT* prcSource, const POINT* pPre, const POINT* pPost);
int DrawDocJustifiedScaled(HWND hwnd, HDC hdc, const RECT* prcSource, const POINT* pPre, const POINT* pPost,
                           SIZE objectRes, SIZE targetRes);
int DrawDocJustifiedPara(HWND hwnd, HDC hdc, const RECT* prcSource, const POINT* pPre, const POINT* pPost);
int DrawDocJustifiedParaScaled(HWND hwnd, HDC hdc, const RECT* prcSource, const POINT* pPre, const POINT* pPost,
                               SIZE objectRes, SIZE targetRes);
int DrawDocCells(HWND hwnd, HDC hdc, const RECT* prcSource, const POINT* pPre, const POINT* pPost);
int DrawDocCellsScaled(HWND hwnd, HDC hdc, const RECT* prcSource, const POINT* pPre, const POINT* pPost,
                       SIZE objectRes, SIZE targetRes);

// The window painter of the document's alignment mode: 3 justified; 4-6
// and 8-10 with user cells the cell painter; 16-18 justified with aligned
// paragraph ends; else the plain painter of the writing direction.
int PaintDocByAlignment(HWND hwnd, HDC hdc, const RECT* prcUpdate, const POINT* pOffset);
// The device-context painter of the alignment mode, at the resolutions of
// the device context and the object, or at the given pairs.
int DrawDocByAlignment(HWND hwnd, HDC hdc, const RECT* prcSource, const POINT* pPre, const POINT* pPost);
int DrawDocByAlignmentScaled(HWND hwnd, HDC hdc, const RECT* prcSource, const POINT* pPre, const POINT* pPost,
                             SIZE objectRes, SIZE targetRes);
