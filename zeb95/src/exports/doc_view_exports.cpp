#include "exports/doc_form.h"
#include "text/view/doc_visible.h"

LONG WINAPI zebGetFirstLine(HWND hDocument) { return IsTextDoc(hDocument) ? DocFirstVisibleLine(hDocument) : -1; }

LONG WINAPI zebGetDocFirstLine(HWND hWhiteBoard, LONG nDoc) { return OnDoc(hWhiteBoard, nDoc, -1L, zebGetFirstLine); }

LONG WINAPI zebGetLastLine(HWND hDocument) { return IsTextDoc(hDocument) ? DocLastVisibleLine(hDocument) : -1; }

LONG WINAPI zebGetDocLastLine(HWND hWhiteBoard, LONG nDoc) { return OnDoc(hWhiteBoard, nDoc, -1L, zebGetLastLine); }

LONG WINAPI zebGetFirstColumn(HWND hDocument)
{
    return IsTextDoc(hDocument) ? DocFirstVisibleColumn(hDocument) : -1;
}

LONG WINAPI zebGetDocFirstColumn(HWND hWhiteBoard, LONG nDoc)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebGetFirstColumn);
}

LONG WINAPI zebSetFirstLine(HWND hDocument, LONG nLine)
{
    return IsTextDoc(hDocument) ? DocSetFirstLine(hDocument, nLine) : -1;
}

LONG WINAPI zebSetDocFirstLine(HWND hWhiteBoard, LONG nDoc, LONG nLine)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebSetFirstLine, nLine);
}

LONG WINAPI zebSetFirstColumn(HWND hDocument, LONG nColumn)
{
    return IsTextDoc(hDocument) ? DocSetFirstColumn(hDocument, nColumn) : -1;
}

LONG WINAPI zebSetDocFirstColumn(HWND hWhiteBoard, LONG nDoc, LONG nColumn)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebSetFirstColumn, nColumn);
}
