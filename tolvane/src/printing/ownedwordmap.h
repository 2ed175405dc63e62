// Maps of layout id to owned records (CMapWordToOb), as the option files
// hold them: the count, then each key and its record as an archived object.
#pragma once
#include <afx.h>
#include <afxcoll.h>

// The records deleted and the map emptied.
void DeleteOwnedWordMap(CMapWordToOb& map);
// Reads such a map whose values are new objects of pClass or nulls (a
// reference to an object met before is refused); a repeated key keeps its
// last value. On success the map's old records are deleted and replaced;
// after a throw the map keeps what it had.
void LoadOwnedWordMap(CArchive& ar, CRuntimeClass* pClass, CMapWordToOb& map);
// The cause number of a file or archive exception (CFileException::generic
// for others), as the option files' error messages show it.
int ExceptionCause(CException* e);
