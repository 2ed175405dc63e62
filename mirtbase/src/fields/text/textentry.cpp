#include "fields/text/textentry.h"

#include <memory>

#include "fields/base/clampint.h"
#include "fields/fieldcommon.h"
#include "mirtbase.h"
#include "npropwnddoc.h"
#include "npropwndwb.h"

namespace {

const DWORD kDocMask = 0x07FFFFF9;
const DWORD kDocStyle = 0x10000;
const DWORD kDesignStyle = 0x00800000;
const DWORD kEditorStyle = 0x54010000;
const LONG kPointerText = 3;
const LONG kPointerArrow = 1;
const COLORREF kWhite = RGB(255, 255, 255);
const WORD kDocLimit = 500;
const WORD kNoMark = 0xFFFF;
const LONG kImeHiragana = 4;
const LONG kImeClosed = 2;
const LONG kStaticOff = 0;
const LONG kStaticOn = 1;
const LONG kStaticReadOnly = 2;
const LONG kImeFontOwn = -2;
const WORD kClipMode = 0x30;
const int kPitchTenths = 10;
// Display pixels of 1000 units of 0.1 mm at 100 %.
const int kPixelsPer1000 = 378;

// A text document takes the focus when it is made; one made for a field
// the user is not in leaves the focus where it was.
class CKeptFocus
{
public:
    CKeptFocus() : m_hFocus(::GetFocus()) {}
    ~CKeptFocus()
    {
        if (m_hFocus != nullptr && ::IsWindow(m_hFocus) && ::GetFocus() != m_hFocus)
            ::SetFocus(m_hFocus);
    }
    CKeptFocus(const CKeptFocus&) = delete;
    CKeptFocus& operator=(const CKeptFocus&) = delete;

private:
    HWND m_hFocus;
};

}  // namespace

CTextEntry::CTextEntry(CNPropObjCtrl& field, const CTextAttr& text, CWnd*& pCtrlWnd, CNPropWndDoc*& pWndDoc,
    CNPropWndWB*& pWndWB)
    : m_field(field), m_text(text), m_pCtrlWnd(pCtrlWnd), m_pWndDoc(pWndDoc), m_pWndWB(pWndWB)
{
}

LONG CTextEntry::AlignmentMode(int nAlign)
{
    switch (nAlign) {
    case CTextAttr::ALIGN_RIGHT: return 17;
    case CTextAttr::ALIGN_CENTER: return 18;
    case CTextAttr::ALIGN_DISTRIBUTED: return 3;
    default: return 16;
    }
}

void CTextEntry::AlignEditor(CNPropWndWB* pWndWB, int nAlign)
{
    CNPropWndEdt* pEditor = pWndWB != nullptr ? pWndWB->GetEditor() : nullptr;
    if (pEditor != nullptr && pEditor->GetSafeHwnd() != nullptr)
        zebSetAlignment(pEditor->GetSafeHwnd(), AlignmentMode(nAlign));
}

int CTextEntry::PixelHeight() const
{
    return MirtMulDiv(m_text.m_logFont.lfHeight, 96, 72);
}

ZebDocCreateInfo CTextEntry::DocInfo(CDC* pDisplay, const tagTEXTENTRYKIND& kind) const
{
    m_field.CalcDeviceRect(pDisplay);
    const BOOL bEditable = m_field.IsEditable();
    const BOOL bDesign = m_field.m_nMode == CNPropObj::MODE_SHOWN;
    const int nPixelHeight = PixelHeight();
    ZebDocCreateInfo info = {};
    info.dwMask = kDocMask;
    info.dwStyle = m_field.GetStyle() | kDocStyle | (bDesign && bEditable ? kDesignStyle : 0);
    info.x = m_field.m_rcDevice.left;
    info.y = m_field.m_rcDevice.top;
    info.cx = m_field.m_rcDevice.right - m_field.m_rcDevice.left;
    info.cy = m_field.m_rcDevice.bottom - m_field.m_rcDevice.top;
    info.nPointerNumber = bEditable && !bDesign ? kPointerText : kPointerArrow;
    info.lfFont = m_text.m_logFont;
    info.lfFont.lfHeight = nPixelHeight;
    info.crFore = m_text.m_crText;
    info.crBack = m_text.m_crBack;
    info.crBorder = kWhite;
    info.nFixedWidth = MirtMulDiv(MirtSub(m_field.m_rect.right, m_field.m_rect.left), kPixelsPer1000, 1000);
    info.nFixedHeight = MirtMulDiv(MirtSub(m_field.m_rect.bottom, m_field.m_rect.top), kPixelsPer1000, 1000);
    info.nVerticalMode = m_text.m_bVertical ? 1 : 0;
    info.nViewMode = bDesign && bEditable ? 0 : 1;
    info.wLimit = kDocLimit;
    if (bEditable && !bDesign) {
        info.nImeMode = m_text.m_nEntryMode ? kImeHiragana : kImeClosed;
        info.nStaticMode = kStaticOff;
    } else {
        info.nStaticMode = kind.bEditField && !bEditable ? kStaticReadOnly : kStaticOn;
    }
    info.dwExStyle = m_field.GetExStyle();
    info.wLineFeedCode = kNoMark;
    info.wFormFeedCode = kNoMark;
    info.nAlignment = AlignmentMode(m_text.m_nAlign);
    info.nImeFontSelector = kImeFontOwn;
    info.nScale = m_field.m_pOwner != nullptr ? MirtClampInt(m_field.m_pOwner->GetPercent()) : 100;
    if (kind.nPichRate != kPitchTenths)
        info.nCharExtra = MirtMulDiv(nPixelHeight, kind.nPichRate, kPitchTenths);
    return info;
}

