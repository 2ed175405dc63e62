// CSampleFormBuilder: makes the layout of a sample form field by field.
// Labels and frames (fixed texts that carry no data, printed only on blank
// paper and locked in place) go to the outside list of a one-face form and
// to the face list of a form with several faces; data fields always go to
// the face list. Rectangles are in tenths of a millimetre, relative to the
// face.
#pragma once
#include <initializer_list>

#include "nmirtlayoutdata.h"
#include "npropobj.h"

class CTextAttr;

// A typeface and its LOGFONT pitch and family.
struct SampleFont
{
    LPCSTR pszFace;
    BYTE nPitchAndFamily;
};

// How a field writes its text.
struct SampleLook
{
    const SampleFont* pFont;
    int nPoints;
    int nAlign;           // CTextAttr::ALIGN_
    BOOL bBold;
    BOOL bKanaEntry;      // the input method opens in hiragana mode
};

// How a numeric field keeps and draws its number.
struct SampleNumber
{
    int nNumKind;       // CNPropObjDocNum::NUMKIND_
    int nDrawStyle;     // CNPropObjDocNum::STYLE_
    LPCSTR pszPrefix;   // drawn before a number, or null
};

// One column of a table: heading, left and right edge, look of its cells,
// and for a column of numbers how they are kept and drawn.
struct SampleColumn
{
    LPCSTR pszHeading;
    LONG nLeft;
    LONG nRight;
    const SampleLook* pLook;
    const SampleNumber* pNumber;
};

class CSampleFormBuilder
{
public:
    // An A4 portrait form of nFaces equal faces stacked from the top. Labels
    // are numbered from nFirstLabelOrder on.
    CSampleFormBuilder(UINT nLayoutID, LPCSTR pszTitle, int nFaces, UINT nFirstLabelOrder);
    ~CSampleFormBuilder();
    CSampleFormBuilder(const CSampleFormBuilder&) = delete;
    CSampleFormBuilder& operator=(const CSampleFormBuilder&) = delete;

    // The width of the paper and the height of one face.
    static LONG PaperWidth();
    LONG FaceHeight() const;

    // A fixed text, centred across the rectangle's height.
    void Label(const RECT& rect, LPCSTR pszText, const SampleLook& look);
    // A fixed text in a box.
    void Caption(const RECT& rect, LPCSTR pszText, const SampleLook& look);
    // An empty box.
    void Frame(const RECT& rect);
    // A horizontal rule from nLeft to nRight just below y.
    void Rule(LONG nLeft, LONG nRight, LONG y);

    // Single-line entry, centred across the rectangle's height.
    void Edit(UINT nOrder, LPCSTR pszName, const RECT& rect, const SampleLook& look);
    // Multi-line text taking at most nRowLimit rows (0: any).
    void TextArea(UINT nOrder, LPCSTR pszName, const RECT& rect, const SampleLook& look, int nRowLimit);
    // An entry or a text area inside a box, off its edges.
    void BoxedEdit(UINT nOrder, LPCSTR pszName, const RECT& rect, const SampleLook& look);
    void BoxedTextArea(UINT nOrder, LPCSTR pszName, const RECT& rect, const SampleLook& look);
    // A number, kept and drawn as number says; boxed, inside a box.
    void Number(UINT nOrder, LPCSTR pszName, const RECT& rect, const SampleLook& look, const SampleNumber& number);
    void BoxedNumber(UINT nOrder, LPCSTR pszName, const RECT& rect, const SampleLook& look,
        const SampleNumber& number);
    // A serial number that the print frame counts on paper.
    void SerialNumber(UINT nOrder, LPCSTR pszName, const RECT& rect, const SampleLook& look);
    // A calculated field on the face: pszFormula over the face's fields
    // into nResult, run when a member changes. Groups are numbered with the
    // labels.
    void Calculation(LPCSTR pszFormula, UINT nResult, std::initializer_list<UINT> members);

    // The user's saved value from "\Data\Other\<pszFile>", after pszPrefix
    // when given. Kept for a new page.
    void AutoItem(UINT nOrder, LPCSTR pszName, const RECT& rect, const SampleLook& look, LPCSTR pszFile,
        LPCSTR pszPrefix = nullptr);
    // The date the page was made, by a CDateFormat template.
    void CreationDate(UINT nOrder, LPCSTR pszName, const RECT& rect, const SampleLook& look,
        LPCSTR pszTemplate);

    // A monthly calendar of the month a page is made in (year and month
    // stored as 0), its year and month titles above it.
    void Calendar(UINT nOrder, LPCSTR pszName, const RECT& rect);
    // A picture the user chooses.
    void Picture(UINT nOrder, LPCSTR pszName, const RECT& rect);
    // A check box with its caption, marked with a filled circle.
    void CheckBox(UINT nOrder, LPCSTR pszName, const RECT& rect, LPCSTR pszCaption);
    // A barcode of a CBarcode kind, its text set by the program.
    void Barcode(UINT nOrder, LPCSTR pszName, const RECT& rect, UINT nKind);

    // The layout's table part: a heading row nHeadingHeight tall at nTop
    // in the heading look,
    // then nRows rows of entries, nRowHeight each, numbered row by row from
    // nFirstOrder; each cell is named by its heading and row ("品名1").
    // Columns and rows are ruled by frames.
    void Table(UINT nFirstOrder, const SampleColumn* pColumns, int nColumns, int nRows, LONG nTop,
        LONG nHeadingHeight, LONG nRowHeight, const SampleLook& heading);

    // The finished layout; the caller deletes it.
    CNMirtLayoutData* Detach();

private:
    // A block: the order, the rectangle and attributes 1 (print), 2 (lock),
    // 5 (input bits) and 8 (clear for a new page).
    static tagPROPBLOCK Block(UINT nOrder, const RECT& rect, DWORD dwPrint, DWORD dwLock, DWORD dwInput,
        DWORD dwClear);
    static tagPROPBLOCK DataBlock(UINT nOrder, const RECT& rect, BOOL bClear);
    tagPROPBLOCK LabelBlock(const RECT& rect);
    // Font, alignment and entry mode of the look; a single line is centred
    // across the rectangle's height.
    static void ApplyLook(CTextAttr& text, const RECT& rect, const SampleLook& look, BOOL bSingleLine);
    static void SetItems(CNPropObj* pField, LPCSTR pszFirst, LPCSTR pszSecond = nullptr);
    void AddLabel(const RECT& rect, LPCSTR pszText, const SampleLook& look, DWORD dwStyle);
    void AddDataField(CNPropObj* pField, LPCSTR pszName);

    CNMirtLayoutData* m_pLayout;
    CObList& m_listLabels;
    UINT m_nNextLabelOrder;
};
