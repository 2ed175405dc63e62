// ASSERT and TRACE of builds without NDEBUG.
#include "afx.h"
#include <stdarg.h>
#include <stdio.h>

void AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
    char szMessage[MAX_PATH + 64];
    snprintf(szMessage, sizeof szMessage, "ASSERT failed: %s(%d)\n", lpszFileName, nLine);
    ::OutputDebugStringA(szMessage);
    if (::IsDebuggerPresent())
        ::DebugBreak();
}

void AfxTrace(LPCSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    CString text;
    text.FormatV(lpszFormat, args);
    va_end(args);
    ::OutputDebugStringA(text);
}
