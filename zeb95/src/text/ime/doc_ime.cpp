#include "text/ime/doc_ime.h"

#include <imm.h>
#include <winnls32.h>

#include "text/doc/doc_record.h"

namespace {

const DWORD kKeptConversion = IME_CMODE_ROMAN;

// The conversion mode of modes 4-7.
DWORD ConversionOf(int nMode)
{
    switch (nMode)
    {
    case 4:
        return IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE;
    case 5:
        return IME_CMODE_NATIVE | IME_CMODE_KATAKANA | IME_CMODE_FULLSHAPE;
    case 6:
        return IME_CMODE_NATIVE | IME_CMODE_KATAKANA;
    default:
        return IME_CMODE_FULLSHAPE;
    }
}

int ApplyToContext(HIMC hImc, int nMode)
{
    if (nMode <= 2)
        return ::ImmSetOpenStatus(hImc, nMode == 1) ? 1 : 0;
    if (!::ImmGetOpenStatus(hImc))
        ::ImmSetOpenStatus(hImc, TRUE);
    DWORD dwConversion = 0;
    DWORD dwSentence = 0;
    ::ImmGetConversionStatus(hImc, &dwConversion, &dwSentence);
    dwConversion = (dwConversion & kKeptConversion) | ConversionOf(nMode);
    return ::ImmSetConversionStatus(hImc, dwConversion, dwSentence) ? 1 : 0;
}

const int kDisabled = 3;

}  // namespace

int DocSetImeMode(HWND hwnd, int nMode)
{
    if (nMode == kDisabled)
    {
        HIMC hImc = ::ImmGetContext(hwnd);
        if (hImc != nullptr)
        {
            if (::ImmGetOpenStatus(hImc))
                ::ImmSetOpenStatus(hImc, FALSE);
            ::ImmReleaseContext(hwnd, hImc);
        }
        return ::WINNLSEnableIME(hwnd, FALSE);
    }
    if (!::WINNLSEnableIME(hwnd, TRUE) || nMode < 1 || nMode > kZebMostImeMode)
        return 0;
    HIMC hImc = ::ImmGetContext(hwnd);
    if (hImc == nullptr)
        return 0;
    const int nResult = ApplyToContext(hImc, nMode);
    ::ImmReleaseContext(hwnd, hImc);
    return nResult;
}

int DocGetImeMode(HWND hwnd)
{
    HIMC hImc = ::ImmGetContext(hwnd);
    if (hImc == nullptr)
        return -1;
    int nMode = kDisabled;
    if (::WINNLSGetEnableStatus(hwnd))
    {
        DWORD dwConversion = 0;
        DWORD dwSentence = 0;
        ::ImmGetConversionStatus(hImc, &dwConversion, &dwSentence);
        const DWORD dwKatakana = IME_CMODE_NATIVE | IME_CMODE_KATAKANA;
        const bool bOpen = ::ImmGetOpenStatus(hImc) != FALSE;
        nMode = !bOpen ? 2 : (dwConversion & dwKatakana) == dwKatakana ? 6 : 1;
    }
    ::ImmReleaseContext(hwnd, hImc);
    return nMode;
}

int DocChangeImeMode(HWND hwnd, int nMode)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || nMode < 0 || nMode > kZebMostImeMode)
        return -1;
    const int nPrevious = pDoc->nImeMode;
    pDoc->nImeMode = nMode;
    if (nMode != 0 && ::GetFocus() == hwnd)
        DocSetImeMode(hwnd, nMode);
    return nPrevious;
}

void DocSaveAndApplyIme(HWND hwnd)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || pDoc->nImeMode < 1 || pDoc->nImeMode > kZebMostImeMode)
        return;
    pDoc->nSavedImeMode = DocGetImeMode(hwnd);
    if (pDoc->nSavedImeMode == -1)
        return;
    HIMC hImc = ::ImmGetContext(hwnd);
    DWORD dwConversion = 0;
    DWORD dwSentence = 0;
    if (hImc != nullptr && ::ImmGetConversionStatus(hImc, &dwConversion, &dwSentence))
    {
        pDoc->dwSavedImeConversion = dwConversion;
        pDoc->dwSavedImeSentence = dwSentence;
    }
    if (hImc != nullptr)
        ::ImmReleaseContext(hwnd, hImc);
    DocSetImeMode(hwnd, pDoc->nImeMode);
}

void DocRestoreIme(HWND hwnd)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || pDoc->nImeMode < 1 || pDoc->nImeMode > kZebMostImeMode || pDoc->nSavedImeMode < 1)
        return;
    if (pDoc->nSavedImeMode == kDisabled)
    {
        DocSetImeMode(hwnd, kDisabled);
        return;
    }
    ::WINNLSEnableIME(hwnd, TRUE);
    HIMC hImc = ::ImmGetContext(hwnd);
    if (hImc == nullptr)
        return;
    ::ImmSetOpenStatus(hImc, pDoc->nSavedImeMode != 2);
    ::ImmSetConversionStatus(hImc, pDoc->dwSavedImeConversion, pDoc->dwSavedImeSentence);
    ::ImmReleaseContext(hwnd, hImc);
}
