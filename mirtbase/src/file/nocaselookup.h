// Lookup in a string map whose keys are paths or file names, compared
// without regard to case.
#pragma once
#include <afx.h>
#include <afxcoll.h>

// The value of the key: an exact match first, else the first key equal to
// it without regard to case.
inline BOOL MirtLookupNoCase(const CMapStringToString& map, LPCSTR pszKey, CString& strValue)
{
    if (map.Lookup(pszKey, strValue))
        return TRUE;
    CString strEachKey;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        map.GetNextAssoc(pos, strEachKey, strValue);
        if (strEachKey.CompareNoCase(pszKey) == 0)
            return TRUE;
    }
    return FALSE;
}
