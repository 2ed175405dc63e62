// Text fields kept inside their rectangles: the overflow notices of the
// text documents, one pending per document, and the cut of the lines that
// do not fit.
#pragma once
#include <windows.h>

// Posts MsgUserRovf (wParam, lParam) to hWnd in place of a pending one for
// the same document (lParam), ahead of those for other documents.
void MirtQueueOverflowNotice(HWND hWnd, WPARAM wParam, LPARAM lParam);
// Cuts the lines of the document from line nFit on, keeping the caret and
// the selection anchor that lie above the cut; beeps when it cut. The
// document reports its next overflow again.
void MirtCutOverflow(HWND hDoc, LONG nFit);
// Where the document's text ends: after the last line, at the start of the
// line after it when it ends with a line break. FALSE when the line cannot
// be read.
BOOL MirtDocEnd(HWND hDoc, POINT& ptEnd);
