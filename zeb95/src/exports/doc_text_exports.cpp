#include <algorithm>

#include "exports/doc_form.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_layout.h"
#include "text/full/text_getters.h"

namespace {

const long long kMostTop = 0x7FFFFFFF;

BYTE* Bytes(LPVOID p) { return static_cast<BYTE*>(p); }

}  // namespace

LONG WINAPI zebGetAllText(HWND hDocument, LPSTR pszBuffer, LONG nSize)
{
    if (!IsTextDoc(hDocument))
        return -1;
    return pszBuffer != nullptr ? DocGetAllText(hDocument, pszBuffer, nSize) : DocGetAllTextLength(hDocument);
}

LONG WINAPI zebGetDocAllText(HWND hWhiteBoard, LONG nDoc, LPSTR pszBuffer, LONG nSize)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebGetAllText, pszBuffer, nSize);
}

LONG WINAPI zebGetLine(HWND hDocument, LONG nLine, LPSTR pszBuffer, LONG nSize)
{
    if (!IsTextDoc(hDocument))
        return -1;
    return pszBuffer != nullptr ? DocGetLine(hDocument, nLine, pszBuffer, nSize) : DocGetLineLength(hDocument, nLine);
}

LONG WINAPI zebGetDocLine(HWND hWhiteBoard, LONG nDoc, LONG nLine, LPSTR pszBuffer, LONG nSize)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebGetLine, nLine, pszBuffer, nSize);
}

LONG WINAPI zebGetRawLine(HWND hDocument, LONG nLine, LPVOID pBuffer, LONG nSize)
{
    if (!IsTextDoc(hDocument))
        return -1;
    return pBuffer != nullptr ? DocGetRawLine(hDocument, nLine, Bytes(pBuffer), nSize)
                              : DocGetRawLineLength(hDocument, nLine);
}

LONG WINAPI zebGetDocRawLine(HWND hWhiteBoard, LONG nDoc, LONG nLine, LPVOID pBuffer, LONG nSize)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebGetRawLine, nLine, pBuffer, nSize);
}

LONG WINAPI zebGetAllFullText(HWND hDocument, LPVOID pBuffer, LONG nSize)
{
    if (!IsTextDoc(hDocument))
        return -1;
    return pBuffer != nullptr ? DocGetAllFullText(hDocument, Bytes(pBuffer), nSize)
                              : DocGetAllFullTextLength(hDocument);
}

LONG WINAPI zebGetDocAllFullText(HWND hWhiteBoard, LONG nDoc, LPVOID pBuffer, LONG nSize)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebGetAllFullText, pBuffer, nSize);
}

LONG WINAPI zebGetLineCount(HWND hDocument) { return IsTextDoc(hDocument) ? DocGetLineCount(hDocument) : -1; }

LONG WINAPI zebGetDocLineCount(HWND hWhiteBoard, LONG nDoc)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebGetLineCount);
}

LONG WINAPI zebGetLineTop(HWND hDocument, LONG nLine)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    if (pDoc == nullptr)
        return -1;
    DocWaitLayout(hDocument, -1);
    if (nLine < 0)
        nLine = pDoc->head.CaretPos().y;
    const ZebLineTable& lines = *pDoc->Lines();
    if (nLine < 0 || nLine >= lines.Count())
        return -1;
    return static_cast<LONG>(std::min(lines.Top(nLine), kMostTop));
}

LONG WINAPI zebGetDocLineTop(HWND hWhiteBoard, LONG nDoc, LONG nLine)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebGetLineTop, nLine);
}

LONG WINAPI zebGetLineHeight(HWND hDocument, LONG nLine) { return DocGetLineHeight(hDocument, nLine); }

LONG WINAPI zebGetDocLineHeight(HWND hWhiteBoard, LONG nDoc, LONG nLine)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebGetLineHeight, nLine);
}

LONG WINAPI zebUpdateInfo(HWND hDocument) { return IsTextDoc(hDocument) ? DocWaitLayout(hDocument, -1) : 0; }

LONG WINAPI zebUpdateDocInfo(HWND hWhiteBoard, LONG nDoc) { return OnDoc(hWhiteBoard, nDoc, 0L, zebUpdateInfo); }
