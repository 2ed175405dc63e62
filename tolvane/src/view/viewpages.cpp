// CTolvaneView: the pages of the document. The shown page lives in the print
// frame and the face window; committing writes it into the page list, which
// is rebuilt from copies.
#include <memory>

#include "frame/mainfrm.h"
#include "mirtbasemen.h"
#include "mirtbaseprtfrm.h"
#include "mirtfileio.h"
#include "mirtmsgs.h"
#include "nmirtdoc.h"
#include "strel95data.h"
#include "document/tolvanedoc.h"
#include "view/tolvaneview.h"

namespace {

const char kNoMemoryInit[] = "メモリ不足により作成に失敗しました(CStrel95DataINIT)。\n"
                             "起動中の他のｱﾌﾟﾘｹｰｼｮﾝを終了し､再度操作を行ってみてください。";
const char kNoMemoryContainer[] = "メモリ不足により作成に失敗しました(CStrel95Data)。\n"
                                  "起動中の他のｱﾌﾟﾘｹｰｼｮﾝを終了し､再度操作を行ってみてください。";
const char kNoMemoryDupIns[] = "メモリ不足によりページ作成に失敗しました。(CNMirtDoc,DUPINS)\n"
                               "起動中の他のｱﾌﾟﾘｹｰｼｮﾝを終了し､再度操作を行ってみてください。";
const char kNoMemoryExisting[] = "メモリ不足によりページ作成に失敗しました。(CNMirtDoc,EXIS)\n"
                                 "起動中の他のｱﾌﾟﾘｹｰｼｮﾝを終了し､再度操作を行ってみてください。";
const char kNoMemoryDupAdd[] = "メモリ不足によりページ作成に失敗しました。(CNMirtDoc,DUPADD)\n"
                               "起動中の他のｱﾌﾟﾘｹｰｼｮﾝを終了し､再度操作を行ってみてください。";
const char kFailed[] = "処理に失敗しました。";
const char kCannotDelete[] = "削除できませんでした。";
const char kDeleteQuestion[] = "一旦削除したページは復元できません。\n削除してよろしいですか？";
const char kDeleteFailed[] = "削除に失敗しました。";

// Appends pPage to pList; a null page (no memory) shows the message.
BOOL AppendPage(CStrel95Data& list, CNMirtDoc* pPage, LPCSTR pszNoMemory)
{
    if (pPage == nullptr) {
        AfxMessageBox(pszNoMemory);
        return FALSE;
    }
    list.AddTail(pPage);
    return TRUE;
}

}  // namespace

CStrel95Data* CTolvaneView::PageContainer() const
{
    const CTolvaneDoc* pDoc = GetDocument();
    return pDoc != nullptr && pDoc->m_pFileIO != nullptr ? pDoc->m_pFileIO->GetStrelData() : nullptr;
}

int CTolvaneView::GetPageCount() const
{
    const CStrel95Data* pData = PageContainer();
    return pData != nullptr ? static_cast<int>(const_cast<CStrel95Data*>(pData)->GetMirtDocList()->GetCount()) : -1;
}

CNMirtDoc* CTolvaneView::PageAt(int nIndex) const
{
    CStrel95Data* pData = PageContainer();
    if (pData == nullptr || nIndex < 0)
        return nullptr;
    POSITION pos = pData->GetMirtDocList()->FindIndex(nIndex);
    return pos != nullptr ? static_cast<CNMirtDoc*>(pData->GetMirtDocList()->GetAt(pos)) : nullptr;
}

CNMirtDoc* CTolvaneView::EmptyPage() const
{
    CNMirtDoc* pPage = GetDocument()->m_pPrtFrm->GetData(0, 0);
    if (pPage != nullptr)
        pPage->ClearRealData(0);
    return pPage;
}

