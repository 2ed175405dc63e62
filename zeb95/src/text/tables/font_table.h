// ZebFontTable: the fonts that characters name by the font byte of their
// attributes. A document's own table, or a whiteboard's shared pair: a
// horizontal table and a vertical one whose entry i is entry i of the
// horizontal one turned by 2700, one count for both. At most 256 entries,
// room for 16 at first and 16 more at each growth; entries never move in
// memory while the table grows (ZebStableTable).
//
// Every change re-points the documents that use the table (their
// ZebIndexHolder); the caller has stopped their layout threads and
// relays them out after.
#pragma once
#include <windows.h>

#include <vector>

#include "text/tables/attr_renumber.h"
#include "text/tables/font_entry.h"
#include "text/storage/stable_table.h"

const int kZebMostFonts = 256;

class ZebFontTable
{
public:
    // bShared: a whiteboard's pair. bVertical: a vertical document's own
    // table, whose escapements turn by a further 2700.
    ZebFontTable(bool bShared, bool bVertical);
    ~ZebFontTable();
    ZebFontTable(const ZebFontTable&) = delete;
    ZebFontTable& operator=(const ZebFontTable&) = delete;

    int Count() const { return m_horz.Count(); }
    bool IsShared() const { return m_bShared; }
    // The entry at the index (of the vertical twin table when asked and
    // shared), null outside the table.
    const ZebFontEntry* Entry(int nIndex, bool bVerticalTwin = false) const;
    // Lowest index whose font is the same (IsSameEntryFont), -1 when none.
    int Find(const LOGFONTA& lf) const;
    // The font with the table's escapement and charset rules applied: an
    // equivalent entry's index, else the index of a new entry appended;
    // -1 when the table is full or a font cannot be made.
    int Add(HWND hwnd, const LOGFONTA& lf, const std::vector<ZebIndexHolder>& users);
    // Inserts the font at the index (negative or beyond the count: appends)
    // and raises the font indexes at and above it in every user; the index
    // used, -1 when the table is full or a font cannot be made.
    int Insert(HWND hwnd, const LOGFONTA& lf, int nAt, const std::vector<ZebIndexHolder>& users);
    // Removes the entry (negative: all), deleting its fonts; users' indexes
    // of it become 0 and higher ones fall by 1. An emptied table receives
    // the fallback font. 1, or 0 for an index at or beyond the count.
    int Remove(HWND hwnd, int nAt, const std::vector<ZebIndexHolder>& users);
    // Replaces the font of the entry (the table's rules applied, a shared
    // pair's twin turned by 2700) and measures it again. False for an index
    // outside the table or a font that cannot be made: the entry stays.
    bool Replace(HWND hwnd, int nAt, const LOGFONTA& lf);
    // A document's own table: turns every font for vertical writing (a
    // further 2700) or back (900), remaking it, and ruling fonts added from
    // then on the same way; a font that cannot be made again stays as it
    // was. A shared pair keeps its twins and is left alone.
    void SetVertical(HWND hwnd, bool bVertical);

private:
    LOGFONTA Ruled(const LOGFONTA& lf) const;
    // The entry (and a shared pair's twin) made for the font with the
    // table's rules; false, nothing left made, when a font cannot be made.
    bool MakePair(HWND hwnd, const LOGFONTA& lf, ZebFontEntry* pHorz, ZebFontEntry* pVert) const;
    // Deletes the font (and its twin) of the entry; the entry stays.
    void DeleteFonts(int nAt);
    static void Renumber(const std::vector<ZebIndexHolder>& users, const ZebRenumber& change);

    const bool m_bShared;
    bool m_bVertical;
    ZebStableTable<ZebFontEntry> m_horz;
    ZebStableTable<ZebFontEntry> m_vert;
};
