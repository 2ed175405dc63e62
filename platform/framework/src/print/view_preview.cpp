// Print preview: the frame's view and bars make way for a CPreviewView.
#include "afxdlgs.h"

namespace {

// The id the printing view keeps while the preview has the pane's.
const UINT AFX_IDW_PANE_SAVE = AFX_IDW_PANE_FIRST + 0xFF;

// Gives the frame its view and bars back.
void RestoreFrame(CFrameWnd* pFrame, CPrintPreviewState* pState, CView* pPrintView)
{
    ::SetWindowLongPtrA(pPrintView->m_hWnd, GWLP_ID, AFX_IDW_PANE_FIRST);
    pPrintView->ShowWindow(SW_SHOW);
    for (POSITION pos = pState->barsShown.GetHeadPosition(); pos != nullptr;)
        static_cast<CControlBar*>(pState->barsShown.GetNext(pos))->ShowWindow(SW_SHOWNOACTIVATE);
    pFrame->SetActiveView(pState->pViewActiveOld != nullptr ? pState->pViewActiveOld : pPrintView);
    pFrame->RecalcLayout();
}

}  // namespace

CPrintPreviewState::CPrintPreviewState() : pViewActiveOld(nullptr)
{
}

void CView::OnFilePrintPreview()
{
    CPrintPreviewState* pState = new CPrintPreviewState;
    if (!DoPrintPreview(AFX_IDD_PREVIEW_TOOLBAR, this, RUNTIME_CLASS(CPreviewView), pState)) {
        AfxMessageBox(AFX_IDP_COMMAND_FAILURE);
        delete pState;
    }
}

// A refused preview leaves pState to the caller; the preview view owns it
// from its creation on.
BOOL CView::DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
    CPrintPreviewState* pState)
{
    CFrameWnd* pFrame = GetParentFrame();
    CObject* pObject = pPreviewViewClass != nullptr ? pPreviewViewClass->CreateObject() : nullptr;
    if (pFrame == nullptr || pState == nullptr || pObject == nullptr ||
        !pObject->IsKindOf(RUNTIME_CLASS(CPreviewView))) {
        delete pObject;
        return FALSE;
    }
    CPreviewView* pView = static_cast<CPreviewView*>(pObject);
    pState->pViewActiveOld = pFrame->GetActiveView();
    if (!pView->SetPrintView(pPrintView)) {
        delete pView;
        return FALSE;
    }

    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
        if (pBar->IsVisible()) {
            pState->barsShown.AddTail(pBar);
            pBar->ShowWindow(SW_HIDE);
        }
    }
    pPrintView->ShowWindow(SW_HIDE);
    ::SetWindowLongPtrA(pPrintView->m_hWnd, GWLP_ID, AFX_IDW_PANE_SAVE);

    pView->m_pToolBar = new CDialogBar;
    CCreateContext context;
    context.m_pCurrentFrame = pFrame;
    if (!pView->m_pToolBar->Create(pFrame, nIDResource, CBRS_TOP | WS_VISIBLE, AFX_IDW_PREVIEW_BAR)) {
        RestoreFrame(pFrame, pState, pPrintView);
        delete pView;
        return FALSE;
    }
    // A view that fails deletes itself, with its bar.
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pFrame, AFX_IDW_PANE_FIRST,
            &context)) {
        RestoreFrame(pFrame, pState, pPrintView);
        return FALSE;
    }
    pView->m_pPreviewState = pState;
    pFrame->SetActiveView(pView, FALSE);
    pFrame->RecalcLayout();
    pView->OnInitialUpdate();
    return TRUE;
}

void CView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT, CPreviewView* pView)
{
    OnEndPrinting(pDC, pInfo);
    CFrameWnd* pFrame = pView->GetParentFrame();
    CPrintPreviewState* pState = pView->m_pPreviewState;
    pView->m_pPreviewState = nullptr;
    pFrame->SetActiveView(nullptr, FALSE);
    pView->DestroyWindow();   // deletes the view and its bar
    RestoreFrame(pFrame, pState, this);
    delete pState;
}

