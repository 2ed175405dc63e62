// CDefaultPrtDef: a list printing definition, a plain page built from
// header items (repeated on every page) and body items (flowing down the
// page and on across page breaks), read from "ON%d.DPD" or "ON%d.DPB" in the
// install root's "\DATA\FMT\" folder. It prints the values of one page
// document. Margins are tenths of a millimetre, positions device units,
// font heights tenths of a point.
#pragma once
#include <afxwin.h>
#include <afxcoll.h>
#include "linedef.h"
#include "mirtapi.h"

class CNMirtDoc;
class CNPropObj;

#pragma pack(push, 4)

class MIRT_API CDefaultPrtDef : public CObject
{
    DECLARE_SERIAL(CDefaultPrtDef)
public:
    enum
    {
        DEF_KIND_LIST = 0,      // "ON%d.DPD"
        DEF_KIND_BBS = 1        // "ON%d.DPB"
    };

    CDefaultPrtDef();
    // Deletes the items.
    ~CDefaultPrtDef() override;

    // First value, font, stored value, margins top, left, right, bottom,
    // then the header and body item lists with class information. A load
    // replaces the items, accepts nothing but new CLineDef in the lists
    // (else CArchiveException badClass, or badIndex for one met before)
    // and makes this the items' owner.
    void Serialize(CArchive& ar) override;

    // Reads the definition of layout nLayoutID (nKind DEF_KIND_...). FALSE
    // when the file does not open or is not a whole definition; the
    // definition is then left empty if the file opened.
    BOOL ReadDefFile(UINT nLayoutID, int nKind);
    // First value 1, font and margins zero, no items, no page starts.
    void Reset();

    void SetDocument(CNMirtDoc* pDoc) { m_pDoc = pDoc; }
    CNMirtDoc* GetDocument() const { return m_pDoc; }

    // Starts page nPage (counted from 1): page area from the margins, line
    // height from the font, then the header items. 0 when a header item does
    // not fit (GetStopPage then gives the page) or there is no context; 1
    // also when the font cannot be made.
    int BeginPage(CDC* pDC, UINT nPage);
    // Prints the body of page nPage from the item that begins it: 1 when
    // another page follows. nNext receives nPage, where printing stopped.
    int PrintBody(CDC* pDC, UINT nPage, UINT& nNext);
    // The page on which a header did not fit; 0 once a body is finished.
    UINT GetStopPage() const { return m_nStopPage; }

    // The item after pItem in whichever list holds it, or null.
    CLineDef* GetNextLineDef(const CLineDef* pItem) const;

    // The document's field data string, field name (by order) or printing
    // string (by index from 0); empty without a document or entry.
    void GetFieldText(UINT nOrder, CString& strText) const;
    void GetFieldName(UINT nOrder, CString& strName) const;
    void GetDefPrtString(UINT nIndex, CString& strText) const;

    CMapWordToOb m_mapPageStarts;   // page -> body item it begins with
    DWORD m_dwFirst;
    int m_nLeft;                    // page area and cursor, device units
    int m_nTop;
    int m_nCurX;
    int m_nCurY;
    int m_nWidth;
    int m_nHeight;
    int m_nLineHeight;              // default font: height + external leading
    int m_nRowHeight;               // tallest item of the current row
    UINT m_nStopPage;
    UINT m_nPage;
    CNMirtDoc* m_pDoc;              // not owned
    DWORD m_nMarginBottom;          // 0.1 mm
    DWORD m_nMarginRight;
    DWORD m_nMarginLeft;
    DWORD m_nMarginTop;
    LOGFONT m_logFont;
    DWORD m_dwStored;               // stored, not printed
    CObList m_listHeader;           // CLineDef, owned
    CObList m_listBody;             // CLineDef, owned

private:
    CDefaultPrtDef(const CDefaultPrtDef&) = delete;
    CDefaultPrtDef& operator=(const CDefaultPrtDef&) = delete;

    void DeleteItems();
    void LoadItems(CArchive& ar, CObList& list);
    // Line height and row height from the definition's font on pDC; FALSE
    // when the font cannot be made.
    BOOL TakeLineHeight(CDC* pDC);
    // pItem, which did not finish on this page, put nothing on it.
    BOOL IsStuck(const CLineDef* pItem, int nLineBefore) const;
    CNPropObj* GetField(UINT nOrder) const;
};

#pragma pack(pop)
