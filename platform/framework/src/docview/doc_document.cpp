#include <algorithm>
#include <new>
#include <string.h>
#include "afxdlgs.h"
#include "win/winstate.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

namespace {

// The name after the last separator.
CString FileNameOf(const CString& path)
{
    const int nSlash = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    return path.Mid(nSlash + 1);
}

}  // namespace

CDocument::CDocument() : m_bAutoDelete(TRUE), m_pDocTemplate(nullptr), m_bModified(FALSE)
{
}

CDocument::~CDocument()
{
    // Views still attached lose their document.
    for (POSITION pos = m_viewList.GetHeadPosition(); pos != nullptr;)
        static_cast<CView*>(m_viewList.GetNext(pos))->m_pDocument = nullptr;
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    for (POSITION pos = GetFirstViewPosition(); pos != nullptr;) {
        if (CFrameWnd* pFrame = GetNextView(pos)->GetParentFrame(); pFrame != nullptr)
            pFrame->OnUpdateFrameTitle(TRUE);
    }
}

void CDocument::SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU)
{
    char szFull[MAX_PATH];
    const DWORD nFull = ::GetFullPathNameA(lpszPathName, MAX_PATH, szFull, nullptr);
    m_strPathName = nFull > 0 && nFull < MAX_PATH ? CString(szFull) : CString(lpszPathName);
    SetTitle(FileNameOf(m_strPathName));
    if (bAddToMRU && AfxGetApp() != nullptr)
        AfxGetApp()->AddToRecentFileList(m_strPathName);
}

void CDocument::AddView(CView* pView)
{
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    if (POSITION pos = m_viewList.Find(pView); pos != nullptr)
        m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    return static_cast<CView*>(m_viewList.GetNext(rPosition));
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    for (POSITION pos = GetFirstViewPosition(); pos != nullptr;) {
        CView* pView = GetNextView(pos);
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::OnChangedViewList()
{
    if (m_viewList.IsEmpty() && m_bAutoDelete)
        OnCloseDocument();
}

void CDocument::DeleteContents()
{
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCSTR lpszPathName)
{
    CFileException fe;
    CFile file;
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe)) {
        ReportSaveLoadException(lpszPathName, &fe, FALSE, 0);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(TRUE);   // dirty while it is half read
    try {
        CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete);
        ar.m_pDocument = this;
        Serialize(ar);
        ar.Close();
    } catch (CException* e) {
        OpenFailed(file, lpszPathName, e);
        e->Delete();
        return FALSE;
    } catch (const std::bad_alloc&) {
        CMemoryException memoryException(FALSE);
        OpenFailed(file, lpszPathName, &memoryException);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

// What was read goes: the document is empty, clean and no longer that of
// any file, so that no save can put the remains in place of a file.
void CDocument::OpenFailed(CFile& file, LPCSTR lpszPathName, CException* e)
{
    file.Abort();
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    ReportSaveLoadException(lpszPathName, e, FALSE, 0);
}

void CDocument::StoreInto(CFile& file)
{
    CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
    ar.m_pDocument = this;
    Serialize(ar);
    ar.Close();
}

BOOL CDocument::OnSaveDocument(LPCSTR lpszPathName)
{
    try {
        AfxWriteReplacing(lpszPathName, "sav", [this](CFile& file) { StoreInto(file); });
    } catch (CException* e) {
        ReportSaveLoadException(lpszPathName, e, TRUE, 0);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::ReportSaveLoadException(LPCSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault)
{
    // A file error without a file name is about the document's file.
    if (e != nullptr && e->IsKindOf(RUNTIME_CLASS(CFileException))
        && static_cast<CFileException*>(e)->m_strFileName.IsEmpty())
        static_cast<CFileException*>(e)->m_strFileName = lpszPathName;
    char szMessage[512];
    if (e != nullptr && !e->IsKindOf(RUNTIME_CLASS(CUserException)) && e->GetErrorMessage(szMessage, sizeof szMessage)) {
        AfxMessageBox(szMessage, MB_ICONEXCLAMATION);
        return;
    }
    if (e != nullptr && e->IsKindOf(RUNTIME_CLASS(CUserException)))
        return;   // already reported
    CString message;
    if (nIDPDefault == 0 || !message.LoadString(nIDPDefault))
        message = bSaving ? "ドキュメントを保存できませんでした。" : "ドキュメントを開けませんでした。";
    AfxMessageBox(message, MB_ICONEXCLAMATION);
}

void CDocument::OnCloseDocument()
{
    // The frames go with their views; the document must outlive them.
    const BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty()) {
        CView* pView = static_cast<CView*>(m_viewList.GetHead());
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr) {
            PreCloseFrame(pFrame);
            pFrame->DestroyWindow();
        } else {
            pView->DestroyWindow();
        }
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView)
            RemoveView(pView);   // a view that did not go with its window
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString name = m_strPathName.IsEmpty() ? m_strTitle : FileNameOf(m_strPathName);
    CString prompt;
    prompt.Format("%s への変更を保存しますか?", static_cast<LPCSTR>(name));
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::DoFileSave()
{
    const DWORD dwAttrib = m_strPathName.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(m_strPathName);
    if (dwAttrib != INVALID_FILE_ATTRIBUTES && (dwAttrib & FILE_ATTRIBUTE_READONLY))
        return DoSave(nullptr);
    return DoSave(m_strPathName.IsEmpty() ? nullptr : static_cast<LPCSTR>(m_strPathName));
}

BOOL CDocument::DoSave(LPCSTR lpszPathName, BOOL bReplace)
{
    CString newName = lpszPathName != nullptr ? CString(lpszPathName) : CString();
    if (newName.IsEmpty()) {
        newName = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
        CString ext;
        if (m_pDocTemplate != nullptr && m_pDocTemplate->GetDocString(ext, CDocTemplate::filterExt)
            && m_strPathName.IsEmpty() && newName.Find('.') < 0)
            newName += ext;
        if (AfxGetApp() == nullptr
            || !AfxGetApp()->DoPromptFileName(newName, 0, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE,
                m_pDocTemplate))
            return FALSE;
    }
    if (!OnSaveDocument(newName))
        return FALSE;
    if (bReplace)
        SetPathName(newName);
    return TRUE;
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrame)
{
    for (POSITION pos = GetFirstViewPosition(); pos != nullptr;) {
        CFrameWnd* pOther = GetNextView(pos)->GetParentFrame();
        if (pOther != nullptr && pOther != pFrame)
            return TRUE;   // another frame still shows the document
    }
    return SaveModified();
}

void CDocument::PreCloseFrame(CFrameWnd*)
{
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::OnFileClose()
{
    if (SaveModified())
        OnCloseDocument();
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(nullptr);
}
