// Field map files "NF<from>t<to>.map" in the install root's "\DATA\MAP\":
// which field of a page of layout <from> fills each field of layout <to>.
// One archived map of 16-bit keys (the target field's order) to 16-bit
// values (the source field's order); a key given twice keeps the later
// value. The suite only reads them.
#pragma once
#include <afxtempl.h>
#include "mirtapi.h"

typedef CMap<WORD, WORD, WORD, WORD> CFieldMap;

class MIRT_API CFieldMapFile
{
public:
    enum Result
    {
        READ_DONE = 0,
        READ_MISSING = 1,   // no file, or it does not open
        READ_FAILED = 2     // the file is damaged
    };

    static CString PathOf(UINT nFromID, UINT nToID);
    // The file's entries into map, emptied first; map is left as it was
    // unless the whole file was read.
    static Result Read(LPCSTR lpszPath, CFieldMap& map);
    // Read, with the message box of a missing or damaged file.
    static Result ReadReporting(UINT nFromID, UINT nToID, CFieldMap& map);
};
