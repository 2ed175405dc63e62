// The field clipboard "CF_VLMPROP" and the new-field template files: a
// CObList of fields in the framework's archive form (a count, then each
// field with its class record or class index).
#pragma once
#include <afxwin.h>
#include <afxcoll.h>
#include "mirtapi.h"

// The id of the clipboard format named pszName that is on the clipboard
// now (names compared byte for byte); 0 when there is none, or for a null
// window or one without HWND, or when the clipboard does not open on it.
MIRT_API UINT FindClipboardFormat(CWnd* pWnd, LPCSTR pszName);

class MIRT_API CPropObjClip
{
public:
    // "CF_VLMPROP"
    static const char kFormatName[];

    // The stored list as a new movable global block of its length; null
    // when it cannot be allocated. The fields stay the caller's.
    static HGLOBAL StoreToGlobal(CObList& listFields);
    // New fields from the stored list in the first nLength bytes (the
    // caller owns the array and the fields). All or none: null for an
    // empty list, and for damaged bytes or an object that is not a new
    // field, after deleting the fields read so far.
    static CPtrArray* Load(const BYTE* pBytes, UINT nLength);
    // The same from an archive.
    static CPtrArray* Load(CArchive& ar);
};
