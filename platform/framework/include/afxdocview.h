// Documents and views: CDocument, CView, CScrollView, the document
// templates, the frame window that holds a view and its bars, the
// recent-file list and the command-line record of the application.
//
// Commands go from the frame to its active view, the view's document and
// the document's template, then the frame itself and the application; the
// first message map with an entry handles it. Update handlers
// (ON_UPDATE_COMMAND_UI) are routed the same way for menu items as their
// popup opens, and for bar buttons and panes when the thread goes idle.
#pragma once
#include <windows.h>
#include "afxwin.h"
#include "afxcoll.h"
#include "afxres.h"

class CDocument;
class CView;
class CFrameWnd;
class CDocTemplate;
class CControlBar;
class CPrintInfo;
class CPrintDialog;
class CPreviewView;
class CPrintPreviewState;

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

// Private messages of frames and bars.
// wParam a string id, or 0 with lParam the text: the frame's message pane.
#define WM_SETMESSAGESTRING 0x0362
// Sent when the thread goes idle: bars update their buttons and panes
// (wParam: disable those without a handler).
#define WM_IDLEUPDATECMDUI 0x0363

// Frame styles beside the window styles: the document's title is added to
// the frame's.
#define FWS_ADDTOTITLE 0x00008000L

// What a frame needs to make its view.
class CCreateContext
{
public:
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};

// A document: the data a program shows in its views, read and written
// through CArchive by Serialize.
class AFX_API CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    // Sets the title and updates the frames' captions.
    virtual void SetTitle(LPCSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // The full path of the file; the title becomes its file name, and with
    // bAddToMRU the path goes into the application's recent-file list.
    virtual void SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    // The views, in the order they were added.
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    CView* GetNextView(POSITION& rPosition) const;
    // Calls OnUpdate of every view but pSender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = nullptr);

    // Empties the document's data; the default does nothing.
    virtual void DeleteContents();
    // A new, empty document: DeleteContents, not modified, no path.
    virtual BOOL OnNewDocument();
    // Reads the file through Serialize. A failure reports the error and
    // leaves the document empty.
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
    // Writes the document through Serialize into a new file beside the
    // target and puts it in the target's place only once the whole archive
    // is written, so a failed save leaves the old file as it was.
    virtual BOOL OnSaveDocument(LPCSTR lpszPathName);
    // Closes the frames of the document's views and deletes it.
    virtual void OnCloseDocument();
    // Asks "save changes?" (Yes/No/Cancel) when modified; FALSE on Cancel
    // or when the save failed.
    virtual BOOL SaveModified();
    // Saves under lpszPathName, or asks for a name when it is null
    // (Save As). bReplace: the document takes the new name.
    virtual BOOL DoSave(LPCSTR lpszPathName, BOOL bReplace = TRUE);
    // Save: the document's own path, else Save As.
    virtual BOOL DoFileSave();
    // Shows the error of a failed open or save: the exception's own report,
    // else the string nIDPDefault.
    virtual void ReportSaveLoadException(LPCSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault);
    // Whether the frame may close: SaveModified when it holds the
    // document's last view.
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    virtual void PreCloseFrame(CFrameWnd* pFrame);
    virtual void OnChangedViewList();

    // The document's map, then its template's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    BOOL m_bAutoDelete;   // deleted when its last view goes

protected:
    afx_msg void OnFileClose();
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();
    DECLARE_MESSAGE_MAP()

private:
    friend class CDocTemplate;
    // Writes the archive of the document into the open file.
    void StoreInto(CFile& file);
    // A load that failed part-way: the document is left empty, clean and
    // without a path; the failure is reported.
    void OpenFailed(CFile& file, LPCSTR lpszPathName, CException* e);

    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate;
    CPtrList m_viewList;
    BOOL m_bModified;
};

