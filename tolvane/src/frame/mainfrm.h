// CMainFrame: the form screen's main frame: the template's menu and
// accelerators, the main tool bar, the page bar and the status bar with the
// field-name and page panes, the screen-wide state the form view reads
// (entry or layout mode, grid mode, alignment), and the picture services of
// the form windows: a cache of decoded pictures by file name, drawn on
// request and carried to and from the clipboard.
#pragma once
#include <afxwin.h>
#include <afxdocview.h>
#include <afxext.h>

#include "frame/editbar.h"
#include "frame/formatbar.h"
#include "resource.h"

class CNMirtDoc;
class CPalDIB;
class CTolvaneView;

class CMainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    // Empties the picture cache: converted pictures' temporary files go,
    // and pasted pictures' files that no stored page named.
    void ClearPictureCache();
    // The page's pictures in the cache are kept past ClearPictureCache.
    void KeepPagePictures(CNMirtDoc* pPage);
    // The picture of the file in the cache (read, or converted from JPEG);
    // FALSE when it cannot be read.
    BOOL LoadPicture(LPCSTR lpszName);
    // Draws the cached picture into the rectangle, stretched when bStretch,
    // else fitted and centred; FALSE when it is not cached.
    BOOL DrawPicture(CDC* pDC, const RECT& rect, LPCSTR lpszName, BOOL bStretch);
    // The picture on the clipboard as CF_DIB, its name as "CF_VLMDIB".
    void CopyPictureToClipboard(LPCSTR lpszName);
    // The clipboard's CF_DIB into a new file of "\DATA\TMPPIC", cached; the
    // file's path, or empty when there is no picture to take.
    void PastePictureFromClipboard(CString& strPath);

    // The layout-mode prompt that replaces the command's own in layout
    // mode; FALSE in entry mode and for other commands.
    BOOL GetLayoutPrompt(UINT nID, CString& strPrompt) const;

    CMapStringToOb m_mapPictures;   // picture file name -> CPictureCacheEntry
    CString m_strFieldName;         // status pane 61456
    CString m_strPageText;          // status pane 61457
    int m_bEntryMode;               // 1 entry mode, 0 layout mode
    int m_nGridMode;                // 0 no grid, 1 grid shown, 2 shown and snapped to
    int m_nAlign;                   // 1 left, 2 right, 3 centre, 4 distributed; 0 none

    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
    CToolBar m_wndPageBar;
    UINT m_cfPicture;               // "CF_VLMDIB"; 0 until the first copy
    CFormatBar m_wndFormatBar;
    CEditBar m_wndEditBar;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnLayoutMode();
    afx_msg void OnUpdateLayoutMode(CCmdUI* pCmdUI);
    afx_msg void OnAlign(UINT nID);
    afx_msg void OnGridMode(UINT nID);
    afx_msg void OnUpdateGridMode(CCmdUI* pCmdUI);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnUpdateFieldName(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePage(CCmdUI* pCmdUI);
    // The active view shows face wParam.
    afx_msg LRESULT OnFaceSelected(WPARAM wParam, LPARAM lParam);
    // The form windows' picture requests; -1 without an active view.
    afx_msg LRESULT OnCopyPicture(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPastePicture(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDrawPicture(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetPicture(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CTolvaneView* FormView() const;
    BOOL CreateMainBars();
    BOOL CreatePageBar();
    // Caches the picture read from the file under the name.
    BOOL CachePicture(LPCSTR lpszName, LPCSTR lpszFile, LPCSTR lpszTempBmp, int bDeleteSource);
};
