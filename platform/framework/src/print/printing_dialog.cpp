#include "print/printing_dialog.h"

#include <string>
#include <vector>

#include "afxwin.h"

namespace {

// The caption, the static that names the page, and Cancel.
const char kCaption[] = "印刷中";
const char kPageFormat[] = "%u ページ";
const char kCancel[] = "キャンセル";
const int kNameId = 100;
const int kPageId = 101;
const WORD kButtonAtom = 0x0080;
const WORD kStaticAtom = 0x0082;
const UINT kTextCodePage = 932;

CPrintingDialog* s_pShown = nullptr;

// A dialog template in memory, built field by field.
class CTemplateWriter
{
public:
    void Dialog(DWORD dwStyle, WORD nItems, short cx, short cy, const char* pszCaption)
    {
        Dword(dwStyle);
        Dword(0);
        m_words.push_back(nItems);
        Rect(0, 0, cx, cy);
        m_words.push_back(0);   // no menu
        m_words.push_back(0);   // the dialog class
        Text(pszCaption);
        m_words.push_back(9);   // DS_SETFONT: points, then the face
        Text("MS Shell Dlg");
    }

    void Item(DWORD dwStyle, short x, short y, short cx, short cy, WORD nId, WORD nClassAtom, const char* pszText)
    {
        if (m_words.size() % 2 != 0)
            m_words.push_back(0);   // items start on a DWORD
        Dword(dwStyle | WS_CHILD | WS_VISIBLE);
        Dword(0);
        Rect(x, y, cx, cy);
        m_words.push_back(nId);
        m_words.push_back(0xFFFF);
        m_words.push_back(nClassAtom);
        Text(pszText);
        m_words.push_back(0);   // no creation data
    }

    const DLGTEMPLATE* Template() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void Dword(DWORD dw)
    {
        m_words.push_back(LOWORD(dw));
        m_words.push_back(HIWORD(dw));
    }
    void Rect(short x, short y, short cx, short cy)
    {
        for (short value : {x, y, cx, cy})
            m_words.push_back(static_cast<WORD>(value));
    }
    void Text(const char* psz)
    {
        const int nChars = ::MultiByteToWideChar(kTextCodePage, 0, psz, -1, nullptr, 0);
        std::vector<WCHAR> wide(nChars > 0 ? nChars : 1, L'\0');
        ::MultiByteToWideChar(kTextCodePage, 0, psz, -1, wide.data(), nChars);
        m_words.insert(m_words.end(), wide.begin(), wide.end());
    }

    std::vector<WORD> m_words;
};

}  // namespace

CPrintingDialog::CPrintingDialog(HWND hWndOwner, LPCSTR lpszDocName)
    : m_hWndOwner(hWndOwner), m_bOwnerWasEnabled(FALSE), m_hDlg(nullptr), m_bCancelled(FALSE),
      m_pPrevious(s_pShown)
{
    CTemplateWriter writer;
    writer.Dialog(WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME | DS_CENTER | DS_SETFONT, 3, 160, 70, kCaption);
    writer.Item(SS_CENTER | SS_NOPREFIX, 5, 8, 150, 10, kNameId, kStaticAtom, lpszDocName);
    writer.Item(SS_CENTER, 5, 22, 150, 10, kPageId, kStaticAtom, "");
    writer.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 55, 45, 50, 14, IDCANCEL, kButtonAtom, kCancel);
    m_hDlg = ::CreateDialogIndirectParamA(AfxGetInstanceHandle(), writer.Template(), hWndOwner, &DialogProc,
        reinterpret_cast<LPARAM>(this));
    if (m_hWndOwner != nullptr)
        m_bOwnerWasEnabled = !::EnableWindow(m_hWndOwner, FALSE);
    s_pShown = this;
}

CPrintingDialog::~CPrintingDialog()
{
    s_pShown = m_pPrevious;
    if (m_hWndOwner != nullptr && m_bOwnerWasEnabled)
        ::EnableWindow(m_hWndOwner, TRUE);
    if (m_hDlg != nullptr)
        ::DestroyWindow(m_hDlg);
}

void CPrintingDialog::ShowPage(UINT nPage)
{
    char szPage[32];
    ::wsprintfA(szPage, kPageFormat, nPage);
    if (m_hDlg != nullptr)
        ::SetDlgItemTextA(m_hDlg, kPageId, szPage);
}

BOOL CPrintingDialog::Pump()
{
    MSG msg;
    while (!m_bCancelled && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));   // for the program's own loop
            break;
        }
        if (m_hDlg == nullptr || !::IsDialogMessageA(m_hDlg, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return !m_bCancelled;
}

BOOL CALLBACK CPrintingDialog::AbortProc(HDC, int)
{
    return s_pShown == nullptr || s_pShown->Pump();
}

INT_PTR CALLBACK CPrintingDialog::DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrA(hDlg, DWLP_USER, lParam);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        auto* pDialog = reinterpret_cast<CPrintingDialog*>(::GetWindowLongPtrA(hDlg, DWLP_USER));
        if (pDialog != nullptr)
            pDialog->m_bCancelled = TRUE;
        ::EnableWindow(::GetDlgItem(hDlg, IDCANCEL), FALSE);
        return TRUE;
    }
    return FALSE;
}