// A window that shows a document: drawn by OnDraw on the screen, on the
// printer and in the print preview.
class AFX_API CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    CView();
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    // Draws the document; pDC may be the screen, a printer or a preview.
    virtual void OnDraw(CDC* pDC) = 0;
    // Called before OnDraw (screen) and before each printed page; for a
    // printer pInfo is the job's, on the screen it is null.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    // After the frame was made: OnUpdate(nullptr, 0, nullptr).
    virtual void OnInitialUpdate();
    // The document changed: the default redraws the whole view.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);

    // Printing: OnPreparePrinting sets the page limits and calls
    // DoPreparePrinting (FALSE cancels the job); OnBeginPrinting and
    // OnEndPrinting bracket the pages; OnPrint draws one page (OnDraw).
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // Shows the print dialog unless printing directly or previewing, then
    // makes the printer's context; FALSE when cancelled or without a
    // printer (which is reported).
    BOOL DoPreparePrinting(CPrintInfo* pInfo);

    // ID_FILE_PRINT (with the print dialog) and ID_FILE_PRINT_DIRECT (on
    // the application's printer): the print loop. After OnBeginPrinting
    // the pages from the dialog's from/to (held to the page limits) are
    // printed in turn while m_bContinuePrinting: OnPrepareDC, StartPage,
    // OnPrint, EndPage; then EndDoc, or AbortDoc after a failed page or
    // the Cancel of the "印刷中" window the job shows (its abort procedure
    // keeps the program's windows answering; the main window is disabled
    // meanwhile); then OnEndPrinting. An exception of the view's functions
    // aborts the document, runs OnEndPrinting once and goes on to the
    // caller.
    afx_msg void OnFilePrint();
    // ID_FILE_PRINT_PREVIEW: DoPrintPreview with the bar AFX_IDD_PREVIEW_TOOLBAR
    // of the program's resources and the framework's CPreviewView; when it
    // is refused, the message AFX_IDP_COMMAND_FAILURE.
    afx_msg void OnFilePrintPreview();
    // Shows the preview of pPrintView (this view): the frame's view and
    // bars hide, a view of pPreviewViewClass and the dialog bar of the
    // template nIDResource take their place until the preview closes.
    // pState, from new, becomes the preview's when it starts. FALSE when
    // the preview could not start (no printer, the view refused); pState
    // is then still the caller's.
    BOOL DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
        CPrintPreviewState* pState);
    // The preview closes: OnEndPrinting, then the frame gets its view
    // and bars back and the preview view goes.
    virtual void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView);

    // The view's map, then its document's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()

    CDocument* m_pDocument;

private:
    friend class CDocument;
};

// A view with scroll bars over a document of a fixed size in logical units
// of a mapping mode. On the screen the viewport origin follows the scroll
// position; printers and the preview see the whole document.
class AFX_API CScrollView : public CView
{
    DECLARE_DYNAMIC(CScrollView)
public:
    CScrollView();

    // The document's size, a page and a line for the scroll bars, all in
    // logical units of nMapMode (MM_TEXT ... MM_TWIPS); zero sizes take a
    // tenth (line) and the whole client (page).
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = CSize(0, 0),
        const SIZE& sizeLine = CSize(0, 0));
    // Position of the top-left corner in logical and in device units.
    CPoint GetScrollPosition() const;
    CPoint GetDeviceScrollPosition() const;
    void ScrollToPosition(POINT pt);
    CSize GetTotalSize() const { return m_totalLog; }
    int GetMapMode() const { return m_nMapMode; }

    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    DECLARE_MESSAGE_MAP()

    // Scrolls one bar for a scroll-bar code; FALSE if nothing moved.
    BOOL OnScrollBy(int nBar, UINT nSBCode, UINT nPos);

private:
    void UpdateBars();
    void ScrollToDevicePosition(POINT ptDev);

    int m_nMapMode;
    CSize m_totalLog;
    CSize m_totalDev;
    CSize m_pageDev;
    CSize m_lineDev;
};

