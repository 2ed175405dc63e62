// A small document/view application for the tests: a memo document of a
// text and a number, a scroll view, a frame with a tool bar, a status bar
// and a dialog bar, and handlers that count the commands they get.
#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "afxdlgs.h"
#include "docview_resource.h"

// Which object handled a command: counts per command id.
typedef std::vector<std::string> Log;

struct CommandLog
{
    std::map<UINT, std::string> handledBy;
    void Record(UINT nID, const char* who) { handledBy[nID] = who; }
};
CommandLog& TheCommandLog();

class CMemoDoc : public CDocument
{
    DECLARE_DYNCREATE(CMemoDoc)
public:
    CString m_strText;
    int m_nValue = 0;
    // Storing writes this many filler bytes after the fields, then throws
    // a disk-full file exception; 0 stores normally.
    static int s_nFailAfterBytes;
    // Loading throws std::bad_alloc after the text.
    static BOOL s_bLoadRunsOutOfMemory;

    void Serialize(CArchive& ar) override;
    void DeleteContents() override;

protected:
    afx_msg void OnDocCommand();
    afx_msg void OnSharedCommand();
    afx_msg void OnUpdateDocCommand(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

class CMemoView : public CScrollView
{
    DECLARE_DYNCREATE(CMemoView)
public:
    CMemoDoc* GetDocument() const { return static_cast<CMemoDoc*>(m_pDocument); }

    int m_nInitialUpdates = 0;
    LPARAM m_lLastHint = -1;
    CObject* m_pLastHint = nullptr;
    int m_nUpdates = 0;
    UINT m_nLastRangeID = 0;
    BOOL m_bChecked = TRUE;

    // The calls of OnActivateView ("view 1 self self": activated, both
    // views this one) and OnActivateFrame ("frame 2": the state).
    std::vector<std::string> m_activations;

    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd) override;

    // Printing: the document has m_nPages pages; OnBeginPrinting sets the
    // range to m_nFrom..m_nTo when they are not 0, and ends the job with
    // m_bStopAtBegin; OnPrepareDC ends the job after page m_nStopAfter
    // when it is not 0. Each call is logged
    // ("prepare", "begin", "dc 1", "print 1", ..., "end"). Page n is a
    // black bar whose place depends on n.
    UINT m_nPages = 2;
    UINT m_nFrom = 0;
    UINT m_nTo = 0;
    UINT m_nStopAfter = 0;
    BOOL m_bStopAtBegin = FALSE;
    // Put in the job's record in place of the framework's print dialog.
    CPrintDialog* m_pOwnDialog = nullptr;
    std::vector<std::string> m_printLog;
    // Called with each entry as it is logged (a test may throw from it).
    std::function<void(const std::string&)> m_onPrintStep;
    // The bar of page n in units of the printable area, out of 100.
    static CRect PageBar(UINT nPage);

    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

protected:
    void LogPrintStep(const std::string& entry);

    afx_msg void OnViewCommand();
    afx_msg void OnSharedCommand();
    afx_msg void OnRangeCommand(UINT nID);
    afx_msg void OnUpdateChecked(CCmdUI* pCmdUI);
    afx_msg void OnUpdateSubFirst(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePane(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

class CMemoFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CMemoFrame)
public:
    CToolBar m_wndToolBar;
    CStatusBar m_wndStatusBar;
    CDialogBar m_wndDialogBar;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnFrameCommand();
    DECLARE_MESSAGE_MAP()
};

class CMemoApp : public CWinApp
{
public:
    CMemoApp();
    // Sets up the module, the profile under HKCU\Software\SuiteTests and
    // the memo template.
    void SetUp();

protected:
    afx_msg void OnAppCommand();
    DECLARE_MESSAGE_MAP()
};

// Each test gets a fresh application with the memo template and, after
// NewDocument(), its frame, view and document.
class DocViewTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // File > New through the application; the frame and view are made the
    // first time.
    void NewDocument();
    CMemoFrame* Frame() const { return static_cast<CMemoFrame*>(m_app.m_pMainWnd); }
    CMemoView* View() const { return static_cast<CMemoView*>(Frame()->GetActiveView()); }
    CMemoDoc* Doc() const { return View()->GetDocument(); }
    CSingleDocTemplate* Template() const;
    // Makes the application's printer one that does not exist.
    void UseMissingPrinter();

    CMemoApp m_app;
};
