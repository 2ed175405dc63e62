#include "afxgdi.h"
#include <cstring>

IMPLEMENT_DYNAMIC(CResourceException, CException)

CResourceException::CResourceException() : CException(TRUE)
{
}

BOOL CResourceException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    static const char message[] = "Windows のリソースが不足しています。";
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    if (lpszError == nullptr || nMaxError == 0)
        return TRUE;
    // As much as fits, ending on a character boundary.
    UINT nCopy = 0;
    while (message[nCopy] != '\0') {
        const UINT nChar = ::IsDBCSLeadByteEx(932, static_cast<BYTE>(message[nCopy])) ? 2 : 1;
        if (nCopy + nChar > nMaxError - 1)
            break;
        nCopy += nChar;
    }
    std::memcpy(lpszError, message, nCopy);
    lpszError[nCopy] = '\0';
    return TRUE;
}

void AfxThrowResourceException()
{
    throw new CResourceException;
}