// The application's list of recently used files, kept in its profile
// section as "File1", "File2" ...; most recent first.
class AFX_API CRecentFileList
{
public:
    CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat, int nSize);
    virtual ~CRecentFileList() = default;

    int GetSize() const { return static_cast<int>(m_arrNames.GetSize()); }
    CString& operator[](int nIndex) { return m_arrNames[nIndex]; }
    // Puts the path first; the same path (any case) moves rather than
    // repeats; the last one falls off a full list.
    virtual void Add(LPCSTR lpszPathName);
    virtual void Remove(int nIndex);
    virtual void ReadList();
    virtual void WriteList();
    // The menu items of the list, from the item of pCmdUI on: one per
    // file, "&1 name" ... (the file's name without its folder); with no
    // file the item keeps its own text, greyed.
    virtual void UpdateMenu(CCmdUI* pCmdUI);

    UINT m_nStart;   // command id of the first item

private:
    CString m_strSection;
    CString m_strEntryFormat;
    int m_nMaxSize;
    CStringArray m_arrNames;
    CString m_strOriginal;   // the menu item's text while the list is empty
};

// What the command line asks of the program (CWinApp::ParseCommandLine).
class AFX_API CCommandLineInfo : public CObject
{
public:
    CCommandLineInfo();

    enum
    {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileNothing = -1
    } m_nShellCommand;

    // One word of the command line: bFlag when it began with '-' or '/'
    // (taken off). "p" prints the file on the application's printer, "pt"
    // on the printer named by the words after the file (printer, driver,
    // port); other flags are ignored. The first other word is the file.
    virtual void ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;
};

// Makes documents, their frames and views from resources of one id: the
// string (seven parts separated by "\n": window title, document name, new
// name, filter name, filter extension, file type id, file type name), the
// menu, the accelerators and the icon.
class AFX_API CDocTemplate : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocTemplate)
public:
    enum DocStringIndex
    {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };
    ~CDocTemplate() override;

    // One part of the document string; FALSE when it is empty.
    virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;
    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);
    virtual CDocument* CreateNewDocument();
    // A frame for the document with its view, loaded from the template's
    // resources.
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    // A null path makes a new document.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;

protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
        CRuntimeClass* pViewClass);
};

// One document at a time in one frame: New and Open reuse them.
class AFX_API CSingleDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CSingleDocTemplate)
public:
    CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
        CRuntimeClass* pViewClass);
    ~CSingleDocTemplate() override;

    POSITION GetFirstDocPosition() const override;
    CDocument* GetNextDoc(POSITION& rPos) const override;
    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;
    // The document in place is asked to save its changes, then emptied and
    // reloaded (OnNewDocument or OnOpenDocument); the first call makes the
    // document, its frame and view. Null when anything failed: a file that
    // could not be opened leaves the document as it was, one that failed
    // half read leaves a new, empty document.
    CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    // The document name of the string, else "無題".
    void SetDefaultTitle(CDocument* pDocument) override;

protected:
    CDocument* m_pOnlyDoc;
};

// The state of one print job, shared by the print loop and the view's
// printing functions. It owns its print dialog, which a view may replace
// (delete it, then put its own) in OnPreparePrinting.
class AFX_API CPrintInfo
{
public:
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    // The page limits and the range the user chose, as the dialog has them.
    void SetMinPage(UINT nMinPage);
    void SetMaxPage(UINT nMaxPage);
    UINT GetMinPage() const;
    UINT GetMaxPage() const;
    UINT GetFromPage() const;
    UINT GetToPage() const;

    CPrintDialog* m_pPD;
    BOOL m_bDirect;             // no dialog: the application's printer
    BOOL m_bPreview;
    BOOL m_bContinuePrinting;   // cleared by the view to end the job
    UINT m_nCurPage;            // the page being printed, from 1
    UINT m_nNumPreviewPages;    // pages the preview shows at once (1 or 2)
    CString m_strPageDesc;      // "%u ページ\n%u - %u ページ\n"
    LPVOID m_lpUserData;
    CRect m_rectDraw;           // the printable page in logical units
};

#pragma pack(pop)

#include "afxframe.h"
#include "afxpreview.h"
