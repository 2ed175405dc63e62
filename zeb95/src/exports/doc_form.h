// What the text document exports share: the check of the document window
// and the document forms, which name the document by a whiteboard and its
// index among the whiteboard's text documents.
#pragma once
#include <windows.h>

#include "text/doc/doc_record.h"
#include "whiteboard/wb_children.h"
#include "zeb95.h"

inline bool IsTextDoc(HWND hwnd) { return ZebDocRecord::From(hwnd) != nullptr; }

// Removes a selection that covers text before it is replaced, first copied
// to the clipboard (by pfnCopy) unless the clip mode says not to. false
// when the copy or the deletion failed.
bool ClearForReplacement(HWND hDocument, int (*pfnCopy)(HWND));

// The export on the whiteboard's text document nDoc, or the failure value
// when the pair names none.
template <typename R, typename... Params, typename... Args>
R OnDoc(HWND hWhiteBoard, LONG nDoc, R failure, R(WINAPI* pfn)(HWND, Params...), Args... args)
{
    HWND hDocument = WbChildAt(hWhiteBoard, ZebKindDoc, nDoc);
    return hDocument != nullptr ? pfn(hDocument, args...) : failure;
}
