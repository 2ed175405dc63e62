#include "picture/pic_read.h"

#include "dib/bmp_file.h"
#include "dib/file_io.h"
#include "picture/jpeg_convert.h"
#include "picture/pic_block.h"
#include "picture/pic_data.h"
#include "picture/pic_record.h"
#include "picture/pic_scroll.h"

namespace {

void CopyFileName(char* pszField, LPCSTR pszPath)
{
    ::lstrcpynA(pszField, pszPath != nullptr ? pszPath : "", ZebObjRecord::kFileNameChars);
}

// The JPEG file pszPath as a DIB without palette; its temporary BMP file is
// deleted.
HGLOBAL ReadJpegFile(HANDLE hFile, LPCSTR pszPath)
{
    char szJpeg[MAX_PATH];
    char szBmp[MAX_PATH];
    ::lstrcpynA(szJpeg, pszPath != nullptr ? pszPath : "", MAX_PATH);
    if (!ConvertJpegToBmp(hFile, 0, szBmp, szJpeg))
        return nullptr;
    HGLOBAL hDib = ReadDibFile(szBmp, FALSE);
    ::DeleteFileA(szBmp);
    return hDib;
}

}  // namespace

BOOL ReadPicObject(HWND hwnd, HANDLE hFile, LPCSTR pszPath)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hwnd);
    UINT64 pos = 0;
    if (pRec == nullptr || !GetFilePos(hFile, &pos))
        return FALSE;
    BYTE head[8] = {};
    ReadExact(hFile, head, sizeof(head));
    if (head[0] == 'P' && head[1] == 'O')
        return SeekFile(hFile, pos) && ReadPicBlock(hwnd, hFile);
    const bool bBmp = head[0] == 'B' && head[1] == 'M';
    HGLOBAL hDib = nullptr;
    if (bBmp)
        hDib = SeekFile(hFile, pos) ? ReadDib(hFile, FALSE) : nullptr;
    else
        hDib = ReadJpegFile(hFile, pszPath);
    if (hDib == nullptr)
        return FALSE;
    TakePicture(*pRec, hDib);
    CopyFileName(pRec->Head().FileName(), pszPath);
    if (!bBmp)
        ::lstrcpyA(pRec->JpegSource(), ZebPicRecord::kJpegFromFileText);
    UpdatePicScrollBars(hwnd);
    return TRUE;
}
