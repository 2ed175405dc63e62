// The system's common dialogs (file, print, font) as CDialog
// objects: the object is attached to the system's dialog while it is up,
// so a derived class gets its messages (OnInitDialog, OnOK, its message
// map), and tests answer it through the modal loop hook as any dialog.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include "afxdlgs.h"

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

class AFX_API CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);

    // While the system's dialog is up: until it ends or hides.
    BOOL ContinueModal() override;
    // Ends the system's dialog through its own OK or Cancel button.
    void EndModalLoop(int nResult) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // The system's dialog handles its own buttons.
    void OnOK() override;
    void OnCancel() override;

    // Called from the hook at the system dialog's WM_INITDIALOG: attaches
    // the object to hWndDialog, runs OnInitDialog and, once the dialog's
    // loop runs, the modal loop hook.
    BOOL AttachSystemDialog(HWND hWndDialog);
    // The owner of the system's dialog.
    HWND OwnerHwnd() const;
    // The hook of a system dialog whose structure TStruct carries the
    // object (a CCommonDialog*) in lCustData.
    template <class TStruct>
    static UINT_PTR CALLBACK HookOf(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
    {
        if (message != WM_INITDIALOG)
            return 0;
        CCommonDialog* pDialog = reinterpret_cast<CCommonDialog*>(reinterpret_cast<TStruct*>(lParam)->lCustData);
        return pDialog->AttachSystemDialog(hWnd);
    }

    afx_msg LRESULT OnDialogReady(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// GetOpenFileName and GetSaveFileName (explorer style).
class AFX_API CFileDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    // lpszFilter: pairs of "name|pattern|", ending with "|".
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
        DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
        CWnd* pParentWnd = nullptr);

    OPENFILENAMEA m_ofn;

    // IDOK or IDCANCEL.
    INT_PTR DoModal() override;
    CString GetPathName() const { return m_szFileName; }
    // The name without its folder.
    CString GetFileName() const;
    // The extension without its dot.
    CString GetFileExt() const;
    // The name without folder and extension.
    CString GetFileTitle() const;

private:
    static UINT_PTR CALLBACK HookProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    BOOL m_bOpenFileDialog;
    CString m_strFilter;   // with NUL separators
    CString m_strDefExt;
    char m_szFileName[MAX_PATH];
    char m_szFileTitle[MAX_PATH];
};

// PrintDlg: the print dialog, or with bPrintSetupOnly the printer
// selection. A derived class gets the dialog's messages.
class AFX_API CPrintDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CPrintDialog)
public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
        DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION,
        CWnd* pParentWnd = nullptr);
    // Deletes the printer's context the dialog made.
    ~CPrintDialog() override;

    // hDevMode and hDevNames are the caller's (the application's).
    PRINTDLGA m_pd;

    // IDOK or IDCANCEL. The print dialog makes the printer's context.
    INT_PTR DoModal() override;
    // The default printer without a dialog (PD_RETURNDEFAULT); FALSE
    // without a printer.
    BOOL GetDefaults();
    // The context of the printer of hDevNames and hDevMode, kept in m_pd.
    HDC CreatePrinterDC();
    HDC GetPrinterDC() const { return m_pd.hDC; }

    int GetCopies() const;
    BOOL PrintCollate() const;
    BOOL PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
    BOOL PrintAll() const { return !PrintRange() && !PrintSelection(); }
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    int GetFromPage() const { return m_pd.nFromPage; }
    int GetToPage() const { return m_pd.nToPage; }
    LPDEVMODEA GetDevMode() const;
    CString GetDriverName() const;
    CString GetDeviceName() const;
    CString GetPortName() const;

private:
    // Part nOffset (wDriverOffset ...) of DEVNAMES.
    CString DevNamesPart(size_t nOffset) const;
};

// ChooseFont: a font, its effects and colour. Sizes are in tenths of points.
class AFX_API CFontDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFontDialog)
public:
    // lplfInitial, when given, is where the dialog starts; pdcPrinter offers
    // that printer's fonts.
    explicit CFontDialog(LPLOGFONTA lplfInitial = nullptr, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
        CDC* pdcPrinter = nullptr, CWnd* pParentWnd = nullptr);

    CHOOSEFONTA m_cf;
    LOGFONTA m_lf;  // the chosen font after IDOK

    // IDOK or IDCANCEL.
    INT_PTR DoModal() override;
    void GetCurrentFont(LPLOGFONTA lplf) const { *lplf = m_lf; }
    CString GetFaceName() const { return m_lf.lfFaceName; }
    int GetSize() const { return m_cf.iPointSize; }
    COLORREF GetColor() const { return m_cf.rgbColors; }
    int GetWeight() const { return m_lf.lfWeight; }
    BOOL IsStrikeOut() const { return m_lf.lfStrikeOut != 0; }
    BOOL IsUnderline() const { return m_lf.lfUnderline != 0; }
    BOOL IsBold() const { return m_lf.lfWeight == FW_BOLD; }
    BOOL IsItalic() const { return m_lf.lfItalic != 0; }

private:
};

#pragma pack(pop)
