// CTolvaneView: the form screen's view. It shows one face of the shown page
// of the form at a zoom: the document's print frame holds the page, its face
// window the face with the entry windows of its fields (children of the
// view). It builds both at every form load and page change, keeps the page
// list of the document, and keeps the form's name and input-assistance
// sheet from the form library index, the window title and the crop-mark
// pictures of the form.
#pragma once
#include <afxwin.h>
#include <afxdocview.h>

#include <memory>

#include "printing/prnopt.h"
#include "view/fieldattributes.h"
#include "view/wholeimagedlg.h"

class CEditBar;
class CFormatBar;
class CMainDataList;
class CMainFrame;
class CMirtBasePrtFrm;
class CMirtBaseMen;
class CNMirtDoc;
class CStrel95Data;
class CTolvaneDoc;

// The view's own messages.
#define MsgLayoutModeSwitch 0x40D   // wParam: the new entry-mode flag
#define MsgViewRedraw 0x40F
#define MsgFocusFirstChild 0x4FA
#define MsgApplyAttributes 0x40E   // wParam 1: the attribute state; 0: keep all
#define MsgApplyToSpaces 0x6BE
#define MsgForcedZoom 0x697
#define MsgZoomDone 0x698

class CTolvaneView : public CScrollView
{
    DECLARE_DYNCREATE(CTolvaneView)
public:
    // What CommitAndSwitchPage does after committing the shown page.
    enum
    {
        PAGE_CREATE = 0,         // the container, with the shown page only
        PAGE_APPEND_EMPTY = 1,
        PAGE_INSERT_EMPTY = 2,
        PAGE_APPEND_COPY = 3,
        PAGE_INSERT_COPY = 4,
        PAGE_COMMIT = 5,
        PAGE_DELETE = 6,
        PAGE_COMMIT_QUIET = 7    // no focus given back
    };

    // Registered forms have ids from here on.
    static const UINT kFirstUserForm = 40000;

    CTolvaneView();
    ~CTolvaneView() override;

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

    // The shown page into the page list, which is then rebuilt from copies
    // as the operation says; FALSE (the old list kept) on failure.
    BOOL CommitAndSwitchPage(int nOperation, int nPosition, BOOL bRestoreFocus);
    // A new empty page or a copy of the shown page before page nPosition
    // (-1 or the count: at the end), then shown.
    BOOL AddPage(int nPosition);
    BOOL DuplicatePage(int nPosition);
    // The pages of the document; -1 without a page container.
    int GetPageCount() const;
    // "shown/countﾍﾟｰｼﾞ" in the main frame's page pane.
    void UpdatePageIndicator();
    // The field of the kept focus order, else the first field, gets the focus.
    void RestoreFocus();

    // The fit zoom for a paper of that size (0.1 mm) on a screen of that
    // size (pixels), held to the zoom steps.
    static int FitZoom(int nPaperWidth, int nPaperHeight, int nScreenWidth, int nScreenHeight);
    // The zoom step after (bIn) or before nZoom; nZoom itself at an end of
    // the steps or when it is no step.
    static int NextZoomStep(int nZoom, BOOL bIn);
    // Where the view scrolls to bring a field whose top-left corner is at
    // ptField (scrolled pixels) into sight: the first cell of the cell
    // size that holds it, cells taken column by column over the total size
    // with the last column and row at its far edges. FALSE beyond 100 cells
    // or when no cell holds the point.
    static BOOL FindScrollCell(CPoint ptField, CSize sizeTotal, CSize sizeCell, CPoint& ptScroll);
    // The face window rebuilt at that zoom; nothing when it has it already.
    void SetZoom(int nPercent);
    // Face nMen (1-based) shown; gives the face shown before.
    int ShowMen(int nMen);

    // The application's printer settings set to fit the form; FALSE
    // (reported) without a printer.
    BOOL MatchPrinterPaper();

    // The preview's first zoom state (7..12) for a form of that size in
    // screen pixels in a client area of that size; 0 for an empty form.
    static UINT PreviewFitClass(CSize sizeClient, CSize sizeForm);
    // The form's stored print options, when it has a record, become the
    // view's.
    BOOL LookupPrintOptions();
    // The print options dialog; the view, the print frame and the stored
    // record take what it gives. TRUE when a value changed.
    BOOL EditPrintOptions();

