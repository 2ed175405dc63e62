// Text fields kept inside their rectangles: the overflow notices of the
// text documents, one pending per document, and the cut of the lines that
// do not fit.
#include "mirtbaseenter.h"

#include <climits>
#include <new>
#include <vector>

#include "mirtmsgs.h"
#include "zeb95.h"

namespace {

const UINT kTextChanged = 101;
const UINT kTextReplaced = 201;
const UINT kOverflow = 112;

}  // namespace

LRESULT CMirtBaseEnter::OnZebCmd(WPARAM wParam, LPARAM lParam)
{
    switch (HIWORD(wParam)) {
    case kTextChanged:
    case kTextReplaced:
        m_bModify = 1;
        return 0;
    case kOverflow:
        break;
    default:
        return 0;
    }
    std::vector<MSG> kept;
    MSG msg;
    for (int i = 0; i < MAX_ROVF_PENDING && ::PeekMessageA(&msg, m_hWnd, MsgUserRovf, MsgUserRovf, PM_REMOVE); i++) {
        if (msg.lParam != lParam)
            kept.push_back(msg);
    }
    PostMessage(MsgUserRovf, wParam, lParam);
    for (const MSG& old : kept)
        PostMessage(MsgUserRovf, old.wParam, old.lParam);
    return 1;
}

BOOL CMirtBaseEnter::LastLineEnd(HWND hDoc, LONG nLast, POINT& ptEnd)
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

LRESULT CMirtBaseEnter::OnUserRovf(WPARAM wParam, LPARAM lParam)
{
    const HWND hDoc = reinterpret_cast<HWND>(lParam);
    if (hDoc == nullptr)
        return 0;
    const LONG nFit = LOWORD(wParam);
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
    return 0;
}
