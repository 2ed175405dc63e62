// CNPropObj: the abstract field (space) of a form face. It holds what every
// field has (order, rectangle, attributes, item list, data string, name),
// stores it, and defines the virtual interface through which face lists,
// form windows and the host program use any field. Lengths are tenths of a
// millimetre.
#pragma once
#include <afxwin.h>
#include <afxcoll.h>
#include "mirtapi.h"

class CMirtBase;

#pragma pack(push, 4)

// What places a field, 13 DWORDs in this order: order number, rectangle
// (0.1 mm), attributes 1 to 8.
struct tagPROPBLOCK
{
    UINT nOrder;
    RECT rect;
    DWORD dwAttr[8];
};
static_assert(sizeof(tagPROPBLOCK) == 13 * sizeof(DWORD), "13 DWORDs");

class MIRT_API CNPropObj : public CObject
{
    DECLARE_DYNAMIC(CNPropObj)
public:
    // Attributes, numbered 1 to 8 (GetAttr/SetAttr).
    enum
    {
        ATTRIBUTE_PRINT = 1,   // 2 never on a printer, 0 only in print-paper mode, else printed
        ATTRIBUTE_LOCK = 2,    // position and size locked when nonzero
        ATTRIBUTE_INDEX = 3,   // page index string 1..20 that follows the value, 0 none
        ATTRIBUTE_INPUT = 5,   // INPUT_ bits
        ATTRIBUTE_CLEAR = 8,   // value cleared for a new page when nonzero
        ATTRIBUTE_COUNT = 8
    };
    enum
    {
        INPUT_TAKES = 0x03,   // either bit: takes input
        INPUT_DATA = 0x04     // carries data
    };
    // Flag word.
    enum
    {
        FLAG_NOPRINT = 0x01,  // neither printed nor previewed
        FLAG_NOINPUT = 0x08,
        FLAG_HIDDEN = 0x20    // never drawn, takes no input
    };
    // Run-time mode.
    enum
    {
        MODE_ENTRY = 0x01,    // with MODE_SHOWN: may be shown in an entry window
        MODE_NOINPUT = 0x02,
        MODE_SHOWN = 0x10
    };
    enum
    {
        DATAKIND_PICTURE = 2,   // the data string is a picture file name
        DATAKIND_TEXT = 3
    };
    enum { LINK_COUNT = 5 };

    // InitDefaults.
    CNPropObj();
    // InitDefaults, then order, rectangle and attributes from the block.
    explicit CNPropObj(const tagPROPBLOCK& block);
    ~CNPropObj() override;

    // Fields come from slabs of their own size made resident in one step
    // (a large file makes hundreds of thousands of them at once).
    static void* operator new(size_t nSize);
    static void operator delete(void* p, size_t nSize);

    // The record: the base's own version (1 for every field class; each
    // subclass stores its own in its tail), order, rectangle, attributes 1
    // to 8, flag word, setting, item list, data kind, data string, name. A
    // load reads the version and does not keep it.
    void Serialize(CArchive& ar) override;

