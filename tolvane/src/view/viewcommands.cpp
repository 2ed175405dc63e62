// CTolvaneView: the page dialogs' commands, the small commands, focus on
// activation and the enabling of commands in the data mode and for files
// of an older product.
#include "frame/mainfrm.h"
#include "mirtenv.h"
#include "view/pagedlg.h"
#include "document/tolvanedoc.h"
#include "view/tolvaneview.h"

namespace {

const char kAddFailed[] = "ページの追加に失敗しました。";
const char kNoNewFromOlder[] = "旧製品のファイルからは新規作成できません。";

}  // namespace

BOOL CTolvaneView::AskPagePosition(int& nPosition)
{
    CPageDlg dlg(this);
    dlg.m_nPlace = CPageDlg::PLACE_AFTER_SHOWN;
    dlg.m_nPageNumber = 1;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    switch (dlg.m_nPlace) {
    case CPageDlg::PLACE_AFTER_SHOWN:
        nPosition = m_nCurrentPage + 1;
        return TRUE;
    case CPageDlg::PLACE_FIRST:
        nPosition = 0;
        return TRUE;
    case CPageDlg::PLACE_LAST:
        if (GetPageCount() == -1) {
            AfxMessageBox(kAddFailed);
            return FALSE;
        }
        nPosition = -1;
        return TRUE;
    case CPageDlg::PLACE_AFTER_PAGE:
        nPosition = dlg.m_nPageNumber;
        return TRUE;
    default:
        return FALSE;
    }
}

void CTolvaneView::OnNewPage()
{
    int nPosition = 0;
    if (AskPagePosition(nPosition))
        AddPage(nPosition);
}

void CTolvaneView::OnDuplicatePage()
{
    int nPosition = 0;
    if (AskPagePosition(nPosition))
        DuplicatePage(nPosition);
}

void CTolvaneView::OnGotoPage()
{
    CGotoPageDlg dlg(this);
    dlg.m_nPageNumber = 1;
    if (dlg.DoModal() != IDOK)
        return;
    int nPage = dlg.m_nPageNumber;
    if (nPage > GetPageCount())
        nPage = GetPageCount();
    if (nPage < 1)
        nPage = 1;
    if (!CommitShownPage())
        return;
    if (PageAt(nPage - 1) != nullptr)
        ShowPage(nPage - 1);
}

void CTolvaneView::OnFileNewForm()
{
    const CTolvaneDoc* pDoc = GetDocument();
    if (pDoc != nullptr && pDoc->m_cVersion == 0) {
        AfxMessageBox(kNoNewFromOlder);
        return;
    }
    if (CMainFrame* pFrame = MainFrame(); pFrame != nullptr)
        pFrame->PostMessage(WM_COMMAND, ID_FILE_NEW);
}

void CTolvaneView::OnCalculator()
{
    CMirtEnv env;
    const CString strPath = env.m_strInstallRoot + "\\EXE\\Tarnick.exe";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    char szCommandLine[1] = "";
    if (!::CreateProcessA(strPath, szCommandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        ::MessageBoxA(m_hWnd, "計算機を起動できません", "計算機起動失敗", MB_ICONEXCLAMATION);
        return;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

void CTolvaneView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    if (bActivate)
        PostMessage(MsgFocusFirstChild);
    CScrollView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

LRESULT CTolvaneView::OnFocusFirstChild(WPARAM, LPARAM)
{
    for (CWnd* pChild = GetWindow(GW_CHILD); pChild != nullptr; pChild = pChild->GetWindow(GW_HWNDNEXT)) {
        CRect rect;
        pChild->GetWindowRect(&rect);
        ScreenToClient(&rect);
        if (rect.right > 0 && rect.bottom > 0) {
            pChild->SetFocus();
            break;
        }
    }
    return 1;
}

LRESULT CTolvaneView::OnZoomDone(WPARAM, LPARAM)
{
    m_bZoomBusy = 0;
    return 0;
}

void CTolvaneView::OnUpdateNewOrSave(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_bDataLink && GetDocument()->m_cVersion != 0);
}

void CTolvaneView::OnUpdateNotOlder(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetDocument()->m_cVersion != 0);
}

void CTolvaneView::OnUpdateNotDataLink(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_bDataLink);
}

void CTolvaneView::OnUpdatePaperInfo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_bDataLink && GetDocument()->m_cVersion != 0);
}

void CTolvaneView::OnUpdateGotoPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_bDataLink && GetPageCount() >= 2);
}
