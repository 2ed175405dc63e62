#include <algorithm>
#include <climits>
#include <cstring>

#include "cp932.h"
#include "exports/doc_form.h"
#include "objects/selection.h"
#include "text/doc/doc_layout.h"
#include "text/select/doc_find.h"
#include "text/select/text_search.h"
#include "whiteboard/app_children.h"
#include "whiteboard/wb_record.h"

namespace {

// The kinds a whiteboard search visits, in its forward order.
const WORD kSearchOrder[] = {ZebKindWbText, ZebKindWbBmp, ZebKindDoc,  ZebKindPicture,
                             ZebKindSound,  ZebKindMovie, ZebKindLine, ZebKindAppChild};
const int kSearchKinds = sizeof(kSearchOrder) / sizeof(kSearchOrder[0]);

// Whether the Shift-JIS text holds the (non-empty) pattern at a character
// start.
bool Contains(const char* pszText, const char* pszPattern)
{
    if (pszText == nullptr || *pszPattern == '\0')
        return false;
    const int nText = static_cast<int>(std::strlen(pszText));
    const size_t cbPattern = std::strlen(pszPattern);
    for (int i = 0; i < nText; i += cp932::CharLength(pszText, i, nText))
        if (std::strncmp(pszText + i, pszPattern, cbPattern) == 0)
            return true;
    return false;
}

// The wait cursor for the scope.
class WaitCursor
{
public:
    WaitCursor() : m_hOld(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { ::SetCursor(m_hOld); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR m_hOld;
};

// One search of a whiteboard for a string.
class WbStringSearch
{
public:
    WbStringSearch(ZebWbRecord& wb, const char* pszText, bool bBackward, bool bInDocs)
        : m_wb(wb), m_pszText(pszText), m_bBackward(bBackward), m_bInDocs(bInDocs)
    {
    }

    // Searches on after the match (wKind, nIndex): true with the kind and
    // index found.
    bool Run(WORD* pwKind, LONG* pnIndex);

private:
    int Step() const { return m_bBackward ? -1 : 1; }
    LONG Count(WORD wKind) const { return m_wb.ChildCount(ZebWbRecord::ChildSlot(wKind)); }
    HWND Child(WORD wKind, LONG i) const { return m_wb.Children(ZebWbRecord::ChildSlot(wKind))[i]; }
    // Whether the entry matches; *pbContent when a document's text did.
    bool Matches(WORD wKind, LONG i, bool* pbContent) const;
    bool DocContentMatches(HWND hDocument, bool bFromCaret) const;
    void Found(WORD wKind, LONG i, bool bContent, WORD* pwKind, LONG* pnIndex);

    ZebWbRecord& m_wb;
    const char* m_pszText;
    bool m_bBackward;
    bool m_bInDocs;
};

bool WbStringSearch::DocContentMatches(HWND hDocument, bool bFromCaret) const
{
    const int nFlags = m_bBackward ? kFindBackward : 0;
    if (bFromCaret)
        return DocFindText(hDocument, m_pszText, nFlags, nullptr) != 0;
    POINT start = {0, 0};
    const ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    DocWaitLayout(hDocument, -1);
    const ZebLineTable& lines = *pDoc->Lines();
    if (m_bBackward && lines.Count() > 0)
        start = {lines.At(lines.Count() - 1).length, lines.Count() - 1};
    return DocFindText(hDocument, m_pszText, nFlags, &start) != 0;
}

bool WbStringSearch::Matches(WORD wKind, LONG i, bool* pbContent) const
{
    *pbContent = false;
    if (wKind == ZebKindWbText)
        return Contains(m_wb.TextItems()[i].pszText, m_pszText);
    if (wKind == ZebKindWbBmp)
        return Contains(m_wb.BmpItems()[i].pszName, m_pszText);
    HWND hChild = Child(wKind, i);
    if (hChild == nullptr)
        return false;
    if (wKind == ZebKindAppChild)
        return FindAppChildString(hChild, m_pszText) != 0;
    if (wKind == ZebKindDoc && m_bInDocs && IsTextDoc(hChild))
        return *pbContent = DocContentMatches(hChild, false);
    const ZebObjRecord* pRecord = GetObjRecord(hChild);
    return pRecord != nullptr && Contains(pRecord->Text(), m_pszText);
}

void WbStringSearch::Found(WORD wKind, LONG i, bool bContent, WORD* pwKind, LONG* pnIndex)
{
    *pwKind = wKind;
    *pnIndex = i;
    m_wb.SetSearchState(wKind, i);
    if (!bContent && wKind != ZebKindWbText && wKind != ZebKindWbBmp)
        SelectObj(Child(wKind, i));
}

bool WbStringSearch::Run(WORD* pwKind, LONG* pnIndex)
{
    int nFirst = 0;
    while (nFirst < kSearchKinds && kSearchOrder[nFirst] != *pwKind)
        ++nFirst;
    // The first index of the first array; the ends of the others.
    long long nFrom = static_cast<long long>(*pnIndex) + Step();
    if (nFirst == kSearchKinds) {
        nFirst = m_bBackward ? kSearchKinds - 1 : 0;
        nFrom = m_bBackward ? LLONG_MAX : 0;
    } else if (*pwKind == ZebKindDoc && m_bInDocs && *pnIndex >= 0 && *pnIndex < Count(ZebKindDoc)) {
        HWND hDocument = Child(ZebKindDoc, *pnIndex);
        if (IsTextDoc(hDocument) && DocContentMatches(hDocument, true)) {
            Found(ZebKindDoc, *pnIndex, true, pwKind, pnIndex);
            return true;
        }
    }
    for (int nArray = nFirst; nArray >= 0 && nArray < kSearchKinds; nArray += Step()) {
        const WORD wKind = kSearchOrder[nArray];
        const LONG nCount = Count(wKind);
        const long long nStart = nArray == nFirst ? nFrom : (m_bBackward ? LLONG_MAX : 0);
        for (long long i = m_bBackward ? std::min<long long>(nStart, nCount - 1) : std::max<long long>(nStart, 0);
             i >= 0 && i < nCount;
             i += Step()) {
            bool bContent = false;
            if (Matches(wKind, static_cast<LONG>(i), &bContent)) {
                Found(wKind, static_cast<LONG>(i), bContent, pwKind, pnIndex);
                return true;
            }
        }
    }
    m_wb.SetSearchState(0, 0);
    return false;
}

}  // namespace

LONG WINAPI zebFindText(HWND hDocument, LPCSTR pszText, UINT nFlags, POINT* pPosition)
{
    if (!IsTextDoc(hDocument) || pszText == nullptr)
        return 0;
    return DocFindText(hDocument, pszText, static_cast<int>(nFlags), pPosition);
}

LONG WINAPI zebFindDocText(HWND hWhiteBoard, LONG nDoc, LPCSTR pszText, UINT nFlags, POINT* pPosition)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebFindText, pszText, nFlags, pPosition);
}

LONG WINAPI zebFindString(HWND hWhiteBoard, LPCSTR pszText, BOOL bBackward, BOOL bInDocuments, WORD* pwKind,
                          LONG* pnIndex)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hWhiteBoard));
    if (pWb == nullptr || pszText == nullptr || pwKind == nullptr || pnIndex == nullptr)
        return 0;
    WaitCursor wait;
    if (pWb->SelectedWindow() != nullptr)
        DeselectObj(pWb->SelectedWindow());
    WbStringSearch search(*pWb, pszText, bBackward != FALSE, bInDocuments != FALSE);
    return search.Run(pwKind, pnIndex) ? 1 : 0;
}