    virtual int Draw(CDC* pDC, int nMode) = 0;
    virtual int Activate() = 0;
    // Makes the entry window (id order + 2000) under pParent.
    virtual CWnd* CreateControl(CWnd* pParent, int bSetOwner) = 0;
    virtual int DestroyControl() = 0;
    virtual void SetMode(UINT nMode) = 0;
    virtual UINT GetMode() = 0;
    // A new field of the same class filled by CopyTo, moved by dx, dy.
    virtual CNPropObj* Clone(int dx, int dy) = 0;
    virtual int Execute(DWORD dwArg1, DWORD dwArg2, DWORD dwArg3) = 0;
    virtual int GetText(CString& strText);
    // nConvert asks text fields to convert the text for their writing
    // direction; fields without conversion ignore it. pExtra is a request
    // that control-backed fields refuse (answer 0) when given.
    virtual int SetText(const CString& strText, int nConvert = 0, const int* pExtra = nullptr);
    virtual int GetList(CStringList& list);
    virtual int SetList(const CStringList& list);
    virtual BOOL HitTest(POINT point) = 0;
    virtual int ClearText() = 0;
    virtual void InitDefaults();
    virtual void SaveFromControl() = 0;
    virtual void LoadToControl(int bAlsoList) = 0;
    virtual void FocusControl() = 0;
    virtual void SyncRectFromControl() = 0;
    virtual void SetLogFont(const LOGFONT* pLogFont);
    virtual LOGFONT* GetLogFont();
    virtual void SetAlign(int nAlign);
    virtual int GetAlign();
    virtual void SetRowHeight(int nRowHeight);
    virtual int GetRowHeight();
    virtual void SetTextColor(COLORREF crText);
    virtual COLORREF GetTextColor();
    // 1 cleared for a new page, 2 carried over, 3 not applicable.
    virtual int GetCarryOver();
    virtual void SetCarryOver(BOOL bClear);
    // 1 free, 2 locked, 3 not applicable.
    virtual int GetModify();
    virtual void SetModify(BOOL bLock);
    virtual CString GetFieldName();
    // The rectangles drawn on pDC, the whole box first; empty in the base.
    virtual void GetDrawRects(CDC* pDC, RECT* pWhole, RECT* pFirst, RECT* pSecond);
    virtual void SetAutoCalc(int nAutoCalc);
    virtual int GetAutoCalc();
    // 0 integer, 1 two decimals, 2 trailing zeros cut, 3 not numeric.
    virtual int GetNumKind();
    virtual void SetNumKind(int nNumKind);
    virtual CSize GetShadowOffset();
    virtual void SetShadowOffset(CSize offset);
    // 3: no shadow setting.
    virtual int GetShadow();
    virtual void SetShadow(int nShadow);
    virtual void CalcShadowRect(CDC* pDC, int nWhich);
    // 0 to 3; 4: no pitch setting.
    virtual int GetPichRate();
    virtual void SetPichRate(int nRate);
    // Execute (0, 0, 0) on each linked group in link order.
    virtual void RecalcLinked();
    // Flag word, setting, item list, data kind, text and name; not the
    // order, rectangle or attributes.
    virtual void CopyTo(CNPropObj* pOther);
    virtual UINT GetVersion();
    virtual DWORD GetStyle();
    virtual void SetStyle(DWORD dwStyle);
    virtual DWORD GetExStyle();
    virtual void SetExStyle(DWORD dwExStyle);
    virtual BOOL IsBorder();
    virtual BOOL IsHScroll();
    virtual BOOL IsVScroll();
    virtual BOOL IsTransparent();
    virtual void SetBorder(BOOL bOn);
    virtual void SetHScroll(BOOL bOn);
    virtual void SetVScroll(BOOL bOn);
    virtual void SetTransparent(BOOL bOn);

    // A dependent group into the first free link place; 0 when all are taken.
    int AddLink(CNPropObj* pGroup);
    // Link n (1..LINK_COUNT), else null.
    CNPropObj* GetLink(UINT n) const;
    BOOL IsEditable() const;
    // The owner window holds a loaded layout; 0 without an owner.
    int IsPrintForm() const;
    void GetBlock(tagPROPBLOCK& block) const;

    DWORD GetAttr(int n) const { return m_dwAttr[n - 1]; }
    void SetAttr(int n, DWORD dwValue) { m_dwAttr[n - 1] = dwValue; }
    BOOL CarriesData() const { return (GetAttr(ATTRIBUTE_INPUT) & INPUT_DATA) != 0; }
    BOOL IsHidden() const { return (m_dwFlags & FLAG_HIDDEN) != 0; }

    // The gate every field's drawing passes: nothing when hidden; when
    // printing, nothing when not printed, and on a printer (not a preview)
    // nothing by attribute 1 against the owner's print-paper mode.
    BOOL CanDrawOn(CDC* pDC) const;
    // The print preview's context (CPreviewDC).
    static BOOL IsPreviewDC(const CDC* pDC);

    // Between tenths of a millimetre and device units (bToDevice nonzero:
    // to device units). A printing context converts through its 0.1 mm
    // mapping with y pointing down; any other context (or none) is the
    // screen at 100 %: 1000 units are 378 pixels.
    static void ConvertRectUnits(CDC* pDC, RECT* pRect, int bToDevice);
    static void ConvertSizeUnits(CDC* pDC, SIZE* pSize, int bToDevice);
    static void ConvertPointUnits(CDC* pDC, POINT* pPoint, int bToDevice);
    static int ConvertLengthUnits(CDC* pDC, int nLength, int bToDevice);
    // Points to device pixels at the context's vertical resolution (96 per
    // inch on the screen).
    static int PointsToPixels(CDC* pDC, int nPoints);

    UINT m_nOrder;
    RECT m_rect;
    DWORD m_dwAttr[ATTRIBUTE_COUNT];
    UINT m_nMode;             // run-time mode, not stored
    DWORD m_dwFlags;
    DWORD m_dwSetting;        // stored and copied unchanged
    CStringList m_listItems;
    int m_nDataKind;
    CString m_strData;
    CMirtBase* m_pOwner;      // not owned, not stored
    CString m_strName;
    CNPropObj* m_pLinks[LINK_COUNT];
    DWORD m_dwFurther[3];     // 0, not stored

protected:
    UINT m_nVersion;          // the base's, 1

private:
    void SetBlock(const tagPROPBLOCK& block);
};

#pragma pack(pop)
