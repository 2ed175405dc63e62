// CMainFrame: the form screen's main frame: the framework's frame with the
// template's menu, the status bar with the field-name and page panes, and
// the screen-wide state the form view reads.
#pragma once
#include <afxwin.h>
#include <afxdocview.h>
#include <afxext.h>

#include "frame/editbar.h"
#include "frame/formatbar.h"
#include "resource.h"

class CMainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();

    CString m_strFieldName;   // status pane 61456
    CString m_strPageText;    // status pane 61457
    int m_bEntryMode;         // 1 entry mode, 0 layout mode
    int m_nAlign;             // of the current field: 1 left, 2 right, 3 centre, 4 distributed

    CStatusBar m_wndStatusBar;
    CFormatBar m_wndFormatBar;
    CEditBar m_wndEditBar;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnUpdateFieldName(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePage(CCmdUI* pCmdUI);
    // The active view shows face wParam.
    afx_msg LRESULT OnFaceSelected(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
