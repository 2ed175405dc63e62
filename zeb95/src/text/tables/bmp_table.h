// The inline bitmaps of a document: a bitmap stands in the text as one
// byte whose attribute has ZebAttrBitmap and names the bitmap by index. At
// most 256, room for 16 at first and 16 more at each growth; entries never
// move in memory while the table grows.
//
// Changes renumber the document's text and marks (ZebIndexHolder); the
// caller has stopped its layout thread and relays it out after.
#pragma once
#include <windows.h>

#include "text/tables/attr_renumber.h"
#include "text/storage/stable_table.h"

struct ZebDocBmpEntry
{
    HGLOBAL dib;  // DIB handle, owned by the document
    char* name;   // own copy of the file name, or none
    int width;
    int height;
};

const int kZebMostBitmaps = 256;

class ZebBmpTable
{
public:
    ZebBmpTable() : m_table(kZebMostBitmaps) {}
    ~ZebBmpTable();
    ZebBmpTable(const ZebBmpTable&) = delete;
    ZebBmpTable& operator=(const ZebBmpTable&) = delete;

    int Count() const { return m_table.Count(); }
    // The entry at the index, null outside the table.
    const ZebDocBmpEntry* Entry(int nIndex) const;
    // Takes the DIB at the index (negative or beyond the count: appends),
    // replaced by a copy dithered to the fixed palette when bDither is set
    // and the display has 8 bits per pixel; references at and above the
    // index rise by 1. The index used; -1 when the table is full, the DIB is
    // not valid or memory runs out: the DIB then stays the caller's.
    int Add(int nAt, HGLOBAL hDib, const char* pszName, bool bDither, const ZebIndexHolder& user);
    // Destroys the bitmap at the index (negative: all); references to it
    // (to any, for all) become 255, which names no bitmap, and higher ones
    // fall by 1. 1, or 0
    // for an index at or beyond the count.
    int Remove(int nAt, const ZebIndexHolder& user);

private:
    void Release(int nAt);
    ZebStableTable<ZebDocBmpEntry> m_table;
};
