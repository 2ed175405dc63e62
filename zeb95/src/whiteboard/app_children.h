// Application-defined children (kind 512): windows that the application
// makes and serves through MsgZebCmd requests; the library knows them by
// their handle in the whiteboard's slot-8 array only.
#pragma once
#include <windows.h>

enum ZebAppChildRequest
{
    ZebReqCreateAppChild = 90,    // to the whiteboard: the new child
    ZebReqWriteAppChild = 691,    // to the child: bytes written after the tag
    ZebReqReadAppChild = 692,     // to the child: nonzero when read
    ZebReqFindAppChild = 693,     // to the child: nonzero when found
    ZebReqDestroyAppChild = 699,  // to the whiteboard
};

// The window's position in its parent whiteboard's application-child
// array, or -1.
LONG AppChildIndex(HWND hwnd);
bool IsAppChild(HWND hwnd);
// Asks the whiteboard for a new child with the value; *pnIndex = its index
// (-1 while the application has not entered it). The child or null.
HWND CreateAppChild(HWND hWb, LPARAM value, LONG* pnIndex);
// Asks the child's parent to destroy it: the reply, 0 without parent.
LRESULT DestroyAppChild(HWND hChild);
// Writes the tag "OO" and lets the child write itself: the bytes written,
// -1 on a short tag or a zero reply.
LONG WriteAppChild(HWND hChild, HANDLE hFile);
// Reads the tag "OO" and lets the child read itself: 1 when it did.
BOOL ReadAppChild(HWND hChild, HANDLE hFile);
// Lets the child look for the string: its reply.
LRESULT FindAppChildString(HWND hChild, const char* pszFind);
