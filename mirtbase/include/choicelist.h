// Choice-list files "ON<layout>N<order>.CMB" in the install root's
// "\DATA\OTHER\" folder: the choices of an editable combo-box field, one
// string list in the framework's archive form (a count, then each string
// with its length), kept across pages and runs.
#pragma once
#include <afxcoll.h>
#include "mirtapi.h"

class MIRT_API CChoiceList
{
public:
    enum Result
    {
        READ_DONE = 0,
        READ_MISSING = 1,   // no file: the field keeps its own choices
        READ_FAILED = 2     // the file does not open or is damaged
    };

    // The file of the combo field nOrder of layout nLayoutID.
    static CString PathOf(UINT nLayoutID, UINT nOrder);
    // The file's strings in their order; list is left as it was unless the
    // whole file was read.
    static Result Read(LPCSTR lpszPath, CStringList& list);
    // Writes list to a temporary file beside lpszPath and puts it in the
    // file's place; FALSE, leaving the old file as it was, on any failure.
    static BOOL Write(LPCSTR lpszPath, const CStringList& list);
};
