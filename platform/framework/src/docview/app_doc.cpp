// The application's documents: templates, New and Open, the recent-file
// list and the idle updates of the commands' state.
#include <algorithm>
#include "afxdlgs.h"
#include "win/winstate.h"

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
END_MESSAGE_MAP()

namespace {

// The path without the double quotes a command line may put around it.
CString Unquoted(LPCSTR lpszFileName)
{
    CString name(lpszFileName);
    name.TrimLeft();
    name.TrimRight();
    if (name.GetLength() >= 1 && name[0] == '"')
        name = name.Mid(1);
    if (name.GetLength() >= 1 && name[name.GetLength() - 1] == '"')
        name = name.Left(name.GetLength() - 1);
    return name;
}

}  // namespace

void CWinApp::DeleteDocumentState()
{
    while (!m_templateList.IsEmpty())
        delete static_cast<CDocTemplate*>(m_templateList.RemoveHead());
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    FreePrinterDefaults();
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    m_templateList.AddTail(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_templateList.GetHeadPosition();
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& rPosition) const
{
    return static_cast<CDocTemplate*>(m_templateList.GetNext(rPosition));
}

CDocument* CWinApp::OpenDocumentFile(LPCSTR lpszFileName)
{
    if (m_templateList.IsEmpty())
        return nullptr;
    CDocTemplate* pTemplate = static_cast<CDocTemplate*>(m_templateList.GetHead());
    const CString name = Unquoted(lpszFileName);
    char szFull[MAX_PATH];
    const DWORD nFull = ::GetFullPathNameA(name, MAX_PATH, szFull, nullptr);
    const CString path = nFull > 0 && nFull < MAX_PATH ? CString(szFull) : name;
    // A file that is open already is shown, not read again.
    for (POSITION pos = pTemplate->GetFirstDocPosition(); pos != nullptr;) {
        CDocument* pDoc = pTemplate->GetNextDoc(pos);
        if (!pDoc->GetPathName().IsEmpty() && pDoc->GetPathName().CompareNoCase(path) == 0)
            return pDoc;
    }
    return pTemplate->OpenDocumentFile(path);
}

void CWinApp::OnFileNew()
{
    if (!m_templateList.IsEmpty())
        static_cast<CDocTemplate*>(m_templateList.GetHead())->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    CString fileName;
    if (DoPromptFileName(fileName, 0, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE, nullptr))
        OpenDocumentFile(fileName);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

BOOL CWinApp::SaveAllModified()
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
        if (!GetNextDocTemplate(pos)->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;)
        GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
    CDocTemplate* pTemplate)
{
    if (pTemplate == nullptr && !m_templateList.IsEmpty())
        pTemplate = static_cast<CDocTemplate*>(m_templateList.GetHead());
    CString filterName;
    CString filterExt;
    CString filter;
    if (pTemplate != nullptr && pTemplate->GetDocString(filterName, CDocTemplate::filterName)
        && pTemplate->GetDocString(filterExt, CDocTemplate::filterExt)) {
        filter = filterName + "|*" + filterExt + "|";
    }
    filter += "すべてのファイル (*.*)|*.*||";
    CFileDialog dialog(bOpenFileDialog, filterExt.IsEmpty() ? nullptr : static_cast<LPCSTR>(filterExt.Mid(1)),
        fileName, lFlags | OFN_OVERWRITEPROMPT, filter, nullptr);
    CString title;
    if (nIDSTitle != 0 && title.LoadString(nIDSTitle))
        dialog.m_ofn.lpstrTitle = title;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    fileName = dialog.GetPathName();
    return TRUE;
}

void CWinApp::AddToRecentFileList(LPCSTR lpszPathName)
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->Add(lpszPathName);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (nMaxMRU == 0)
        return;
    m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d",
        static_cast<int>(std::min(nMaxMRU, static_cast<UINT>(ID_FILE_MRU_FILE16 - ID_FILE_MRU_FILE1 + 1))));
    m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->WriteList();
}

BOOL CWinApp::OnOpenRecentFile(UINT nID)
{
    const int nIndex = static_cast<int>(nID - ID_FILE_MRU_FILE1);
    if (m_pRecentFileList == nullptr || nIndex >= m_pRecentFileList->GetSize())
        return FALSE;
    // A file that cannot be opened any more leaves the list.
    if (OpenDocumentFile((*m_pRecentFileList)[nIndex]) == nullptr)
        m_pRecentFileList->Remove(nIndex);
    return TRUE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    if (m_pRecentFileList == nullptr)
        pCmdUI->Enable(FALSE);
    else
        m_pRecentFileList->UpdateMenu(pCmdUI);
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount == 0 && m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr) {
        m_pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        m_pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    }
    return CWinThread::OnIdle(lCount);
}
