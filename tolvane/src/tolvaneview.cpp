#include "tolvaneview.h"

#include <memory>

#include "maindatalist.h"
#include "mirtenv.h"
#include "tmbfile.h"
#include "tolvaneapp.h"
#include "tolvanedoc.h"

IMPLEMENT_DYNCREATE(CTolvaneView, CScrollView)

namespace {

// Registered forms have ids from here on.
const UINT kFirstUserForm = 40000;

}  // namespace

CTolvaneView::CTolvaneView() : m_dwSheetValue(0), m_bSheetPresent(0), m_bMapErrorShown(FALSE)
{
}

CTolvaneDoc* CTolvaneView::GetDocument() const
{
    return static_cast<CTolvaneDoc*>(m_pDocument);
}

void CTolvaneView::OnDraw(CDC*)
{
}

void CTolvaneView::OnInitialUpdate()
{
    SetScrollSizes(MM_TEXT, CSize(1, 1));
    CScrollView::OnInitialUpdate();
}

void CTolvaneView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint)
{
    const CTolvaneApp* pApp = TolvaneApp();
    const int nLayoutID = pApp != nullptr ? pApp->m_nLayoutID : 0;
    UpdateTitle(lHint == 0, nLayoutID);
    if (lHint == 0 && nLayoutID > 0)
        ReadTmbFileMap(static_cast<UINT>(nLayoutID));
    CScrollView::OnUpdate(pSender, lHint, pHint);
}

BOOL CTolvaneView::ReadTmbFileMap(UINT nLayoutID)
{
    UINT nKey = nLayoutID;
    if (nLayoutID >= kFirstUserForm) {
        CMainDataList index;
        if (const DWORD dwSource = index.FindSourceId(nLayoutID); dwSource != 0)
            nKey = dwSource;
    }
    CMirtEnv env;
    std::unique_ptr<CMapTmbFile> pMap(new CMapTmbFile);
    try {
        CFile file(env.m_strInstallRoot + TMBFILEMAP_FILE, CFile::modeRead | CFile::shareDenyWrite);
        CArchive ar(&file, CArchive::load, 4096);
        pMap->Serialize(ar);
        ar.Close();
        file.Close();
    } catch (CException* e) {
        ReportMapError(e);
        e->Delete();
        return FALSE;
    }
    // A form without an entry plays no pictures of the form before it.
    const CTmbFile* pEntry = pMap->Lookup(static_cast<WORD>(nKey));
    m_strTmbFrame = pEntry != nullptr ? pEntry->m_strDottedFrame : CString();
    m_strTmbCropMarks = pEntry != nullptr ? pEntry->m_strCropMarks : CString();
    return pEntry != nullptr;
}

void CTolvaneView::ReportMapError(CException* e)
{
    if (m_bMapErrorShown)
        return;
    m_bMapErrorShown = TRUE;
    int nCause = CFileException::generic;
    if (e->IsKindOf(RUNTIME_CLASS(CFileException)))
        nCause = static_cast<CFileException*>(e)->m_cause;
    else if (e->IsKindOf(RUNTIME_CLASS(CArchiveException)))
        nCause = static_cast<CArchiveException*>(e)->m_cause;
    if (e->IsKindOf(RUNTIME_CLASS(CFileException)) && nCause == CFileException::fileNotFound) {
        AfxMessageBox("TMBFILEMAP.DATﾌｧｲﾙがありません", MB_ICONEXCLAMATION);
        return;
    }
    CString strMessage;
    strMessage.Format("ERROR: %d", nCause);
    AfxMessageBox(strMessage);
}

BOOL CTolvaneView::UpdateTitle(BOOL bRenew, int nLayoutID)
{
    if (m_strFormName.IsEmpty() || bRenew) {
        m_strFormName.Empty();
        if (nLayoutID > 0) {
            CMainDataList index;
            m_strSheetName.Empty();
            m_dwSheetValue = 0;
            m_strFormName = index.FindForm(static_cast<DWORD>(nLayoutID), m_strSheetName, m_dwSheetValue);
            if (static_cast<UINT>(nLayoutID) >= kFirstUserForm)
                index.FindForm(index.FindSourceId(static_cast<DWORD>(nLayoutID)), m_strSheetName, m_dwSheetValue);
            m_bSheetPresent = !m_strSheetName.IsEmpty();
        }
    }
    GetDocument()->SetTitle(m_strFormName + " " + GetDocument()->GetFileNameWithExt());
    return TRUE;
}