void CTolvaneView::RenewFaceWindow(BOOL bRestoreFocus, int nOperation)
{
    CTolvaneDoc* pDoc = GetDocument();
    m_nKeptFocusOrder = pDoc->m_pMen->GetFocusOrderNo();
    pDoc->m_pPrtFrm->GetMen(pDoc->m_pMen, static_cast<UINT>(m_nCurrentMen), 1);
    pDoc->DeleteFaceWindow();
    NewFaceWindow();
    pDoc->m_pPrtFrm->SetMen(pDoc->m_pMen, static_cast<UINT>(m_nCurrentMen));
    pDoc->m_pMen->CreateWindowForGroup(0);
    if (IsEntryMode() && nOperation != PAGE_COMMIT_QUIET && bRestoreFocus)
        RestoreFocus();
}

BOOL CTolvaneView::CommitAndSwitchPage(int nOperation, int nPosition, BOOL bRestoreFocus)
{
    CWaitCursor wait;
    CMainFrame* pFrame = MainFrame();
    CTolvaneDoc* pDoc = GetDocument();
    if (pFrame == nullptr || pDoc == nullptr || pDoc->m_pPrtFrm == nullptr)
        return FALSE;
    if (bRestoreFocus)
        pFrame->m_bEntryMode = 1;
    if (nOperation != PAGE_CREATE && pDoc->m_pMen != nullptr)
        RenewFaceWindow(bRestoreFocus, nOperation);
    std::unique_ptr<CNMirtDoc> pShown(pDoc->m_pPrtFrm->GetData(0, 0));
    if (pShown == nullptr)
        return FALSE;
    CStrel95Data* pOld = PageContainer();
    if ((pOld == nullptr) != (nOperation == PAGE_CREATE))
        return FALSE;
    std::unique_ptr<CStrel95Data> pNew;
    try {
        pNew.reset(new CStrel95Data);
    } catch (CMemoryException* e) {
        e->Delete();
        AfxMessageBox(pOld == nullptr ? kNoMemoryInit : kNoMemoryContainer);
        return FALSE;
    }
    if (pOld == nullptr) {
        pFrame->KeepPagePictures(pShown.get());
        pNew->AddTail(pShown.release());
        pDoc->m_pFileIO->AddList(pNew.release());
        return TRUE;
    }
    CNMirtDoc* pShownPage = pShown.get();
    CObList* pList = pOld->GetMirtDocList();
    int i = 0;
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr; ++i) {
        CNMirtDoc* pPage = static_cast<CNMirtDoc*>(pList->GetNext(pos));
        if (nOperation == PAGE_INSERT_COPY && i == nPosition && !AppendPage(*pNew, CopyPage(pShownPage), kNoMemoryDupIns))
            return FALSE;
        if (nOperation == PAGE_INSERT_EMPTY && i == nPosition && !AppendPage(*pNew, EmptyPage(), kNoMemoryContainer))
            return FALSE;
        if (i != m_nCurrentPage) {
            if (!AppendPage(*pNew, CopyPage(pPage), kNoMemoryExisting))
                return FALSE;
        } else if (nOperation != PAGE_DELETE) {
            pNew->AddTail(pShown.release());
        }
    }
    if (nOperation == PAGE_APPEND_COPY && !AppendPage(*pNew, CopyPage(pShownPage), kNoMemoryDupAdd))
        return FALSE;
    if (nOperation == PAGE_APPEND_EMPTY && !AppendPage(*pNew, EmptyPage(), kNoMemoryContainer))
        return FALSE;
    if (nOperation != PAGE_DELETE)
        pFrame->KeepPagePictures(pShownPage);
    pDoc->m_pFileIO->AddList(pNew.release());
    return TRUE;
}

BOOL CTolvaneView::AddOrDuplicate(int nPosition, BOOL bDuplicate)
{
    CTolvaneDoc* pDoc = GetDocument();
    if (pDoc == nullptr || MainFrame() == nullptr)
        return FALSE;
    const int nCount = GetPageCount();
    if (nPosition > nCount)
        nPosition = nCount;
    const BOOL bAtEnd = nPosition == -1 || nPosition == nCount;
    const int nOperation = bDuplicate ? (bAtEnd ? PAGE_APPEND_COPY : PAGE_INSERT_COPY)
                                      : (bAtEnd ? PAGE_APPEND_EMPTY : PAGE_INSERT_EMPTY);
    if (!CommitAndSwitchPage(nOperation, nPosition, TRUE)) {
        AfxMessageBox(kFailed);
        return FALSE;
    }
    m_nCurrentPage = bAtEnd ? (nCount > 0 ? nCount : 0) : nPosition;
    pDoc->UpdateAllViews(nullptr, bDuplicate ? 1 : 2, PageAt(m_nCurrentPage));
    pDoc->SetModifiedFlag(TRUE);
    if (!bDuplicate)
        m_bPageChanged = 1;
    return TRUE;
}

