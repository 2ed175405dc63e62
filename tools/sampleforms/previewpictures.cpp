#include "previewpictures.h"

#include <afxwin.h>

#include "bmpfile.h"
#include "mirtbase.h"
#include "mirtenv.h"
#include "npropobj.h"

namespace {

// A form window base that only loads and draws a layout.
class CPreviewForm : public CMirtBase
{
public:
    ~CPreviewForm() override { InitMember(); }
};

void Fail(const CString& strPath)
{
    AfxThrowFileException(CFileException::generic, -1, strPath);
}

// The install root that holds the data folder.
CString RootOf(const CString& strData)
{
    const int nSlash = strData.ReverseFind('\\');
    return nSlash > 0 ? strData.Left(nSlash) : strData;
}

}  // namespace

void WritePreviewPicture(const CString& strData, UINT nLayoutID)
{
    CString strPath;
    strPath.Format("%s\\Preview\\%u.bmp", static_cast<LPCSTR>(strData), nLayoutID);
    CMirtEnv::SetRootOverride(RootOf(strData));
    CPreviewForm form;
    const int nLoaded = form.SetFormat(nLayoutID);
    CMirtEnv::SetRootOverride(nullptr);
    if (nLoaded != 1)
        Fail(strPath);

    RECT area = form.GetAriaRectM();
    CNPropObj::ConvertRectUnits(nullptr, &area, TRUE);
    const int cx = area.right - area.left;
    const int cy = area.bottom - area.top;
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
    ::ReleaseDC(nullptr, hScreen);
    BOOL bWritten = FALSE;
    if (hMem != nullptr && hBitmap != nullptr) {
        HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
        ::PatBlt(hMem, 0, 0, cx, cy, WHITENESS);
        ::SetViewportOrgEx(hMem, -area.left, -area.top, nullptr);
        CDC dc;
        dc.Attach(hMem);
        form.DrawFormat(&dc);
        dc.Detach();
        ::SelectObject(hMem, hOld);
        bWritten = WriteBitmapFile(strPath, hBitmap, 24);
    }
    if (hBitmap != nullptr)
        ::DeleteObject(hBitmap);
    if (hMem != nullptr)
        ::DeleteDC(hMem);
    if (!bWritten)
        Fail(strPath);
}
