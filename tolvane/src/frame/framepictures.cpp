// CMainFrame: the picture cache of the form windows' pictures, their
// drawing, and pictures carried to and from the clipboard.
#include <memory>

#include "frame/clipdib.h"
#include "frame/mainfrm.h"
#include "frame/picturecacheentry.h"
#include "globalmem.h"
#include "mirtenv.h"
#include "mirtmsgs.h"
#include "nmirtdoc.h"
#include "paldib.h"

namespace {

PictureCacheEntry* FindEntry(const CMapStringToOb& map, LPCSTR lpszName)
{
    CObject* pEntry = nullptr;
    return map.Lookup(lpszName, pEntry) ? static_cast<PictureCacheEntry*>(pEntry) : nullptr;
}

// A new shareable block of MIRT_PICTURE_PATH bytes holding the name.
HGLOBAL NewNameBlock(LPCSTR lpszName)
{
    HGLOBAL hName = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, MIRT_PICTURE_PATH);
    if (hName == nullptr)
        return nullptr;
    {
        CGlobalLock lock(hName);
        if (lock) {
            lstrcpynA(reinterpret_cast<LPSTR>(lock.Bytes()), lpszName, MIRT_PICTURE_PATH);
            return hName;
        }
    }
    ::GlobalFree(hName);
    return nullptr;
}

// Hands the block to the clipboard; freed when the clipboard refuses it.
bool PutOnClipboard(UINT nFormat, HGLOBAL hData)
{
    if (hData == nullptr)
        return false;
    if (::SetClipboardData(nFormat, hData) != nullptr)
        return true;
    ::GlobalFree(hData);
    return false;
}

bool WriteWholeFile(LPCSTR lpszPath, const std::string& bytes)
{
    try {
        CFile file(lpszPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        file.Close();
    } catch (CException* e) {
        e->Delete();
        return false;
    }
    return true;
}

// The BMP file of the clipboard's CF_DIB; empty without one or when it is
// refused.
std::string ClipboardBmpFile()
{
    HGLOBAL hDib = ::IsClipboardFormatAvailable(CF_DIB) ? ::GetClipboardData(CF_DIB) : nullptr;
    if (hDib == nullptr)
        return std::string();
    CGlobalLock lock(hDib);
    return lock ? BmpFileOfPackedDib(lock.Bytes(), ::GlobalSize(hDib)) : std::string();
}

}  // namespace

BOOL CMainFrame::CachePicture(LPCSTR lpszName, LPCSTR lpszFile, LPCSTR lpszTempBmp, int bDeleteSource)
{
    std::unique_ptr<CPalDIB> pPicture(new CPalDIB);
    if (!pPicture->ReadFile(lpszFile))
        return FALSE;
    if (FindEntry(m_mapPictures, lpszName) == nullptr)
        m_mapPictures.SetAt(lpszName, new PictureCacheEntry(pPicture.release(), lpszTempBmp, bDeleteSource));
    return TRUE;
}

BOOL CMainFrame::LoadPicture(LPCSTR lpszName)
{
    if (FindEntry(m_mapPictures, lpszName) != nullptr || CachePicture(lpszName, lpszName, "", 0))
        return TRUE;
    CString strTempBmp;
    if (!CPalDIB::ConvertToTempBmp(strTempBmp, lpszName))
        return FALSE;
    if (CachePicture(lpszName, strTempBmp, strTempBmp, 0))
        return TRUE;
    ::DeleteFileA(strTempBmp);
    return FALSE;
}

BOOL CMainFrame::DrawPicture(CDC* pDC, const RECT& rect, LPCSTR lpszName, BOOL bStretch)
{
    PictureCacheEntry* pEntry = FindEntry(m_mapPictures, lpszName);
    if (pEntry == nullptr)
        return FALSE;
    pEntry->m_pPicture->m_rcTarget = rect;
    pEntry->m_pPicture->Draw(pDC, bStretch ? CPalDIB::DRAW_STRETCHED : CPalDIB::DRAW_FITTED);
    return TRUE;
}

void CMainFrame::CopyPictureToClipboard(LPCSTR lpszName)
{
    if (lstrlenA(lpszName) >= MIRT_PICTURE_PATH || !LoadPicture(lpszName) || !::OpenClipboard(m_hWnd))
        return;
    const CPalDIB* pPicture = FindEntry(m_mapPictures, lpszName)->m_pPicture;
    HGLOBAL hDib = NewPackedDib(pPicture->m_pBits, pPicture->m_nBytes);
    HGLOBAL hName = NewNameBlock(lpszName);
    if (hDib != nullptr && hName != nullptr && ::EmptyClipboard()) {
        m_cfPicture = ::RegisterClipboardFormatA("CF_VLMDIB");
        if (PutOnClipboard(CF_DIB, hDib))
            PutOnClipboard(m_cfPicture, hName);
        else
            ::GlobalFree(hName);
    } else {
        for (HGLOBAL hBlock : {hDib, hName}) {
            if (hBlock != nullptr)
                ::GlobalFree(hBlock);
        }
    }
    ::CloseClipboard();
}

void CMainFrame::PastePictureFromClipboard(CString& strPath)
{
    strPath.Empty();
    if (!::OpenClipboard(m_hWnd))
        return;
    const std::string file = ClipboardBmpFile();
    ::CloseClipboard();
    if (file.empty())
        return;
    CMirtEnv env;
    const CString strFolder = env.m_strInstallRoot + "\\DATA\\TMPPIC";
    ::CreateDirectoryA(strFolder, nullptr);
    char szPath[MAX_PATH];
    if (::GetTempFileNameA(strFolder, "clp", 0, szPath) == 0)
        return;
    if (!WriteWholeFile(szPath, file) || !CachePicture(szPath, szPath, "", 1)) {
        ::DeleteFileA(szPath);
        return;
    }
    strPath = szPath;
}

void CMainFrame::ClearPictureCache()
{
    for (POSITION pos = m_mapPictures.GetStartPosition(); pos != nullptr;) {
        CString strName;
        CObject* pObject = nullptr;
        m_mapPictures.GetNextAssoc(pos, strName, pObject);
        PictureCacheEntry* pEntry = static_cast<PictureCacheEntry*>(pObject);
        if (!pEntry->m_strTempBmp.IsEmpty())
            ::DeleteFileA(pEntry->m_strTempBmp);
        if (pEntry->m_bDeleteSource)
            ::DeleteFileA(strName);
        delete pEntry;
    }
    m_mapPictures.RemoveAll();
}

void CMainFrame::KeepPagePictures(CNMirtDoc* pPage)
{
    CStringList paths;
    pPage->GetPicPath(paths);
    for (POSITION pos = paths.GetHeadPosition(); pos != nullptr;) {
        if (PictureCacheEntry* pEntry = FindEntry(m_mapPictures, paths.GetNext(pos)); pEntry != nullptr)
            pEntry->m_bDeleteSource = 0;
    }
}
