// Values of a page document into a form window's fields.
#pragma once
#include <afxcoll.h>

#include "fieldmapfile.h"

class CNMirtDoc;

// Every field of the face lists takes the data string of its source in
// pDoc: without a map the field of the same order in the face of the same
// number, else the first field whose order the map gives for the field's.
// Fields without a source are left. bStoreOnly stores the string without
// touching the entry windows.
void MirtCopyMappedData(const CObList& listMen, CNMirtDoc& doc, const CFieldMap* pMap, BOOL bStoreOnly);
