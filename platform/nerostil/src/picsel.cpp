#include "picsel.h"

#include <mirtenv.h>

#include "paldib.h"
#include "resource.h"

namespace {

const char* const kPatterns[] = {"*.bmp", "*.jpg", "*.jpeg"};

bool IsJpeg(const CString& strPath)
{
    const int nDot = strPath.ReverseFind('.');
    if (nDot < 0)
        return false;
    CString strExt = strPath.Mid(nDot + 1);
    strExt.MakeLower();
    return strExt == "jpg" || strExt == "jpeg";
}

// A BMP file into dib; false when it is none.
bool ReadBmpFile(LPCSTR lpszPath, CPalDIB& dib)
{
    CFile file;
    if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyWrite))
        return false;
    try {
        CArchive ar(&file, CArchive::load);
        dib.Serialize(ar);
    } catch (CException* e) {
        e->Delete();
        return false;
    }
    return !dib.m_bReadFailed && !dib.IsEmpty();
}

}  // namespace

BEGIN_MESSAGE_MAP(CPicSel, CDialog)
    ON_LBN_SELCHANGE(IDC_PICSEL_LIST, OnSelChange)
    ON_LBN_DBLCLK(IDC_PICSEL_LIST, OnOK)
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

CPicSel::CPicSel(CWnd* pParent) : CDialog(IDD_PICSEL, pParent), m_pPreview(new CPalDIB)
{
    m_strFolder = CMirtEnv().m_strInstallRoot + "\\DATA\\Defbmp\\";
}

CPicSel::~CPicSel()
{
    delete m_pPreview;
}

INT_PTR CPicSel::DoModal()
{
    CResourceHandleSwitch resources;
    m_strChosen.Empty();
    return CDialog::DoModal();
}

BOOL CPicSel::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (const char* pszPattern : kPatterns) {
        WIN32_FIND_DATAA found;
        HANDLE hFind = ::FindFirstFileA(m_strFolder + pszPattern, &found);
        if (hFind == INVALID_HANDLE_VALUE)
            continue;
        do {
            // "*.jpg" also finds "x.jpgz" through the short name; keep exact ones.
            const CString strName = found.cFileName;
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
                strName.Right(lstrlenA(pszPattern) - 1).CompareNoCase(pszPattern + 1) == 0)
                ::SendDlgItemMessageA(m_hWnd, IDC_PICSEL_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(found.cFileName));
        } while (::FindNextFileA(hFind, &found));
        ::FindClose(hFind);
    }
    return TRUE;
}

CString CPicSel::SelectedPath() const
{
    const LRESULT nSel = ::SendDlgItemMessageA(m_hWnd, IDC_PICSEL_LIST, LB_GETCURSEL, 0, 0);
    const LRESULT nLength = nSel == LB_ERR ? LB_ERR : ::SendDlgItemMessageA(m_hWnd, IDC_PICSEL_LIST, LB_GETTEXTLEN, static_cast<WPARAM>(nSel), 0);
    if (nLength == LB_ERR)
        return CString();
    CString strName;
    ::SendDlgItemMessageA(m_hWnd, IDC_PICSEL_LIST, LB_GETTEXT, static_cast<WPARAM>(nSel),
        reinterpret_cast<LPARAM>(strName.GetBuffer(static_cast<int>(nLength) + 1)));
    strName.ReleaseBuffer(static_cast<int>(nLength));
    return m_strFolder + strName;
}

void CPicSel::OnOK()
{
    const CString strPath = SelectedPath();
    if (strPath.IsEmpty())
        return;
    m_strChosen = strPath;
    EndDialog(IDOK);
}

void CPicSel::OnSelChange()
{
    LoadPreview(SelectedPath());
    if (CWnd* pPreview = GetDlgItem(IDC_PICSEL_PREVIEW))
        pPreview->Invalidate();
}

void CPicSel::LoadPreview(const CString& strPath)
{
    delete m_pPreview;
    m_pPreview = new CPalDIB;
    if (strPath.IsEmpty())
        return;
    if (!IsJpeg(strPath)) {
        ReadBmpFile(strPath, *m_pPreview);
        return;
    }
    CString strBmp;
    if (CPalDIB::ConvertToTempBmp(strBmp, strPath)) {
        ReadBmpFile(strBmp, *m_pPreview);
        ::DeleteFileA(strBmp);
    }
}

void CPicSel::DrawPreview(CDC* pDC, const RECT& rect)
{
    pDC->FillSolidRect(&rect, RGB(255, 255, 255));
    if (m_pPreview->IsEmpty() || m_pPreview->m_bReadFailed)
        return;
    m_pPreview->m_rcTarget = rect;
    m_pPreview->Draw(pDC);
}

void CPicSel::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItem)
{
    if (nIDCtl != IDC_PICSEL_PREVIEW) {
        CDialog::OnDrawItem(nIDCtl, lpDrawItem);
        return;
    }
    DrawPreview(CDC::FromHandle(lpDrawItem->hDC), lpDrawItem->rcItem);
}
