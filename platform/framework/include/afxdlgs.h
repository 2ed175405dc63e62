// Dialogs: CDialog from dialog templates, dialog data exchange and
// validation (CDataExchange, DDX_, DDV_), property sheets and pages, and
// CWaitCursor.
//
// Templates come from the module of AfxGetResourceHandle() when the dialog
// is made. A dialog is attached to its CDialog before its first message;
// its controls can be bound to control objects with DDX_Control or
// SubclassDlgItem. Modal dialogs and property sheets run in
// CWnd::RunModalLoop, where tests answer them (afxdlgseam.h).
#pragma once
#include <windows.h>
#include <prsht.h>
#include "afxwin.h"
#include "afxcoll.h"
#include "afxctrl.h"
#include "afxdlgseam.h"

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

// Thrown to abandon an operation the user has already been told about
// (CDataExchange::Fail after a validation message).
class AFX_API CUserException : public CException
{
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException() = default;
    // The user has been told already: shows nothing.
    int ReportError(UINT nType = MB_OK, UINT nMessageID = 0) override;
};

[[noreturn]] AFX_API void AfxThrowUserException();

class AFX_API CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Modeless: the dialog of the template with pParentWnd (else the main
    // window) as its owner, or its parent for a child template. Its
    // OnInitDialog has run when Create returns.
    virtual BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Modal: makes the dialog, disables its owner and runs a modal loop
    // until EndDialog; then destroys the dialog and returns EndDialog's
    // result (-1 if the dialog could not be made).
    virtual INT_PTR DoModal();
    // Ends the modal loop with nResult, or hides a modeless dialog.
    void EndDialog(int nResult);

    // Keyboard focus among the controls.
    void NextDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 1, 0); }
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID) { SendMessage(DM_SETDEFID, nID); }
    // The default push button's id in the low word, DC_HASDEFID in the high.
    DWORD GetDefID() const { return static_cast<DWORD>(SendMessage(DM_GETDEFID)); }
    // Dialog units of the dialog's font to pixels.
    void MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

    // Sends the dialog's keyboard messages (tab, arrows, enter, escape,
    // mnemonics) through IsDialogMessage.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // WM_INITDIALOG: loads the controls with UpdateData(FALSE). TRUE lets
    // the system set the focus to the first control.
    virtual BOOL OnInitDialog();

    // Commands and update requests the dialog's own map leaves go to the
    // window that owns it (the parent of a child dialog), then to the
    // application; so do clicks of its buttons, whose notification code is
    // the command's. An owner that routes them back reaches only the
    // dialog's own map.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    // IDOK: validates with UpdateData(TRUE) and ends with IDOK.
    virtual void OnOK();
    // IDCANCEL (escape, the close box): ends with IDCANCEL.
    virtual void OnCancel();

    LPCSTR m_lpszTemplateName;   // a name, or an id through MAKEINTRESOURCE
    CWnd* m_pParentWnd;

    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // The dialog of the template under hWndParent, attached to this object.
    BOOL CreateFromTemplate(HWND hWndParent);

    BOOL m_bRoutingOut;   // OnCmdMsg is asking the owner and the application
};

// The state of one exchange between a window's controls and its members.
class AFX_API CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;   // TRUE: controls to members, validated
    CWnd* m_pDlgWnd;           // the window whose controls are exchanged

    // The control nIDC of the window, remembered for validation and Fail.
    // A missing control abandons the exchange (AfxThrowUserException).
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Abandons the exchange after a validation message: puts the focus back
    // on the last control prepared (selecting an edit control's text) and
    // throws CUserException.
    [[noreturn]] void Fail();

    HWND m_hWndLastControl;
    BOOL m_bEditLastControl;
};

