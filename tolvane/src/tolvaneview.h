// CTolvaneView: the form screen's view. This is the start of the form
// view: it keeps the form's name and input-assistance sheet from the form
// library index, the window title and the crop-mark pictures of the form.
// Showing and editing the form's faces is not here yet; it draws nothing.
#pragma once
#include <afxwin.h>
#include <afxdocview.h>

class CTolvaneDoc;

class CTolvaneView : public CScrollView
{
    DECLARE_DYNCREATE(CTolvaneView)
public:
    CTolvaneView();

    CTolvaneDoc* GetDocument() const;

    // The crop-mark and dotted-frame pictures of the layout (a registered
    // form takes its source form's) from "TMBFILEMAP.DAT". A layout without
    // an entry empties both names and gives FALSE; a missing or unreadable
    // map gives FALSE and is reported once in the view's life.
    BOOL ReadTmbFileMap(UINT nLayoutID);
    // With bRenew (or without a form name) the form name and sheet come
    // again from the index; the document's title becomes the form name, a
    // blank and the file name with its extension. TRUE.
    BOOL UpdateTitle(BOOL bRenew, int nLayoutID);

    CString m_strFormName;
    CString m_strSheetName;      // input-assistance sheet
    DWORD m_dwSheetValue;
    int m_bSheetPresent;
    CString m_strTmbCropMarks;   // metafile for cut-line kind 1
    CString m_strTmbFrame;       // metafile for cut-line kind 2

protected:
    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;
    // Hint 0 (a form for the application's layout): title and crop marks
    // anew; other hints renew the title's file name.
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

private:
    void ReportMapError(CException* e);

    BOOL m_bMapErrorShown;
};
