#include "afxgdi.h"

#include "core/errormessage.h"

IMPLEMENT_DYNAMIC(CResourceException, CException)

CResourceException::CResourceException() : CException(TRUE)
{
}

BOOL CResourceException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    static const char message[] = "Windows のリソースが不足しています。";
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    return AfxCopyErrorMessage(message, static_cast<int>(sizeof message - 1), lpszError, nMaxError);
}

void AfxThrowResourceException()
{
    throw new CResourceException;
}