// Text of edit and other controls. Numbers that do not parse or do not fit
// their type show the framework's message and fail the exchange. Reals load
// with 15 significant digits, floats with 6.
AFX_API void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
AFX_API void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
AFX_API void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
AFX_API void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
AFX_API void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
AFX_API void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);
AFX_API void DDX_Text(CDataExchange* pDX, int nIDC, short& value);
AFX_API void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
AFX_API void DDX_Text(CDataExchange* pDX, int nIDC, float& value);
// Check box state: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
AFX_API void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// nIDC is the first radio button of a group (WS_GROUP); value is the index
// of the checked button in the group, -1 for none.
AFX_API void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// Subclasses the control into rControl the first time.
AFX_API void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Combo and list box selection by index (-1: none) and by string: loading
// selects the first item starting with the string, else shows the string
// in a drop-down's edit field (nothing is selected); saving gives the
// selected item's text, or a drop-down's edit text.
AFX_API void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
AFX_API void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
AFX_API void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
AFX_API void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);

// Validation of the value just exchanged (follow the DDX_ of the same
// control): out of range shows the framework's message and fails.
AFX_API void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
AFX_API void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
AFX_API void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
// At most nChars bytes; when loading, limits an edit control to nChars.
AFX_API void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);

// A page of a property sheet, from a dialog template. The sheet makes the
// page's window when the page is first shown.
class AFX_API CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    // The caption defaults to the template's; the template comes from the
    // module of AfxGetResourceHandle() at construction.
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0);

    // What the sheet makes the page from: template, caption, flags.
    PROPSHEETPAGEA m_psp;

    // The page is being shown: reloads the controls (UpdateData(FALSE))
    // except the first time, when OnInitDialog did. FALSE refuses.
    virtual BOOL OnSetActive();
    // The page is being left, or the sheet applied: UpdateData(TRUE).
    // FALSE keeps the page.
    virtual BOOL OnKillActive();
    // The sheet's OK or Apply: OnOK. FALSE keeps the sheet open.
    virtual BOOL OnApply();
    // The sheet was cancelled: OnCancel.
    virtual void OnReset();
    // Whether the sheet may be cancelled.
    virtual BOOL OnQueryCancel();
    // The sheet's buttons end the sheet, not the page: these do nothing.
    void OnOK() override;
    void OnCancel() override;

    // The sheet handles the keyboard of its pages.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    void Construct(LPCSTR lpszTemplateName, UINT nIDCaption);
    static INT_PTR CALLBACK PageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    CString m_strCaption;
    BOOL m_bFirstSetActive;
};

// A modal property sheet of the system's common controls over the pages
// added to it; the pages' objects stay the caller's.
class AFX_API CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    // Flags (PSH_NOAPPLYNOW ...) and start page of the sheet; DoModal fills
    // in its caption, pages and owner.
    PROPSHEETHEADERA m_psh;

    void AddPage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const { return static_cast<int>(m_pages.GetSize()); }
    CPropertyPage* GetPage(int nPage) const { return static_cast<CPropertyPage*>(m_pages[nPage]); }
    int GetPageIndex(CPropertyPage* pPage) const;
    // While the sheet is up, the page shown; before, the page it starts on.
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }
    void SetTitle(LPCSTR lpszText);

    // IDOK or IDCANCEL; -1 if the sheet could not be made.
    virtual INT_PTR DoModal();
    // PSBTN_OK, PSBTN_CANCEL, PSBTN_APPLYNOW ...
    void PressButton(int nButton) { SendMessage(PSM_PRESSBUTTON, static_cast<WPARAM>(nButton)); }
    // Ends the modal loop with nEndID.
    void EndDialog(int nEndID);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The loop ends once the sheet's OK or Cancel has closed its pages.
    BOOL ContinueModal() override;

private:
    friend class CPropertyPage;   // tells the sheet it was cancelled
    void Construct(UINT iSelectPage, CWnd* pParentWnd);
    HWND CreateModeless(HWND hWndOwner, PROPSHEETPAGEA* pPages);

    CPtrArray m_pages;
    CString m_strCaption;
    CWnd* m_pParentWnd;
    BOOL m_bCancelled;   // a page has had PSN_RESET
};

// Shows the hourglass while it lives; nested ones restore the cursor of
// the outermost when the last ends.
class AFX_API CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    // Shows the hourglass again (after a message box changed the cursor).
    void Restore();
};

#pragma pack(pop)

// The system's common dialogs.
#include "afxcomdlg.h"
