// Loading of objects that the reader takes ownership of. CArchive::ReadObject
// answers an object met before (a back-reference) with the same pointer, so
// a damaged archive could give one object two owners; these readers refuse
// such references and read the same bytes as ReadObject otherwise. After a
// throw the archive must not be read further (its map may name objects that
// have been deleted).
#pragma once
#include <afx.h>
#include <afxcoll.h>
#include "mirtapi.h"

// One new object of a class derived from pClass, with its class record or
// class index, which the caller then owns. A null element throws
// CArchiveException badClass, a back-reference badIndex; an object whose
// Serialize throws is deleted.
MIRT_API CObject* MirtReadOwnedObject(CArchive& ar, const CRuntimeClass* pClass);

// The stored CObList (a count, then each element) of new objects of
// pClass, appended to list. All or none: on a throw the objects read here
// are deleted and the list keeps what it had.
MIRT_API void MirtReadOwnedList(CArchive& ar, CObList& list, const CRuntimeClass* pClass);

// Deletes every object of the list and empties it.
MIRT_API void MirtDeleteOwnedList(CObList& list);