void CTextEntry::ToEditorInfo(ZebDocCreateInfo& info, const tagTEXTENTRYKIND& kind) const
{
    static const char kNoFilter[] = "";
    info.dwStyle = kEditorStyle;
    info.x = 0;
    info.y = 0;
    info.nPointerNumber = kPointerText;
    if (!kind.bEditField && m_text.m_crText == kWhite)
        info.crBack = 0;
    info.nViewMode = 1;
    info.nImeMode = m_text.m_nEntryMode ? kImeHiragana : kImeClosed;
    info.nStaticMode = kStaticOff;
    info.dwExStyle = 0;
    info.pszFilterMatch = kind.bEditField ? nullptr : kNoFilter;
    info.pszFilterReplace = info.pszFilterMatch;
}

void CTextEntry::SetDocFont(HWND hDoc) const
{
    LOGFONT font = m_text.m_logFont;
    font.lfHeight = m_text.RowPitch(PixelHeight());
    zebSetDefaultFont(hDoc, zebAddFont(hDoc, &font));
    zebSetClipMode(hDoc, kClipMode);
}

CWnd* CTextEntry::MakeTextWindow(CWnd* pParent, int bSetOwner, CNPropWndDoc* pNewWindow,
    const tagTEXTENTRYKIND& kind)
{
    std::unique_ptr<CNPropWndDoc> pWindow(pNewWindow);
    CWnd* pHost = EntryHost(m_field, pParent, bSetOwner);
    if (pHost == nullptr)
        return nullptr;
    CWaitCursor wait;
    CDC display;
    display.CreateIC("DISPLAY", nullptr, nullptr, nullptr);
    const ZebDocCreateInfo info = DocInfo(&display, kind);
    const CKeptFocus focus;
    const HWND hDoc = zebCreateObjDoc(pHost->GetSafeHwnd(), &info, nullptr);
    if (hDoc == nullptr)
        return nullptr;
    SetDocFont(hDoc);
    if (m_field.IsEditable())
        zebSetRectOverflow(hDoc, 1);
    if (m_pCtrlWnd == m_pWndDoc)
        m_pCtrlWnd = nullptr;
    delete m_pWndDoc;
    m_pWndDoc = nullptr;
    if (!pWindow->SubclassWindow(hDoc)) {
        zebDestroyObjDoc(hDoc);
        return nullptr;
    }
    m_pWndDoc = pWindow.release();
    m_pCtrlWnd = m_pWndDoc;
    return m_pWndDoc;
}

CWnd* CTextEntry::MakeEditor(CWnd* pParent, const tagTEXTENTRYKIND& kind, int nFrameKind)
{
    CWaitCursor wait;
    CDC display;
    display.CreateIC("DISPLAY", nullptr, nullptr, nullptr);
    ZebDocCreateInfo info = DocInfo(&display, kind);
    const RECT rect = EntryRectOnForm(m_field, &display);
    ToEditorInfo(info, kind);
    DeleteEditor();
    m_pWndWB = new CNPropWndWB;
    CStringList items;
    m_field.CNPropObj::GetList(items);
    if (nFrameKind == 1 && !items.IsEmpty() && !items.GetHead().IsEmpty())
        nFrameKind = CNPropWndWB::FRAME_GREEN;
    const HWND hWhiteBoard =
        m_pWndWB->Create(rect.left, rect.top, rect.right, rect.bottom, pParent, &m_field, kind.nEditorKind, nFrameKind);
    const HWND hDoc = hWhiteBoard != nullptr ? zebCreateObjDoc(hWhiteBoard, &info, nullptr) : nullptr;
    if (hDoc == nullptr) {
        DeleteEditor();
        return nullptr;
    }
    SetDocFont(hDoc);
    if (kind.bEditorOverflow && m_field.IsEditable())
        zebSetRectOverflow(hDoc, 1);
    if (!m_pWndWB->AttachDoc(hDoc)) {
        DeleteEditor();
        return nullptr;
    }
    m_pCtrlWnd = m_pWndWB;
    return m_pWndWB;
}

void CTextEntry::DeleteEditor()
{
    if (m_pCtrlWnd == m_pWndWB)
        m_pCtrlWnd = nullptr;
    delete m_pWndWB;
    m_pWndWB = nullptr;
}

void CTextEntry::Focus(const tagTEXTENTRYKIND& kind, int nFrameKind)
{
    for (CWnd* pWindow : {static_cast<CWnd*>(m_pWndDoc), static_cast<CWnd*>(m_pWndWB)}) {
        if (pWindow != nullptr && pWindow->GetSafeHwnd() != nullptr) {
            pWindow->SetFocus();
            return;
        }
    }
    CWnd* pParent = m_field.m_pOwner != nullptr ? m_field.m_pOwner->GetParentWnd() : nullptr;
    if (pParent == nullptr || pParent->GetSafeHwnd() == nullptr)
        return;
    CWnd* pEditor = MakeEditor(pParent, kind, nFrameKind);
    if (pEditor == nullptr)
        return;
    pEditor->SetFocus();
    m_field.PostFormatToView(pParent);
}

void CTextEntry::Delete()
{
    if (m_pCtrlWnd == m_pWndDoc)
        m_pCtrlWnd = nullptr;
    delete m_pWndDoc;
    m_pWndDoc = nullptr;
    DeleteEditor();
}
