#include "exports/doc_form.h"

// The document forms of the layout and input settings: the whiteboard's
// text document nDoc, else the direct form's failure value.

LONG WINAPI zebGetDocAlignment(HWND hWhiteBoard, LONG nDoc) { return OnDoc(hWhiteBoard, nDoc, -1L, zebGetAlignment); }

LONG WINAPI zebSetDocAlignment(HWND hWhiteBoard, LONG nDoc, LONG nMode)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebSetAlignment, nMode);
}

LONG WINAPI zebGetDocKinsoku(HWND hWhiteBoard, LONG nDoc, LPSTR pszBuffer, LONG nSize)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebGetKinsoku, pszBuffer, nSize);
}

LONG WINAPI zebSetDocKinsoku(HWND hWhiteBoard, LONG nDoc, LPCSTR pszLineStart)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebSetKinsoku, pszLineStart);
}

LONG WINAPI zebGetDocLimit(HWND hWhiteBoard, LONG nDoc) { return OnDoc(hWhiteBoard, nDoc, -1L, zebGetLimit); }

LONG WINAPI zebSetDocLimit(HWND hWhiteBoard, LONG nDoc, LONG nLimit)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebSetLimit, nLimit);
}

LONG WINAPI zebGetDocNewLine(HWND hWhiteBoard, LONG nDoc, WORD* pwCode, LOGFONTA* plf)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebGetNewLine, pwCode, plf);
}

LONG WINAPI zebGetDocFormFeed(HWND hWhiteBoard, LONG nDoc, WORD* pwCode, LOGFONTA* plf)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebGetFormFeed, pwCode, plf);
}

LONG WINAPI zebSetDocNewLine(HWND hWhiteBoard, LONG nDoc, LONG nCode, const LOGFONTA* plf)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebSetNewLine, nCode, plf);
}

LONG WINAPI zebSetDocFormFeed(HWND hWhiteBoard, LONG nDoc, LONG nCode, const LOGFONTA* plf)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebSetFormFeed, nCode, plf);
}

LONG WINAPI zebGetDocVPos(HWND hWhiteBoard, LONG nDoc) { return OnDoc(hWhiteBoard, nDoc, -32768L, zebGetVPos); }

LONG WINAPI zebSetDocVPos(HWND hWhiteBoard, LONG nDoc, LONG nVPos)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebSetVPos, nVPos);
}

LONG WINAPI zebGetDocUserAttr(HWND hWhiteBoard, LONG nDoc) { return OnDoc(hWhiteBoard, nDoc, -1L, zebGetUserAttr); }

LONG WINAPI zebSetDocUserAttr(HWND hWhiteBoard, LONG nDoc, LONG nAttr)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebSetUserAttr, nAttr);
}

LONG WINAPI zebGetDocIMEMode(HWND hWhiteBoard, LONG nDoc) { return OnDoc(hWhiteBoard, nDoc, -1L, zebGetIMEMode); }

LONG WINAPI zebSetDocIMEMode(HWND hWhiteBoard, LONG nDoc, LONG nMode)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebSetIMEMode, nMode);
}

LONG WINAPI zebGetDocUserAlignment(HWND hWhiteBoard, LONG nDoc, ZebUserCellList* pList)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebGetUserAlignment, pList);
}

LONG WINAPI zebSetDocUserAlignment(HWND hWhiteBoard, LONG nDoc, const ZebUserCellList* pList)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebSetUserAlignment, pList);
}

LONG WINAPI zebSetDocCharExtra(HWND hWhiteBoard, LONG nDoc, LONG nExtra)
{
    return OnDoc(hWhiteBoard, nDoc, static_cast<LONG>(0x80000000), zebSetCharExtra, nExtra);
}

WORD WINAPI zebSetDocClipMode(HWND hWhiteBoard, LONG nDoc, WORD wMode)
{
    return OnDoc(hWhiteBoard, nDoc, static_cast<WORD>(0xFFFF), zebSetClipMode, wMode);
}

LONG WINAPI zebSetDocRectOverflow(HWND hWhiteBoard, LONG nDoc, LONG nMode)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebSetRectOverflow, nMode);
}

LONG WINAPI zebGetDocWidth(HWND hWhiteBoard, LONG nDoc) { return OnDoc(hWhiteBoard, nDoc, -1L, zebGetWidth); }

LONG WINAPI zebSetDocWidth(HWND hWhiteBoard, LONG nDoc, LONG nWidth)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebSetWidth, nWidth);
}

LONG WINAPI zebGetDocHeight(HWND hWhiteBoard, LONG nDoc) { return OnDoc(hWhiteBoard, nDoc, -1L, zebGetHeight); }

LONG WINAPI zebSetDocHeight(HWND hWhiteBoard, LONG nDoc, LONG nHeight)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebSetHeight, nHeight);
}
