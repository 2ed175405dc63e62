// CMainFrame: the form screen's main frame. For now the framework's frame
// with the template's menu; the bars and screen-wide state come later.
#pragma once
#include <afxwin.h>
#include <afxdocview.h>

class CMainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
};