BOOL CTolvaneView::AddPage(int nPosition)
{
    return AddOrDuplicate(nPosition, FALSE);
}

BOOL CTolvaneView::DuplicatePage(int nPosition)
{
    return AddOrDuplicate(nPosition, TRUE);
}

BOOL CTolvaneView::CommitShownPage()
{
    // Not every entry window reports its changes: the shown page is always
    // committed before another is shown.
    if (CommitAndSwitchPage(PAGE_COMMIT, 0, TRUE))
        return TRUE;
    AfxMessageBox(kFailed);
    return FALSE;
}

void CTolvaneView::ShowPage(int nPage)
{
    m_nCurrentPage = nPage;
    GetDocument()->UpdateAllViews(nullptr, 1, PageAt(nPage));
}

void CTolvaneView::OnNextPage()
{
    if (!CommitShownPage() || GetPageCount() <= 0)
        return;
    if (m_nCurrentPage + 1 < GetPageCount())
        ShowPage(m_nCurrentPage + 1);
}

void CTolvaneView::OnPrevPage()
{
    if (!CommitShownPage() || GetPageCount() <= 0)
        return;
    if (m_nCurrentPage != 0)
        ShowPage(m_nCurrentPage - 1);
}

void CTolvaneView::OnFirstPage()
{
    if (CommitShownPage() && GetPageCount() > 0)
        ShowPage(0);
}

void CTolvaneView::OnLastPage()
{
    if (CommitShownPage() && GetPageCount() > 0)
        ShowPage(GetPageCount() - 1);
}

void CTolvaneView::OnDeletePage()
{
    const int nCount = GetPageCount();
    if (nCount <= 1) {
        AfxMessageBox(kCannotDelete);
        return;
    }
    if (AfxMessageBox(kDeleteQuestion, MB_OKCANCEL) != IDOK)
        return;
    if (!CommitAndSwitchPage(PAGE_DELETE, 0, TRUE)) {
        AfxMessageBox(kDeleteFailed);
        return;
    }
    if (m_nCurrentPage >= nCount - 1)
        m_nCurrentPage = nCount - 2;
    ShowPage(m_nCurrentPage);
    Invalidate();
    GetDocument()->SetModifiedFlag(TRUE);
}

void CTolvaneView::OnUpdateNextPage(CCmdUI* pCmdUI)
{
    const int nCount = GetPageCount();
    pCmdUI->Enable(!m_bDataLink && nCount >= 2 && m_nCurrentPage != nCount - 1);
}

void CTolvaneView::OnUpdatePrevPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_bDataLink && GetPageCount() >= 2 && m_nCurrentPage != 0);
}

void CTolvaneView::OnUpdateDeletePage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_bDataLink && GetPageCount() >= 2);
}

void CTolvaneView::UpdatePageIndicator()
{
    const int nCount = GetPageCount();
    if (nCount < m_nCurrentPage + 1)
        m_nCurrentPage = nCount - 1;
    CMainFrame* pFrame = MainFrame();
    if (pFrame == nullptr)
        return;
    pFrame->m_strPageText.Format("%d/%dﾍﾟｰｼﾞ", m_nCurrentPage + 1, nCount);
}

void CTolvaneView::RestoreFocus()
{
    if (IsEntryMode() && !m_bDataLink && FaceWindow() != nullptr) {
        if (m_nKeptFocusOrder != 0)
            FaceWindow()->SetFocusByOrderNo(m_nKeptFocusOrder);
        else
            PostMessage(MsgFirstField);
    }
    m_nKeptFocusOrder = 0;
}
