#include "dialogs/npropwndime.h"

#include <imm.h>

BEGIN_MESSAGE_MAP(CNPropWndIme, CEdit)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

void CNPropWndIme::OnSetFocus(CWnd* pOldWnd)
{
    CEdit::OnSetFocus(pOldWnd);
    HIMC hImc = ::ImmGetContext(m_hWnd);
    if (hImc == nullptr)
        return;
    if (!::ImmGetOpenStatus(hImc))
        ::ImmSetOpenStatus(hImc, TRUE);
    DWORD dwConversion = 0;
    DWORD dwSentence = 0;
    if (::ImmGetConversionStatus(hImc, &dwConversion, &dwSentence)) {
        dwConversion = (dwConversion | IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE) & ~static_cast<DWORD>(IME_CMODE_KATAKANA);
        ::ImmSetConversionStatus(hImc, dwConversion, dwSentence);
    }
    ::ImmReleaseContext(m_hWnd, hImc);
}

void CNPropWndIme::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    HIMC hImc = ::ImmGetContext(m_hWnd);
    if (hImc == nullptr)
        return;
    if (::ImmGetOpenStatus(hImc))
        ::ImmSetOpenStatus(hImc, FALSE);
    ::ImmReleaseContext(m_hWnd, hImc);
}
