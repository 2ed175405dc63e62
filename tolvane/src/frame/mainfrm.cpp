#include "frame/mainfrm.h"

#include "view/tolvaneview.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_FIELDNAME, OnUpdateFieldName)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_PAGE, OnUpdatePage)
    ON_MESSAGE(MsgFaceSelected, OnFaceSelected)
END_MESSAGE_MAP()

namespace {

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_FIELDNAME, ID_INDICATOR_PAGE};

}  // namespace

CMainFrame::CMainFrame() : m_bEntryMode(1), m_nAlign(1)
{
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndStatusBar.Create(this) ||
        !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(sizeof(kIndicators) / sizeof(kIndicators[0]))))
        return -1;
    if (!m_wndFormatBar.CreateOn(this) || !m_wndEditBar.CreateOn(this))
        return -1;
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndFormatBar, AFX_IDW_DOCKBAR_TOP);
    DockControlBar(&m_wndEditBar, AFX_IDW_DOCKBAR_LEFT);
    return 0;
}

void CMainFrame::OnUpdateFieldName(CCmdUI* pCmdUI)
{
    pCmdUI->Enable();
    pCmdUI->SetText(m_strFieldName);
}

void CMainFrame::OnUpdatePage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable();
    pCmdUI->SetText(m_strPageText);
}

LRESULT CMainFrame::OnFaceSelected(WPARAM wParam, LPARAM)
{
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->IsKindOf(RUNTIME_CLASS(CTolvaneView)))
        static_cast<CTolvaneView*>(pView)->ShowMen(static_cast<int>(wParam));
    return 0;
}
