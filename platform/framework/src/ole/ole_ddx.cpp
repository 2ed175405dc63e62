// DDX_Text of currency amounts and dates.
#include "afxdisp.h"
#include "dialogs/dlg_internal.h"

namespace {

template <class T, class Parse>
void ExchangeOleValue(CDataExchange* pDX, int nIDC, T& value, Parse parse, LPCSTR lpszMessage)
{
    const HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        ::SetWindowTextA(hWndCtrl, value.Format());
        return;
    }
    T parsed;
    if (!parse(parsed, AfxGetWindowTextString(hWndCtrl)))
        AfxFailExchange(pDX, lpszMessage);
    value = parsed;
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, COleCurrency& value)
{
    ExchangeOleValue(pDX, nIDC, value,
        [](COleCurrency& parsed, const CString& text) { return parsed.ParseCurrency(text) != FALSE; },
        "金額を入力してください。");
}

void DDX_Text(CDataExchange* pDX, int nIDC, COleDateTime& value)
{
    ExchangeOleValue(pDX, nIDC, value,
        [](COleDateTime& parsed, const CString& text) { return parsed.ParseDateTime(text); },
        "日付または時刻を入力してください。");
}
