#include "afxdisp.h"
#include "core/errormessage.h"

IMPLEMENT_DYNAMIC(COleException, CException)

COleException::COleException(SCODE sc) : m_sc(sc)
{
}

BOOL COleException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    char szMessage[512];
    const DWORD nLength = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(m_sc), 0, szMessage, sizeof szMessage, nullptr);
    return nLength != 0 && AfxCopyErrorMessage(szMessage, static_cast<int>(nLength), lpszError, nMaxError);
}

void AfxThrowOleException(SCODE sc)
{
    throw new COleException(sc);
}

void AfxCheckError(SCODE sc)
{
    if (sc == E_OUTOFMEMORY)
        AfxThrowMemoryException();
    if (FAILED(sc))
        AfxThrowOleException(sc);
}
