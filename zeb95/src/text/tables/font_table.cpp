#include "text/tables/font_table.h"

ZebFontTable::ZebFontTable(bool bShared, bool bVertical)
    : m_bShared(bShared), m_bVertical(bVertical && !bShared), m_horz(kZebMostFonts), m_vert(kZebMostFonts)
{
}

ZebFontTable::~ZebFontTable()
{
    for (int i = 0; i < Count(); ++i)
        DeleteFonts(i);
}

const ZebFontEntry* ZebFontTable::Entry(int nIndex, bool bVerticalTwin) const
{
    if (nIndex < 0 || nIndex >= Count())
        return nullptr;
    return &(bVerticalTwin && m_bShared ? m_vert : m_horz).At(nIndex);
}

int ZebFontTable::Find(const LOGFONTA& lf) const
{
    for (int i = 0; i < Count(); ++i)
        if (IsSameEntryFont(m_horz.At(i), lf))
            return i;
    return -1;
}

LOGFONTA ZebFontTable::Ruled(const LOGFONTA& lf) const
{
    LOGFONTA ruled = lf;
    ApplyFontRules(ruled, m_bVertical);
    return ruled;
}

void ZebFontTable::Renumber(const std::vector<ZebIndexHolder>& users, const ZebRenumber& change)
{
    for (const ZebIndexHolder& user : users)
        RenumberHolder(user, change);
}

int ZebFontTable::Add(HWND hwnd, const LOGFONTA& lf, const std::vector<ZebIndexHolder>& users)
{
    const int nFound = Find(Ruled(lf));
    return nFound >= 0 ? nFound : Insert(hwnd, lf, -1, users);
}

namespace {

// A made entry for the font, or one with no font.
ZebFontEntry MadeEntry(HWND hwnd, const LOGFONTA& lf)
{
    ZebFontEntry entry = {};
    entry.logfont = lf;
    entry.font = ::CreateFontIndirectA(&lf);
    if (entry.font != nullptr)
        MakeFontEntry(hwnd, &entry);
    return entry;
}

}  // namespace

bool ZebFontTable::MakePair(HWND hwnd, const LOGFONTA& lf, ZebFontEntry* pHorz, ZebFontEntry* pVert) const
{
    const LOGFONTA ruled = Ruled(lf);
    *pHorz = MadeEntry(hwnd, ruled);
    *pVert = {};
    if (m_bShared && pHorz->font != nullptr)
    {
        LOGFONTA turned = ruled;
        turned.lfEscapement = RoundEscapement(ruled.lfEscapement, 3);
        turned.lfOrientation = RoundEscapement(ruled.lfOrientation, 3);
        *pVert = MadeEntry(hwnd, turned);
    }
    if (pHorz->font != nullptr && (!m_bShared || pVert->font != nullptr))
        return true;
    ReleaseFontEntry(*pHorz);
    ReleaseFontEntry(*pVert);
    return false;
}

int ZebFontTable::Insert(HWND hwnd, const LOGFONTA& lf, int nAt, const std::vector<ZebIndexHolder>& users)
{
    const int nCount = Count();
    if (nCount >= kZebMostFonts)
        return -1;
    if (nAt < 0 || nAt > nCount)
        nAt = nCount;
    ZebFontEntry horz = {};
    ZebFontEntry vert = {};
    if (!MakePair(hwnd, lf, &horz, &vert))
        return -1;
    // The twin goes in first: the count that readers go by is the
    // horizontal table's, so an index is never seen without its twin.
    if ((m_bShared && !m_vert.Insert(nAt, vert)) || !m_horz.Insert(nAt, horz))
    {
        if (m_vert.Count() > nCount)
            m_vert.Remove(nAt);
        ReleaseFontEntry(horz);
        ReleaseFontEntry(vert);
        return -1;
    }
    Renumber(users, ZebRenumber::Insert(ZebAttrTable::Fonts, nCount, nAt));
    return nAt;
}

bool ZebFontTable::Replace(HWND hwnd, int nAt, const LOGFONTA& lf)
{
    ZebFontEntry horz = {};
    ZebFontEntry vert = {};
    if (nAt < 0 || nAt >= Count() || !MakePair(hwnd, lf, &horz, &vert))
        return false;
    DeleteFonts(nAt);
    m_horz.At(nAt) = horz;
    if (m_bShared)
        m_vert.At(nAt) = vert;
    return true;
}

void ZebFontTable::SetVertical(HWND hwnd, bool bVertical)
{
    if (m_bShared || bVertical == m_bVertical)
        return;
    m_bVertical = bVertical;
    const int nTurns = bVertical ? 3 : 1;
    for (int i = 0; i < Count(); ++i)
    {
        ZebFontEntry& entry = m_horz.At(i);
        LOGFONTA lf = HeldFontRequest(entry.logfont);
        lf.lfEscapement = RoundEscapement(lf.lfEscapement, nTurns);
        lf.lfOrientation = RoundEscapement(lf.lfOrientation, nTurns);
        const ZebFontEntry made = MadeEntry(hwnd, lf);
        if (made.font == nullptr)
            continue;
        ReleaseFontEntry(entry);
        entry = made;
    }
}

void ZebFontTable::DeleteFonts(int nAt)
{
    ReleaseFontEntry(m_horz.At(nAt));
    if (m_bShared)
        ReleaseFontEntry(m_vert.At(nAt));
}

int ZebFontTable::Remove(HWND hwnd, int nAt, const std::vector<ZebIndexHolder>& users)
{
    const int nCount = Count();
    if (nAt >= nCount)
        return 0;
    if (nAt < 0)
    {
        for (int i = 0; i < nCount; ++i)
            DeleteFonts(i);
        m_horz.Clear();
        m_vert.Clear();
        Renumber(users, ZebRenumber::Clear(ZebAttrTable::Fonts, nCount, 0));
    }
    else
    {
        DeleteFonts(nAt);
        m_horz.Remove(nAt);
        if (m_bShared)
            m_vert.Remove(nAt);
        Renumber(users, ZebRenumber::Remove(ZebAttrTable::Fonts, nCount, nAt, 0));
    }
    if (Count() == 0)
        Insert(hwnd, FallbackLogFont(), -1, users);
    return 1;
}
