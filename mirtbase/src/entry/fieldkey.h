// The design-mode keys of the entry windows over objects.
#pragma once
#include <afxwin.h>

class CNPropObj;

// Arrow keys (with the Shift state) and Delete (shift 0) post MsgFieldKey
// with a new record to the window of the field's owner form window; other
// keys, and any key without that window, post nothing.
void PostFieldKey(CWnd* pWnd, CNPropObj* pField, UINT nKey);
