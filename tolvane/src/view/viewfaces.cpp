// CTolvaneView: the face commands of the whole-image window: a face copied
// and pasted onto the current face or onto every face, the face undo that
// swaps the page with the page as it was before the last paste, and the
// next face.
#include <memory>

#include "frame/mainfrm.h"
#include "mirtbasemen.h"
#include "mirtbaseprtfrm.h"
#include "mirtmsgs.h"
#include "resource.h"
#include "document/tolvanedoc.h"
#include "view/tolvaneview.h"

CMirtBaseMen* CTolvaneView::NewWindowlessFace(UINT nMen)
{
    std::unique_ptr<CMirtBaseMen> pMen(new CMirtBaseMen);
    pMen->SetParentWnd(this);
    pMen->SetPercent(static_cast<UINT>(m_nZoom));
    GetDocument()->m_pPrtFrm->SetMen(pMen.get(), nMen);
    return pMen.release();
}

void CTolvaneView::CopyFaces(CMirtBasePrtFrm* pFrom, CMirtBasePrtFrm* pTo)
{
    for (int nMen = 1; nMen <= m_nMenCount; ++nMen) {
        CMirtBaseMen men;
        men.SetParentWnd(this);
        men.SetPercent(static_cast<UINT>(m_nZoom));
        pFrom->SetMen(&men, static_cast<UINT>(nMen));
        pTo->GetMen(&men, static_cast<UINT>(nMen), 1);
    }
}

CMirtBasePrtFrm* CTolvaneView::NewFaceUndoPage()
{
    CMirtBasePrtFrm* pSource = GetDocument()->m_pPrtFrm;
    std::unique_ptr<CMirtBasePrtFrm> pCopy(new CMirtBasePrtFrm);
    // A registered form has no layout file: the page's own layout then.
    if (pCopy->SetFormat(pSource->GetLayoutID()) == 0 && !CopyDocumentPage(pCopy.get()))
        return nullptr;
    pCopy->SetPercent(static_cast<UINT>(m_nZoom));
    CopyFaces(pSource, pCopy.get());
    return pCopy.release();
}

void CTolvaneView::CommitFaceWindow()
{
    CTolvaneDoc* pDoc = GetDocument();
    if (pDoc->m_pPrtFrm != nullptr && pDoc->m_pMen != nullptr)
        pDoc->m_pPrtFrm->GetMen(pDoc->m_pMen, static_cast<UINT>(m_nCurrentMen), 1);
}

void CTolvaneView::RebuildFaceWindow()
{
    CTolvaneDoc* pDoc = GetDocument();
    pDoc->DeleteFaceWindow();
    NewFaceWindow();
    pDoc->m_pPrtFrm->SetMen(pDoc->m_pMen, static_cast<UINT>(m_nCurrentMen));
    pDoc->m_pMen->CreateWindowForGroup(0);
    if (IsEntryMode())
        PostMessage(MsgFirstField);
}

void CTolvaneView::RefreshFaceButtons()
{
    if (m_bMultiMen && m_wndWholeImage.m_wndToolBar.GetSafeHwnd() != nullptr)
        m_wndWholeImage.EnableFaceButtons(TRUE);
}

void CTolvaneView::DropFaceUndoPage()
{
    delete m_pFaceUndoPage;
    m_pFaceUndoPage = nullptr;
    m_wndWholeImage.SetUndoAvailable(0);
    RefreshFaceButtons();
}

void CTolvaneView::DropFaceClipboard()
{
    delete m_pFaceClipboard;
    m_pFaceClipboard = nullptr;
    m_wndWholeImage.SetPasteAvailable(0);
    RefreshFaceButtons();
}

void CTolvaneView::OnFaceCopy()
{
    CTolvaneDoc* pDoc = GetDocument();
    if (pDoc->m_pPrtFrm == nullptr || pDoc->m_pMen == nullptr)
        return;
    CommitFaceWindow();
    delete m_pFaceClipboard;
    m_pFaceClipboard = NewWindowlessFace(static_cast<UINT>(m_nCurrentMen));
    m_wndWholeImage.SetPasteAvailable(1);
    RefreshFaceButtons();
}

void CTolvaneView::OnFacePaste()
{
    PasteFace(FALSE);
}

void CTolvaneView::OnFacePasteAll()
{
    PasteFace(TRUE);
}

void CTolvaneView::PasteFace(BOOL bAll)
{
    CTolvaneDoc* pDoc = GetDocument();
    if (m_pFaceClipboard == nullptr || pDoc->m_pPrtFrm == nullptr || pDoc->m_pMen == nullptr)
        return;
    CommitFaceWindow();
    std::unique_ptr<CMirtBasePrtFrm> pBefore(NewFaceUndoPage());
    if (pBefore == nullptr)
        return;
    delete m_pFaceUndoPage;
    m_pFaceUndoPage = pBefore.release();
    const int nFirst = bAll ? 1 : m_nCurrentMen;
    const int nLast = bAll ? m_nMenCount : m_nCurrentMen;
    for (int nMen = nFirst; nMen <= nLast; ++nMen)
        pDoc->m_pPrtFrm->GetMen(m_pFaceClipboard, static_cast<UINT>(nMen), 1);
    RebuildFaceWindow();
    MarkChanged();
    RedrawNow();
    if (RenewWholeImageCopy()) {
        CWholeImageWnd& picture = m_wndWholeImage.m_wndPicture;
        if (bAll)
            picture.Invalidate();
        else
            picture.SendMessage(MsgRepaintFace, static_cast<WPARAM>(m_nCurrentMen));
    }
    m_wndWholeImage.SetUndoAvailable(1);
    RefreshFaceButtons();
}

void CTolvaneView::OnFaceUndo()
{
    CTolvaneDoc* pDoc = GetDocument();
    if (pDoc->m_pPrtFrm == nullptr || m_pFaceUndoPage == nullptr)
        return;
    CommitFaceWindow();
    std::unique_ptr<CMirtBasePrtFrm> pBefore(NewFaceUndoPage());
    if (pBefore == nullptr)
        return;
    CopyFaces(m_pFaceUndoPage, pDoc->m_pPrtFrm);
    // A second undo puts back what this one took away.
    delete m_pFaceUndoPage;
    m_pFaceUndoPage = pBefore.release();
    RebuildFaceWindow();
    MarkChanged();
    RefreshWholeImage();
    RedrawNow();
}

void CTolvaneView::OnNextFace()
{
    CWholeImageWnd& picture = m_wndWholeImage.m_wndPicture;
    const int nShown = picture.m_nCurrentMen;
    picture.m_nCurrentMen = nShown > 0 && nShown < m_nMenCount ? nShown + 1 : 1;
    if (CMainFrame* pFrame = MainFrame(); pFrame != nullptr)
        pFrame->PostMessage(MsgFaceSelected, static_cast<WPARAM>(picture.m_nCurrentMen));
    if (picture.GetSafeHwnd() != nullptr)
        picture.Invalidate();
}