    CString m_strFormName;
    CString m_strSheetName;      // input-assistance sheet
    DWORD m_dwSheetValue;
    int m_bSheetPresent;
    CString m_strTmbCropMarks;   // metafile for cut-line kind 1
    CString m_strTmbFrame;       // metafile for cut-line kind 2

    int m_bDataLink;
    int m_nMenCount;
    int m_bMultiMen;
    int m_nCurrentMen;           // 1-based
    int m_bLoaded;
    int m_nZoom;                 // percent; 0: fit at the next form load
    int m_nCurrentPage;          // 0-based
    int m_bPageChanged;
    CRect m_rectForm;            // 0.1 mm
    CRect m_rectPaper;           // 0.1 mm
    CRect m_rectPaperPix;        // pixels at 100 %
    int m_nPaperKind;
    int m_nRuledLineColor;
    int m_nCutLineKind;
    int m_nScale;
    int m_nAutoPaper;
    int m_nLeftOffset;           // mm
    int m_nTopOffset;            // mm
    CMirtBasePrtFrm* m_pJobFrame;   // the print job's, owned, or null
    CPrnOptMap m_prnOpts;        // by base layout id
    BOOL m_bRestricted;          // an older product's document
    UINT m_nPreviewFitClass;
    BOOL m_bCollate;
    UINT m_nKeptFocusOrder;
    int m_bZoomBusy;
    CFieldAttributes m_attr;     // of the current field
    int m_bFontListFilled;
    CWholeImageDlg m_wndWholeImage;        // made at the first form load
    CMirtBasePrtFrm* m_pWholeImageFrame;   // the page it shows, owned, or null
    CMirtBaseMen* m_pFaceClipboard;        // the copied face, window-less, owned, or null
    CMirtBasePrtFrm* m_pFaceUndoPage;      // the page before the last face paste, owned, or null

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;
    // Rebuilds the print frame and the face window: hint 0 the form of the
    // application's layout, 1 the given page (or the first), 2 a new page
    // of the held form.
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;

