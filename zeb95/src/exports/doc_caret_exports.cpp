#include "exports/doc_form.h"
#include "objects/obj_children.h"
#include "text/caret/doc_caret.h"
#include "text/doc/doc_layout.h"
#include "text/input/typing.h"
#include "text/select/doc_selection.h"

namespace {

const int kUpdateNow = 1;
const POINT* const kSelectAll = reinterpret_cast<const POINT*>(static_cast<INT_PTR>(-1));

// The last position of the text: the end of the last line, before its
// break when it ends with one.
POINT EndOfText(HWND hDocument, const ZebDocRecord& doc)
{
    DocWaitLayout(hDocument, -1);
    const ZebLineTable& lines = *doc.Lines();
    if (lines.Count() == 0)
        return {0, 0};
    const ZebLineEntry& last = lines.At(lines.Count() - 1);
    const bool bBreak = last.endKind == ZebLineEndLineFeed || last.endKind == ZebLineEndFormFeed;
    return {last.length - (last.length > 0 && bBreak ? 1 : 0), lines.Count() - 1};
}

// A selection dropped: 1 when there was one.
LONG DropSelection(HWND hDocument, const ZebDocRecord& doc)
{
    return doc.HasSelection() && DocClearSelection(hDocument, kUpdateNow) ? 1 : 0;
}

// The anchor's column or line while the selection covers text, else -1.
LONG AnchorPart(HWND hDocument, bool bColumn)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    if (pDoc == nullptr || !DocSelectionExists(*pDoc))
        return -1;
    return bColumn ? pDoc->anchor.x : pDoc->anchor.y;
}

}  // namespace

LONG WINAPI zebGetCaret(HWND hDocument, POINT* pCaret)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    if (pDoc == nullptr || pCaret == nullptr)
        return 0;
    *pCaret = pDoc->head.CaretPos();
    return 1;
}

LONG WINAPI zebGetDocCaret(HWND hWhiteBoard, LONG nDoc, POINT* pCaret)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebGetCaret, pCaret);
}

LONG WINAPI zebSetCaret(HWND hDocument, LONG nColumn, LONG nLine)
{
    if (!IsTextDoc(hDocument))
        return 0;
    return DocSetCaret(hDocument, nColumn, nLine, kCaretScroll | kCaretTakeAttrs);
}

LONG WINAPI zebSetDocCaret(HWND hWhiteBoard, LONG nDoc, LONG nColumn, LONG nLine)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebSetCaret, nColumn, nLine);
}

LONG WINAPI zebGetSelCol(HWND hDocument) { return AnchorPart(hDocument, true); }

LONG WINAPI zebGetDocSelCol(HWND hWhiteBoard, LONG nDoc) { return OnDoc(hWhiteBoard, nDoc, -1L, zebGetSelCol); }

LONG WINAPI zebGetSelRow(HWND hDocument) { return AnchorPart(hDocument, false); }

LONG WINAPI zebGetDocSelRow(HWND hWhiteBoard, LONG nDoc) { return OnDoc(hWhiteBoard, nDoc, -1L, zebGetSelRow); }

LONG WINAPI zebSetSelCol(HWND hDocument, LONG nColumn)
{
    return IsTextDoc(hDocument) ? DocSetSelCol(hDocument, nColumn) : 0;
}

LONG WINAPI zebSetDocSelCol(HWND hWhiteBoard, LONG nDoc, LONG nColumn)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebSetSelCol, nColumn);
}

LONG WINAPI zebSetSelRow(HWND hDocument, LONG nLine) { return IsTextDoc(hDocument) ? DocSetSelRow(hDocument, nLine) : 0; }

LONG WINAPI zebSetDocSelRow(HWND hWhiteBoard, LONG nDoc, LONG nLine)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebSetSelRow, nLine);
}

LONG WINAPI zebGetSelect(HWND hDocument, POINT* pAnchor)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    const bool bSelection = pDoc != nullptr && pDoc->HasSelection();
    if (pAnchor != nullptr)
        *pAnchor = bSelection ? pDoc->anchor : POINT{-1, -1};
    return bSelection ? 1 : 0;
}

LONG WINAPI zebSetSelect(HWND hDocument, const POINT* pAnchor)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    if (pDoc == nullptr)
        return 0;
    if (pAnchor == kSelectAll) {
        const POINT end = EndOfText(hDocument, *pDoc);
        pDoc->anchor = {0, 0};
        InvalidateObj(hDocument);
        return DocSetCaret(hDocument, end.x, end.y, kCaretScroll | kCaretTakeAttrs | kCaretExtend);
    }
    if (pAnchor == nullptr || pAnchor->x < 0 || pAnchor->y < 0)
        return DropSelection(hDocument, *pDoc);
    return DocSetAnchor(hDocument, *pAnchor);
}
