// CNPropObjCtrl: the base of the fields that show an entry window on the
// face. It adds the window styles, the field's rectangle on the current
// device and the entry window, exchanges the data string and the item list
// with that window, draws the placeholder frame, spreads attributed text
// over a width and reports the field's attributes to the host view.
#pragma once
#include "npropobj.h"
#include "spaceinfo.h"

#pragma pack(push, 4)

class MIRT_API CNPropObjCtrl : public CNPropObj
{
    DECLARE_SERIAL(CNPropObjCtrl)
public:
    // Child, visible, clip siblings.
    enum : DWORD { STYLE_DEFAULT = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS };
    enum : DWORD
    {
        STYLE_BORDER = WS_BORDER,
        STYLE_HSCROLL = WS_HSCROLL,
        STYLE_VSCROLL = WS_VSCROLL,
        EXSTYLE_TRANSPARENT = WS_EX_TRANSPARENT
    };
    // Entry windows get the id order + CONTROL_ID_BASE.
    enum { CONTROL_ID_BASE = 2000 };
    // Frame colour of the placeholder.
    enum : DWORD { PLACEHOLDER_COLOR = 0xC0C0C0 };

    CNPropObjCtrl();
    CNPropObjCtrl(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);

    // The CNPropObj record, then version, style, extended style. A load
    // keeps neither the version nor a style without STYLE_DEFAULT.
    void Serialize(CArchive& ar) override;

    int Draw(CDC* pDC, int nMode) override;
    int Activate() override;
    CWnd* CreateControl(CWnd* pParent, int bSetOwner) override;
    int DestroyControl() override;
    void SetMode(UINT nMode) override;
    UINT GetMode() override;
    CNPropObj* Clone(int dx, int dy) override;
    int Execute(DWORD dwArg1, DWORD dwArg2, DWORD dwArg3) override;
    int GetText(CString& strText) override;
    int SetText(const CString& strText, int nConvert = 0, const int* pExtra = nullptr) override;
    int GetList(CStringList& list) override;
    int SetList(const CStringList& list) override;
    BOOL HitTest(POINT point) override;
    int ClearText() override;
    void InitDefaults() override;
    void SaveFromControl() override;
    void LoadToControl(int bAlsoList) override;
    void FocusControl() override;
    void SyncRectFromControl() override;
    void GetDrawRects(CDC* pDC, RECT* pWhole, RECT* pFirst, RECT* pSecond) override;
    void CopyTo(CNPropObj* pOther) override;
    UINT GetVersion() override;
    DWORD GetStyle() override;
    void SetStyle(DWORD dwStyle) override;
    DWORD GetExStyle() override;
    void SetExStyle(DWORD dwExStyle) override;
    BOOL IsBorder() override;
    BOOL IsHScroll() override;
    BOOL IsVScroll() override;
    BOOL IsTransparent() override;
    void SetBorder(BOOL bOn) override;
    void SetHScroll(BOOL bOn) override;
    void SetVScroll(BOOL bOn) override;
    void SetTransparent(BOOL bOn) override;

    virtual int GetEntryMode();
    virtual int IsMultiLine();
    // 0: no row limit.
    virtual int GetRowLimit();
    // Posts MsgFieldFormat with a new tagSPACEINFO of this field to pView.
    virtual void PostFormatToView(CWnd* pView);
    // Draws nLength bytes of text from (x, y) spread over nExtent device
    // units (along y when vertical), with the field font's underline and
    // strike-out drawn as lines. 0 without a context.
    virtual int DrawAttrText(CDC* pDC, int x, int y, LPCSTR lpszText, int nLength, BOOL bVertical, int nExtent,
        CFont* pFont);

    // The field may be shown in a face window.
    BOOL IsLive() const { return (m_nMode & (MODE_ENTRY | MODE_SHOWN)) != 0; }
    CWnd* GetControl() const { return m_pCtrlWnd; }
    // The field's attributes as a record.
    void FillSpaceInfo(tagSPACEINFO& info);
    // The rectangle on pDC in device units at the owner's zoom, into
    // m_rcDevice.
    void CalcDeviceRect(CDC* pDC);
    // Hands a WindowCommand to the entry window; FALSE when there is no
    // window. bFromWindow: window to field.
    BOOL ExchangeWithControl(DWORD nCommand, BOOL bFromWindow);

    DWORD m_dwStyle;
    DWORD m_dwExStyle;
    RECT m_rcDevice;

protected:
    // DrawAttrText for text that runs at nAngle (0 .. 3599 tenths of a
    // degree; vertical text 2700), the replacement font's escapement.
    int DrawAttrTextAt(CDC* pDC, int x, int y, LPCSTR lpszText, int nLength, int nAngle, int nExtent, CFont* pFont);

    CWnd* m_pCtrlWnd;         // not owned here: the concrete classes make and destroy it
    UINT m_nCtrlVersion;

private:
    void SetStyleBit(DWORD dwBit, BOOL bOn);
    void SetExStyleBit(DWORD dwBit, BOOL bOn);
};

#pragma pack(pop)
