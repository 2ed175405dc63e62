#include "dib/bmp_file.h"
#include "dib/dib_convert.h"
#include "dib/dib_handle.h"
#include "zeb95.h"

HGLOBAL WINAPI zebCreateDib(HBITMAP hBitmap, HPALETTE hPalette)
{
    return BitmapToDib(hBitmap, 0, hPalette, TRUE);
}

HGLOBAL WINAPI zebReadDib(LPCSTR pszPath)
{
    return ReadDibFile(pszPath, TRUE);
}

LONG WINAPI zebWriteDib(LPCSTR pszPath, HGLOBAL hDib)
{
    return WriteBmpFile(pszPath, hDib);
}

HGLOBAL WINAPI zebCopyDib(HGLOBAL hDib)
{
    return DuplicateDib(hDib);
}

LONG WINAPI zebDestroyDib(HGLOBAL hDib)
{
    return DestroyDib(hDib);
}
