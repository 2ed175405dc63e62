// The calendar rendered into a temporary BMP file, the picture a calendar
// shows in layout mode.
#include "npropobjcalnd.h"

#include "bmpfile.h"

int CNPropObjCalnd::WriteDesignBitmap(CDC* pIC)
{
    DeleteDesignBitmap();
    CalcDeviceRect(pIC);
    const int nWidth = m_rcDevice.right - m_rcDevice.left;
    const int nHeight = m_rcDevice.bottom - m_rcDevice.top;
    CDC dc;
    CBitmap bitmap;
    if (nWidth <= 0 || nHeight <= 0 || !dc.CreateCompatibleDC(pIC) ||
        !bitmap.CreateCompatibleBitmap(pIC, nWidth, nHeight))
        return 0;
    CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, nWidth, nHeight, RGB(255, 255, 255));
    DrawCalendar(&dc, 1, 0, 0);
    dc.SelectObject(pOldBitmap);

    char szFolder[MAX_PATH];
    char szPath[MAX_PATH];
    const DWORD nFolder = ::GetTempPathA(MAX_PATH, szFolder);
    if (nFolder == 0 || nFolder >= MAX_PATH || ::GetTempFileNameA(szFolder, "bmp", 0, szPath) == 0)
        return 0;
    if (!WriteBitmapFile(szPath, bitmap, 0)) {
        ::DeleteFileA(szPath);
        return 0;
    }
    m_strDesignBitmap = szPath;
    return 1;
}

void CNPropObjCalnd::DeleteDesignBitmap()
{
    if (m_strDesignBitmap.IsEmpty())
        return;
    ::DeleteFileA(m_strDesignBitmap);
    m_strDesignBitmap.Empty();
}
