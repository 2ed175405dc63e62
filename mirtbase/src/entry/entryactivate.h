// The click and Enter of the calendar and picture windows.
#pragma once
#include <afxwin.h>

class CNPropObj;

// pField's own settings or chooser (Activate), then MsgUserMove (field, 1)
// and, with bModify, MsgUserModify (field, 1) posted to pWnd's parent.
void ActivateAndPostMove(CWnd* pWnd, CNPropObj* pField, BOOL bModify);
