// Layouts, faces and pages built in memory for the print frame and face
// window tests.
#pragma once
#include <memory>
#include <vector>

#include "field_fixture.h"
#include "nmirtdoc.h"

class CNPropObjDoc;
class CNPropObjDocNum;

// A layout of faces at the origins, without templates.
std::unique_ptr<CNMirtLayoutData> MakeLayout(UINT nID, std::vector<CPoint> origins);
// An editable text field carrying data.
CNPropObjDoc* TextField(UINT nOrder, RECT rect, LPCSTR pszValue = "");
// An editable numeric field carrying data.
CNPropObjDocNum* NumberField(UINT nOrder, RECT rect, LPCSTR pszValue = "");
CPropData* Face(UINT nMen, std::vector<CNPropObj*> fields);
// A page of clones of the faces, which are deleted.
CNMirtDoc* MakePage(std::vector<CPropData*> faces, LPCSTR pszTitle = "");