    // Printing: copies and collation are the view's; each running page
    // loads its document page into the job frame.
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    afx_msg void OnPrintForm();
    afx_msg void OnPrintPreviewForm();
    afx_msg void OnPrinterSelect();
    afx_msg void OnPrintOptions();
    afx_msg void OnAutoPaperSize();
    afx_msg void OnUpdateAutoPaperSize(CCmdUI* pCmdUI);
    // The supported papers of the form (a registered form: of its source
    // form) shown by CQuorix; the form's sheet comes again from the index.
    afx_msg void OnPaperInfo();

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg LRESULT OnViewRedraw(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUserModify(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUserSetGrp(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFirstField(WPARAM wParam, LPARAM lParam);
    // The next (lParam 1) or previous field of the face.
    afx_msg LRESULT OnUserMove(WPARAM wParam, LPARAM lParam);
    // A repaint request of the face window: its rectangle (the sender keeps
    // it), or the whole face written back into the print frame.
    afx_msg LRESULT OnRedrawRect(WPARAM wParam, LPARAM lParam);
    // The focused field's format record: the attribute state, the frame's
    // alignment and field name. The record is freed here.
    afx_msg LRESULT OnFieldFormat(WPARAM wParam, LPARAM lParam);
    // The attribute state (wParam 1) or a keep-all record (wParam 0,
    // lParam 0) to the focused field.
    afx_msg LRESULT OnApplyAttributes(WPARAM wParam, LPARAM lParam);

    // Attributes.
    afx_msg void OnBold();
    afx_msg void OnItalic();
    afx_msg void OnUpdateBold(CCmdUI* pCmdUI);
    afx_msg void OnUpdateItalic(CCmdUI* pCmdUI);
    afx_msg void OnUpdateAlign(CCmdUI* pCmdUI);
    afx_msg void OnUpdateFormatCombo(CCmdUI* pCmdUI);
    afx_msg void OnNumKind(UINT nID);
    afx_msg void OnUpdateNumKind(CCmdUI* pCmdUI);
    afx_msg LRESULT OnFocusFirstChild(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnZoomDone(WPARAM wParam, LPARAM lParam);
    // wParam: the zoom to go back to, with a message.
    afx_msg LRESULT OnForcedZoom(WPARAM wParam, LPARAM lParam);

    // Face commands of the whole-image window.
    afx_msg void OnFaceCopy();
    afx_msg void OnFacePaste();
    afx_msg void OnFacePasteAll();
    // The page and the face undo page change places.
    afx_msg void OnFaceUndo();
    afx_msg void OnNextFace();

    // Zoom.
    afx_msg void OnZoomIn();
    afx_msg void OnZoomOut();
    afx_msg void OnZoom100();
    afx_msg void OnUpdateZoomIn(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomOut(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoom100(CCmdUI* pCmdUI);

    // Pages.
    afx_msg void OnNextPage();
    afx_msg void OnPrevPage();
    afx_msg void OnFirstPage();
    afx_msg void OnLastPage();
    afx_msg void OnDeletePage();
    afx_msg void OnUpdateNextPage(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePrevPage(CCmdUI* pCmdUI);
    afx_msg void OnUpdateDeletePage(CCmdUI* pCmdUI);
    afx_msg void OnNewPage();
    afx_msg void OnDuplicatePage();
    afx_msg void OnGotoPage();

    // Small commands and the enabling of the data mode.
    afx_msg void OnFileNewForm();
    afx_msg void OnCalculator();
    afx_msg void OnUpdateNewOrSave(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNotOlder(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNotDataLink(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePaperInfo(CCmdUI* pCmdUI);
    afx_msg void OnUpdateGotoPage(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    CMainFrame* MainFrame() const;
    BOOL IsEntryMode() const;
    CStrel95Data* PageContainer() const;
    CNMirtDoc* PageAt(int nIndex) const;
    // The face window of the document, or null.
    CMirtBaseMen* FaceWindow() const;

    // Form loading steps.
    BOOL LoadForm(LPARAM lHint, CNMirtDoc* pHint);
    // The print frame takes the layout of the application's layout id;
    // pChosen is the page to show (a registered form may supply it).
    BOOL LoadLayout(LPARAM lHint, std::unique_ptr<CNMirtDoc>& pChosen);
    // The chosen page's layout into the print frame; FALSE (reported with
    // bReport) without a page or layout.
    BOOL TakeChosenLayout(CNMirtDoc* pChosen, BOOL bReport);
    // A registered form: its ".ORG" file, or the base layout of the chosen
    // page when the file is missing, unreadable, empty or of another base.
    BOOL LoadUserForm(LPARAM lHint, UINT nLayoutID, std::unique_ptr<CNMirtDoc>& pChosen);
    // The chosen page's layout and the application take its base layout id;
    // the document is modified.
    void FallBackToBaseLayout(CNMirtDoc* pChosen);
    // Every face of a registered form once through entry windows of a
    // temporary face window, written back into the print frame.
    void PassFacesThroughEntryWindows(int nGroupFlag);
    static BOOL IsUserForm(int nLayoutID);
    // Form rectangle, paper rectangle and faces from the print frame.
    BOOL TakeFaceInformation();
    // The flag of CreateWindowForGroup for the hint and the start's layout.
    int GroupFlag(LPARAM lHint, int nStartID) const;
    // Face 1 of the print frame into the face window with its entry windows.
    void ShowFirstFace(int nGroupFlag);
    void SetScrollSizesForZoom();
    // The device scroll position in layout units, for the face window.
    CSize ScrollMargin() const;
    // The window with the focus scrolled into sight unless 2 by 2 pixels of
    // it show; the face window's margin follows.
    void ScrollFocusIntoView();
    // A new face window of the document, for the view at the zoom.
    void NewFaceWindow();

    // The face window written into the print frame and made anew.
    void RenewFaceWindow(BOOL bRestoreFocus, int nOperation);
    // A page of the print frame with its fields cleared, or null.
    CNMirtDoc* EmptyPage() const;
    BOOL AddOrDuplicate(int nPosition, BOOL bDuplicate);
    // The shown page committed; FALSE (reported) on failure, and the page
    // stays shown with its values.
    BOOL CommitShownPage();
    void ShowPage(int nPage);
    // The page dialog's place as a position; FALSE when nothing is to be done.
    BOOL AskPagePosition(int& nPosition);

    // Whether the focus allows attributes.
    BOOL CanSetAttributes() const;
    // The bold (3) or italic (4) change to the field or the picked spaces.
    void PostStyleChange(int nKind);
    // The document modified and the page changed.
    void MarkChanged();
    // What the user chose in the format bar's boxes into the attribute
    // state; the attributes not chosen keep the field's values.
    void TakeFormatBarChanges();

    // A zoom step unless a zoom command is still running.
    void StepZoom(BOOL bIn);
    // The waiting messages handled, then the busy flag cleared.
    void EndZoomCommand();

    // The source layout id that the index gives a registered form; else,
    // or without one, the layout id itself.
    static UINT SourceLayoutOf(const CMainDataList& index, UINT nLayoutID);
    void ReportMapError(CException* e);
    // The whole view and its children at once.
    void RedrawNow();

    // The page on paper: placed, scaled and overlaid as the options say.
    void DrawOnPaper(CDC* pDC);
    // The form's crop-mark or dotted-frame picture over the blank page,
    // shifted by the print offsets.
    void PlayCutLines(CDC* pDC);
    // The job frame with the form's layout; FALSE (reported) when it
    // cannot take it.
    BOOL MakeJobFrame();
    // The key of the form's print options: the layout id, for a registered
    // form the base layout id of the shown page's layout; FALSE when there
    // is none or it does not fit a key.
    BOOL PrintOptionKey(WORD& wKey) const;
    // A record of the view's values replaces the form's, and the file is
    // written.
    void StorePrintOptions();
    // The document frame's page and its layout copied into pTarget; FALSE
    // without a page or when pTarget cannot take its layout.
    BOOL CopyDocumentPage(CMirtBasePrtFrm* pTarget);

    // The frame's bars; null without them.
    CFormatBar* FormatBar() const;
    CEditBar* EditBar() const;
    // The zoom in the edit bar's zoom display.
    void ShowZoomText();
    // The whole-image window made on first use and placed at the screen's
    // lower right, given the sheet's faces, shown for a form of several
    // faces and hidden otherwise.
    void ShowWholeImage();
    // The whole-image window's page copy made anew from the document's
    // frame and the picture repainted; no copy without the window or for a
    // form of one face.
    void RefreshWholeImage();
    void DropWholeImageCopy();
    // The page copy alone made anew; FALSE when the picture has none.
    BOOL RenewWholeImageCopy();

    // The face clipboard into the current face, or into every face.
    void PasteFace(BOOL bAll);
    // A window-less face for the view at the zoom, filled with face nMen of
    // the print frame.
    CMirtBaseMen* NewWindowlessFace(UINT nMen);
    // A window-less copy of the document frame's page at the zoom, every
    // face copied in; null when it cannot take the layout.
    CMirtBasePrtFrm* NewFaceUndoPage();
    // Every face of pFrom written into pTo through a window-less face.
    void CopyFaces(CMirtBasePrtFrm* pFrom, CMirtBasePrtFrm* pTo);
    // The face window written back into the print frame.
    void CommitFaceWindow();
    // The face window made anew from the current face of the print frame;
    // the shown one is dropped unwritten.
    void RebuildFaceWindow();
    // The whole-image window's buttons as its flags say (several faces).
    void RefreshFaceButtons();
    void DropFaceUndoPage();
    void DropFaceClipboard();

    BOOL m_bMapErrorShown;
};

// A copy of the page (header and blob); null when memory runs out.
CNMirtDoc* CopyPage(CNMirtDoc* pPage);
// The built-in layout that a registered form was made from (setting B of
// the page's layout); 0 without a layout or for a built-in form.
UINT BaseLayoutOf(const CNMirtDoc* pPage);
