// BSTRs of the system's automation calls as framework strings.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include "afxstr.h"

// The text of bstr in the ANSI code page; frees bstr.
CString AfxTakeBstrText(BSTR bstr);

// A value read from text by one of the system's VarXxxFromStr conversions.
template <class T>
HRESULT AfxVarFromText(HRESULT(STDAPICALLTYPE* pfnFromStr)(OLECHAR*, LCID, ULONG, T*), LPCSTR lpszText, LCID lcid,
    DWORD dwFlags, T* pResult)
{
    BSTR bstr = CString(lpszText).AllocSysString();
    const HRESULT hr = pfnFromStr(bstr, lcid, dwFlags, pResult);
    ::SysFreeString(bstr);
    return hr;
}

// The text of a value by one of the system's VarBstrFromXxx conversions;
// empty when it failed.
template <class T>
CString AfxVarToText(HRESULT(STDAPICALLTYPE* pfnToBstr)(T, LCID, ULONG, BSTR*), T value, LCID lcid, DWORD dwFlags)
{
    BSTR bstr = nullptr;
    return SUCCEEDED(pfnToBstr(value, lcid, dwFlags, &bstr)) ? AfxTakeBstrText(bstr) : CString();
}
