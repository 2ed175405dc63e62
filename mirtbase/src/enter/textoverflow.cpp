#include "enter/textoverflow.h"

#include <climits>
#include <new>
#include <vector>

#include "mirtmsgs.h"
#include "zeb95.h"

namespace {

const int kMaxPending = 40;

// The end of the last line of the document for the cut.
BOOL LastLineEnd(HWND hDoc, LONG nLast, POINT& ptEnd)
{
    const LONG nLength = zebGetLine(hDoc, nLast, nullptr, 0);
    if (nLength < 0 || nLength == LONG_MAX)
        return FALSE;
    ptEnd = {0, nLast};
    if (nLength == 0)
        return TRUE;
    std::vector<char> line;
    try {
        line.assign(static_cast<size_t>(nLength) + 1, '\0');
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    if (zebGetLine(hDoc, nLast, line.data(), nLength + 1) != nLength)
        return FALSE;
    const char chLast = line[static_cast<size_t>(nLength) - 1];
    if (chLast == '\n' || chLast == '\f')
        ptEnd = {0, nLast + 1};
    else
        ptEnd = {nLength, nLast};
    return TRUE;
}

}  // namespace

void MirtQueueOverflowNotice(HWND hWnd, WPARAM wParam, LPARAM lParam)
{
    std::vector<MSG> kept;
    MSG msg;
    for (int i = 0; i < kMaxPending && ::PeekMessageA(&msg, hWnd, MsgUserRovf, MsgUserRovf, PM_REMOVE); i++) {
        if (msg.lParam != lParam)
            kept.push_back(msg);
    }
    ::PostMessageA(hWnd, MsgUserRovf, wParam, lParam);
    for (const MSG& old : kept)
        ::PostMessageA(hWnd, MsgUserRovf, old.wParam, old.lParam);
}

BOOL MirtDocEnd(HWND hDoc, POINT& ptEnd)
{
    const LONG nLast = zebGetLineCount(hDoc) - 1;
    if (nLast < 0) {
        ptEnd = {0, 0};
        return TRUE;
    }
    return LastLineEnd(hDoc, nLast, ptEnd);
}

void MirtCutOverflow(HWND hDoc, LONG nFit)
{
    if (hDoc == nullptr)
        return;
    POINT ptCaret = {0, 0};
    zebGetCaret(hDoc, &ptCaret);
    const LONG nAnchorCol = zebGetSelCol(hDoc);
    const LONG nAnchorRow = zebGetSelRow(hDoc);
    const LONG nLast = zebGetLineCount(hDoc) - 1;
    POINT ptEnd;
    if (nLast >= 0 && nLast >= nFit && LastLineEnd(hDoc, nLast, ptEnd)) {
        zebSetCaret(hDoc, ptEnd.x, ptEnd.y);
        zebSetSelRow(hDoc, nFit);
        zebSetSelCol(hDoc, 0);
        ::SendMessageA(hDoc, WM_CLEAR, 0, 0);
        if (ptCaret.y < nFit)
            zebSetCaret(hDoc, ptCaret.x, ptCaret.y);
        // An anchor at column 0 or on line 0 is an anchor too.
        if (nAnchorCol >= 0 && nAnchorRow >= 0 && nAnchorRow < nFit) {
            zebSetSelRow(hDoc, nAnchorRow);
            zebSetSelCol(hDoc, nAnchorCol);
        }
        zebUpdateInfo(hDoc);
        ::MessageBeep(0);
    }
    zebSetRectOverflow(hDoc, 1);
}
