// Text fields kept inside their rectangles: the overflow notices of the
// text documents, one pending per document, and the cut of the lines that
// do not fit.
#pragma once
#include <windows.h>

// Posts MsgUserRovf (wParam, lParam) to hWnd in place of a pending one for
// the same document (lParam), ahead of those for other documents.
void MirtQueueOverflowNotice(HWND hWnd, WPARAM wParam, LPARAM lParam);
// Cuts the lines of the document from line nFit on, keeping the caret and
// the selection anchor that lie above the cut; beeps when it cut.
void MirtCutOverflow(HWND hDoc, LONG nFit);
