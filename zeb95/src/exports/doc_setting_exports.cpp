#include <algorithm>
#include <cstring>

#include "exports/doc_form.h"
#include "objects/obj_children.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_settings.h"

// Settings that only text documents have; every other window gets the
// failure value.

namespace {

const LONG kMostScale = 1000;
const LONG kMostOptionOperation = 4;

LPARAM SenderParam(HWND hwnd) { return static_cast<LPARAM>((reinterpret_cast<UINT_PTR>(hwnd) & 0xFFFF) << 16); }

DWORD OptionsAfter(DWORD dwWord, LONG nOperation, DWORD dwValue)
{
    switch (nOperation)
    {
    case 1:
        return dwValue;
    case 2:
        return dwWord | dwValue;
    case 3:
        return dwWord & dwValue;
    case 4:
        return dwWord ^ dwValue;
    default:
        return dwWord;
    }
}

// The string into the buffer, cut to nSize - 1 bytes: the bytes copied.
LONG CopyCut(LPSTR pszBuffer, const char* psz, LONG nSize)
{
    const size_t n = (std::min)(std::strlen(psz), static_cast<size_t>(nSize) - 1);
    std::memcpy(pszBuffer, psz, n);
    pszBuffer[n] = '\0';
    return static_cast<LONG>(n);
}

}  // namespace

LONG WINAPI zebGetStaticMode(HWND hDocument)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    return pDoc != nullptr ? pDoc->nStaticMode : -1;
}

LONG WINAPI zebSetStaticMode(HWND hDocument, LONG nMode)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    if (pDoc == nullptr)
        return -1;
    const LONG nPrevious = pDoc->nStaticMode;
    pDoc->nStaticMode = nMode;
    ::SendMessageA(hDocument, MsgViewModeChanged, static_cast<WPARAM>(pDoc->head.ViewMode()),
                   SenderParam(hDocument));
    return nPrevious;
}

LONG WINAPI zebGetDocStaticMode(HWND hWhiteBoard, LONG nDoc)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebGetStaticMode);
}

LONG WINAPI zebSetDocStaticMode(HWND hWhiteBoard, LONG nDoc, LONG nMode)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebSetStaticMode, nMode);
}

LONG WINAPI zebSetScale(HWND hDocument, LONG nPercent)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    if (pDoc == nullptr || (nPercent != -1 && (nPercent < 1 || nPercent > kMostScale)))
        return -1;
    const LONG nPrevious = pDoc->nScale;
    if (nPercent != -1 && nPercent != nPrevious)
    {
        pDoc->nScale = nPercent;
        DocApplySize(hDocument);
    }
    return nPrevious;
}

LONG WINAPI zebSetOptions(HWND hDocument, LONG nOperation, LONG nValue)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    if (pDoc == nullptr || nOperation < 0 || nOperation > kMostOptionOperation)
        return -1;
    const DWORD dwPrevious = pDoc->dwOptions;
    pDoc->dwOptions = OptionsAfter(dwPrevious, nOperation, static_cast<DWORD>(nValue));
    if (pDoc->dwOptions != dwPrevious)
        InvalidateObj(hDocument);
    return static_cast<LONG>(dwPrevious);
}

LONG WINAPI zebGetFilter(HWND hDocument, LPSTR pszMatch, LPSTR pszReplacement, LONG nSize)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    if (pDoc == nullptr)
        return -1;
    const char* pMatch = pDoc->FilterMatch();
    if (pMatch == nullptr)
    {
        for (LPSTR psz : {pszMatch, pszReplacement})
            if (psz != nullptr && nSize > 0)
                *psz = '\0';
        return 0;
    }
    const char* pReplacement = pDoc->FilterReplacement() != nullptr ? pDoc->FilterReplacement() : "";
    if (nSize <= 0)
        return static_cast<LONG>(std::strlen(pMatch));
    LONG nLength = static_cast<LONG>(std::strlen(pMatch));
    if (pszReplacement != nullptr)
        nLength = CopyCut(pszReplacement, pReplacement, nSize);
    if (pszMatch != nullptr)
        nLength = CopyCut(pszMatch, pMatch, nSize);
    return nLength;
}

LONG WINAPI zebSetFilter(HWND hDocument, LPCSTR pszMatch, LPCSTR pszReplacement)
{
    return DocSetFilter(hDocument, pszMatch, pszReplacement);
}

LONG WINAPI zebGetDocFilter(HWND hWhiteBoard, LONG nDoc, LPSTR pszMatch, LPSTR pszReplacement, LONG nSize)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebGetFilter, pszMatch, pszReplacement, nSize);
}

LONG WINAPI zebSetDocFilter(HWND hWhiteBoard, LONG nDoc, LPCSTR pszMatch, LPCSTR pszReplacement)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebSetFilter, pszMatch, pszReplacement);
}
