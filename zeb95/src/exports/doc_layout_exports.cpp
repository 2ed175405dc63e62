#include <algorithm>

#include "exports/doc_form.h"
#include "text/attrs/doc_char_attrs.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_settings.h"
#include "text/ime/doc_ime.h"

// How a text document lays out and takes its text.

namespace {

const LONG kMostAlignment = 18;
const LONG kMostCharExtra = 32767;
const LONG kReadCharExtra = static_cast<LONG>(0x80000000);
const WORD kReadClipMode = 0xFFFF;
const LONG kMostRectOverflow = 2;

// An int setting of the document set to nValue when it lies in
// nLow..nHigh: the previous value, -1 otherwise. A change is laid out
// again.
LONG SetRanged(HWND hDocument, int ZebDocRecord::*pField, LONG nValue, LONG nLow, LONG nHigh)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    if (pDoc == nullptr || nValue < nLow || nValue > nHigh)
        return -1;
    const LONG nPrevious = pDoc->*pField;
    if (nValue != nPrevious)
    {
        ZebLayoutPause pause(hDocument);
        pDoc->*pField = nValue;
        DocRelayout(hDocument);
    }
    return nPrevious;
}

LONG GetField(HWND hDocument, int ZebDocRecord::*pField, LONG nFailure)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    return pDoc != nullptr ? pDoc->*pField : nFailure;
}

}  // namespace

LONG WINAPI zebGetAlignment(HWND hDocument) { return GetField(hDocument, &ZebDocRecord::nAlignment, -1); }

LONG WINAPI zebSetAlignment(HWND hDocument, LONG nMode)
{
    return SetRanged(hDocument, &ZebDocRecord::nAlignment, nMode, 0, kMostAlignment);
}

LONG WINAPI zebGetLimit(HWND hDocument) { return GetField(hDocument, &ZebDocRecord::nLimit, -1); }

LONG WINAPI zebSetLimit(HWND hDocument, LONG nLimit)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    if (pDoc == nullptr)
        return -1;
    const LONG nPrevious = pDoc->nLimit;
    {
        ZebLayoutPause pause(hDocument);
        pDoc->nLimit = nLimit;
    }
    DocRelayout(hDocument);
    return nPrevious;
}

LONG WINAPI zebGetVPos(HWND hDocument) { return GetField(hDocument, &ZebDocRecord::nTypingVPos, -32768); }

LONG WINAPI zebSetVPos(HWND hDocument, LONG nVPos) { return IsTextDoc(hDocument) ? DocSetVPos(hDocument, nVPos) : 0; }

LONG WINAPI zebGetUserAttr(HWND hDocument) { return GetField(hDocument, &ZebDocRecord::nTypingUser, -1); }

LONG WINAPI zebSetUserAttr(HWND hDocument, LONG nAttr)
{
    return IsTextDoc(hDocument) ? DocSetUserAttr(hDocument, nAttr & 0xFF) : 0;
}

LONG WINAPI zebGetIMEMode(HWND hDocument) { return GetField(hDocument, &ZebDocRecord::nImeMode, -1); }

LONG WINAPI zebSetIMEMode(HWND hDocument, LONG nMode) { return DocChangeImeMode(hDocument, nMode); }

LONG WINAPI zebGetUserAlignment(HWND hDocument, ZebUserCellList* pList)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    if (pDoc == nullptr)
        return -1;
    const auto* pCells = static_cast<const ZebUserCell*>(pDoc->UserCells());
    const LONG nCells = pCells != nullptr ? pDoc->nUserCellCount : 0;
    if (pList == nullptr)
        return nCells;
    if (pList->nCount < nCells)
    {
        if (pList->nCount < 1 || pList->pCells == nullptr)
            return -1;
        std::copy(pCells, pCells + pList->nCount, pList->pCells);
        return -1;
    }
    pList->nCount = nCells;
    if (nCells < 1)
        return nCells;
    if (pList->pCells == nullptr)
        return -1;
    std::copy(pCells, pCells + nCells, pList->pCells);
    return nCells;
}

LONG WINAPI zebSetUserAlignment(HWND hDocument, const ZebUserCellList* pList)
{
    return DocSetUserCells(hDocument, pList);
}

LONG WINAPI zebSetCharExtra(HWND hDocument, LONG nExtra)
{
    if (nExtra == kReadCharExtra)
        return GetField(hDocument, &ZebDocRecord::nCharExtra, kReadCharExtra);
    const LONG nPrevious = SetRanged(hDocument, &ZebDocRecord::nCharExtra, nExtra, 0, kMostCharExtra);
    return nPrevious >= 0 ? nPrevious : kReadCharExtra;
}

WORD WINAPI zebSetClipMode(HWND hDocument, WORD wMode)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    if (pDoc == nullptr)
        return 0xFFFF;
    const WORD wPrevious = static_cast<WORD>(pDoc->ClipMode());
    if (wMode != kReadClipMode)
        pDoc->dwFlags = (pDoc->dwFlags & ~kDocClipModeMask) | ((wMode & 0x3Fu) << kDocClipModeShift);
    return wPrevious;
}

LONG WINAPI zebSetRectOverflow(HWND hDocument, LONG nMode)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    if (pDoc == nullptr || nMode < -1 || nMode > kMostRectOverflow)
        return -1;
    const LONG nPrevious = pDoc->nRectOverflow;
    if (nMode != -1)
        pDoc->nRectOverflow = nMode;
    return nPrevious;
}

