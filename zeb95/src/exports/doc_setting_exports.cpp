#include "objects/obj_record.h"
#include "whiteboard/wb_children.h"
#include "zeb95.h"

// Settings that only text documents have. The documents' part of them comes
// with the text interface; until then every window gets the failure value.

LONG WINAPI zebGetStaticMode(HWND) { return -1; }

LONG WINAPI zebSetStaticMode(HWND, LONG) { return -1; }

LONG WINAPI zebSetScale(HWND, LONG) { return -1; }

LONG WINAPI zebSetOptions(HWND, LONG, LONG) { return -1; }

LONG WINAPI zebGetFilter(HWND, LPSTR, LPSTR, LONG) { return -1; }

LONG WINAPI zebSetFilter(HWND, LPCSTR, LPCSTR) { return 0; }

LONG WINAPI zebGetDocFilter(HWND hWhiteBoard, LONG nDoc, LPSTR pszMatch, LPSTR pszReplacement, LONG nSize)
{
    HWND hDocument = WbChildAt(hWhiteBoard, ZebKindDoc, nDoc);
    return hDocument != nullptr ? zebGetFilter(hDocument, pszMatch, pszReplacement, nSize) : -1;
}

LONG WINAPI zebSetDocFilter(HWND hWhiteBoard, LONG nDoc, LPCSTR pszMatch, LPCSTR pszReplacement)
{
    HWND hDocument = WbChildAt(hWhiteBoard, ZebKindDoc, nDoc);
    return hDocument != nullptr ? zebSetFilter(hDocument, pszMatch, pszReplacement) : 0;
}
