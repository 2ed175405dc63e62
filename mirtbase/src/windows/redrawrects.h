// Repaint requests for one field: MsgRedrawRect to a host window with a new
// RECT of each rectangle the field draws, the whole box first.
#pragma once
#include <afxwin.h>

class CMirtBase;
class CNPropObj;

// Measures the field on a client context of pTarget and sends the requests
// with lParam pSender. A RECT the target does not keep (answer 0) is deleted.
void MirtSendRedrawRects(CWnd* pTarget, CNPropObj* pField, CMirtBase* pSender);
