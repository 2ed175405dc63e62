// Copying an exception's message into a caller's buffer.
#pragma once
#include <windows.h>

// Copies nLength bytes of the message into lpszError, cut short at a
// character boundary when they do not fit in nMaxError bytes with the NUL.
BOOL AfxCopyErrorMessage(LPCSTR pszMessage, int nLength, LPSTR lpszError, UINT nMaxError);
