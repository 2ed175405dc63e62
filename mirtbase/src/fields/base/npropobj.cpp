#include "npropobj.h"
#include <afxdocview.h>

#include "fields/base/clampint.h"
#include "fields/base/fieldpool.h"
#include "mirtbase.h"
#include "fields/base/sharednames.h"
#include "page/rectarchive.h"

IMPLEMENT_DYNAMIC(CNPropObj, CObject)

namespace {

const DWORD kDefaultSetting = 3;
// Rectangle coordinates a record may hold, in tenths of a millimetre (3.2 m,
// beyond any sheet): an ellipse or a box of millions of pixels takes the
// system's drawing minutes.
const LONG kMaxCoordinate = 0x7FFF;

void HoldRect(RECT& rect)
{
    for (LONG* pValue : {&rect.left, &rect.top, &rect.right, &rect.bottom})
        *pValue = MirtClampRange(*pValue, -kMaxCoordinate, kMaxCoordinate);
}

}  // namespace

CNPropObj::CNPropObj()
{
    CNPropObj::InitDefaults();
}

CNPropObj::CNPropObj(const tagPROPBLOCK& block)
{
    CNPropObj::InitDefaults();
    SetBlock(block);
}

CNPropObj::~CNPropObj()
{
    m_listItems.RemoveAll();
}

void* CNPropObj::operator new(size_t nSize)
{
    return CFieldPool::Allocate(nSize);
}

void CNPropObj::operator delete(void* p, size_t nSize)
{
    CFieldPool::Free(p, nSize);
}

void CNPropObj::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_nVersion) << static_cast<DWORD>(m_nOrder);
        MirtSerializeRect(ar, m_rect);
        for (DWORD dwAttr : m_dwAttr)
            ar << dwAttr;
        ar << m_dwFlags << m_dwSetting;
        m_listItems.Serialize(ar);
        ar << static_cast<LONG>(m_nDataKind) << m_strData << m_strName;
        return;
    }
    DWORD dwVersion;
    ar >> dwVersion >> m_nOrder;
    MirtSerializeRect(ar, m_rect);
    HoldRect(m_rect);
    for (DWORD& dwAttr : m_dwAttr)
        ar >> dwAttr;
    ar >> m_dwFlags >> m_dwSetting;
    m_listItems.RemoveAll();
    m_listItems.Serialize(ar);
    ar >> m_nDataKind >> m_strData >> m_strName;
    CSharedNames::Share(m_strName);
}

int CNPropObj::GetText(CString& strText)
{
    strText = m_strData;
    return 1;
}

int CNPropObj::SetText(const CString& strText, int, const int*)
{
    m_strData = strText;
    return 1;
}

int CNPropObj::GetList(CStringList& list)
{
    list.RemoveAll();
    list.AddTail(&m_listItems);
    return 1;
}

int CNPropObj::SetList(const CStringList& list)
{
    m_listItems.RemoveAll();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        m_listItems.AddTail(list.GetNext(pos));
    return 1;
}

void CNPropObj::InitDefaults()
{
    m_nOrder = 0;
    ::SetRectEmpty(&m_rect);
    for (DWORD& dwAttr : m_dwAttr)
        dwAttr = 0;
    m_nMode = MODE_ENTRY;
    m_dwFlags = 0;
    m_dwSetting = kDefaultSetting;
    m_listItems.RemoveAll();
    m_nDataKind = DATAKIND_TEXT;
    m_strData.Empty();
    m_pOwner = nullptr;
    m_strName.Empty();
    for (CNPropObj*& pLink : m_pLinks)
        pLink = nullptr;
    for (DWORD& dwFurther : m_dwFurther)
        dwFurther = 0;
    m_nVersion = 1;
}

void CNPropObj::SetLogFont(const LOGFONT*)
{
}

LOGFONT* CNPropObj::GetLogFont()
{
    return nullptr;
}

void CNPropObj::SetAlign(int)
{
}

int CNPropObj::GetAlign()
{
    return 0;
}

void CNPropObj::SetRowHeight(int)
{
}

int CNPropObj::GetRowHeight()
{
    return 0;
}

void CNPropObj::SetTextColor(COLORREF)
{
}

COLORREF CNPropObj::GetTextColor()
{
    return 0;
}

int CNPropObj::GetCarryOver()
{
    return GetAttr(ATTRIBUTE_CLEAR) == 0 ? 2 : 1;
}

void CNPropObj::SetCarryOver(BOOL bClear)
{
    SetAttr(ATTRIBUTE_CLEAR, static_cast<DWORD>(bClear));
}

int CNPropObj::GetModify()
{
    return GetAttr(ATTRIBUTE_LOCK) != 0 ? 2 : 1;
}

void CNPropObj::SetModify(BOOL bLock)
{
    SetAttr(ATTRIBUTE_LOCK, static_cast<DWORD>(bLock));
}

CString CNPropObj::GetFieldName()
{
    return m_strName;
}

void CNPropObj::GetDrawRects(CDC*, RECT* pWhole, RECT* pFirst, RECT* pSecond)
{
    for (RECT* pRect : {pWhole, pFirst, pSecond}) {
        if (pRect != nullptr)
            ::SetRectEmpty(pRect);
    }
}

void CNPropObj::SetAutoCalc(int)
{
}

int CNPropObj::GetAutoCalc()
{
    return 0;
}

int CNPropObj::GetNumKind()
{
    return 3;
}

void CNPropObj::SetNumKind(int)
{
}

CSize CNPropObj::GetShadowOffset()
{
    return CSize(0, 0);
}

void CNPropObj::SetShadowOffset(CSize)
{
}

int CNPropObj::GetShadow()
{
    return 3;
}

void CNPropObj::SetShadow(int)
{
}

void CNPropObj::CalcShadowRect(CDC*, int)
{
}

int CNPropObj::GetPichRate()
{
    return 4;
}

void CNPropObj::SetPichRate(int)
{
}

void CNPropObj::RecalcLinked()
{
    for (CNPropObj* pLink : m_pLinks) {
        if (pLink == nullptr)
            break;
        pLink->Execute(0, 0, 0);
    }
}

void CNPropObj::CopyTo(CNPropObj* pOther)
{
    pOther->m_dwFlags = m_dwFlags;
    pOther->m_dwSetting = m_dwSetting;
    pOther->m_listItems.RemoveAll();
    pOther->m_listItems.AddTail(&m_listItems);
    pOther->m_nDataKind = m_nDataKind;
    CString strText;
    GetText(strText);
    pOther->SetText(strText);
    pOther->m_strName = m_strName;
}

UINT CNPropObj::GetVersion()
{
    return m_nVersion;
}

DWORD CNPropObj::GetStyle()
{
    return 0;
}

void CNPropObj::SetStyle(DWORD)
{
}

DWORD CNPropObj::GetExStyle()
{
    return 0;
}

void CNPropObj::SetExStyle(DWORD)
{
}

BOOL CNPropObj::IsBorder()
{
    return FALSE;
}

BOOL CNPropObj::IsHScroll()
{
    return FALSE;
}

BOOL CNPropObj::IsVScroll()
{
    return FALSE;
}

BOOL CNPropObj::IsTransparent()
{
    return FALSE;
}

void CNPropObj::SetBorder(BOOL)
{
}

void CNPropObj::SetHScroll(BOOL)
{
}

void CNPropObj::SetVScroll(BOOL)
{
}

void CNPropObj::SetTransparent(BOOL)
{
}

int CNPropObj::AddLink(CNPropObj* pGroup)
{
    for (CNPropObj*& pLink : m_pLinks) {
        if (pLink == nullptr) {
            pLink = pGroup;
            return 1;
        }
    }
    return 0;
}

CNPropObj* CNPropObj::GetLink(UINT n) const
{
    return n >= 1 && n <= LINK_COUNT ? m_pLinks[n - 1] : nullptr;
}

BOOL CNPropObj::IsEditable() const
{
    return (m_nMode & MODE_NOINPUT) == 0 && (GetAttr(ATTRIBUTE_INPUT) & INPUT_TAKES) != 0 &&
           (m_dwFlags & (FLAG_NOINPUT | FLAG_HIDDEN)) == 0;
}

int CNPropObj::IsPrintForm() const
{
    return m_pOwner != nullptr ? m_pOwner->IsPrintForm() : 0;
}

void CNPropObj::GetBlock(tagPROPBLOCK& block) const
{
    block.nOrder = m_nOrder;
    block.rect = m_rect;
    for (int i = 0; i < ATTRIBUTE_COUNT; i++)
        block.dwAttr[i] = m_dwAttr[i];
}

void CNPropObj::SetBlock(const tagPROPBLOCK& block)
{
    m_nOrder = block.nOrder;
    m_rect = block.rect;
    for (int i = 0; i < ATTRIBUTE_COUNT; i++)
        m_dwAttr[i] = block.dwAttr[i];
}

BOOL CNPropObj::CanDrawOn(CDC* pDC) const
{
    if (IsHidden())
        return FALSE;
    if (!pDC->IsPrinting())
        return TRUE;
    if ((m_dwFlags & FLAG_NOPRINT) != 0)
        return FALSE;
    if (IsPreviewDC(pDC))
        return TRUE;
    switch (GetAttr(ATTRIBUTE_PRINT)) {
    case 2:
        return FALSE;
    case 0:
        return m_pOwner != nullptr && m_pOwner->GetPrintPaper() != 0;
    default:
        return TRUE;
    }
}

BOOL CNPropObj::IsPreviewDC(const CDC* pDC)
{
    return pDC->IsKindOf(RUNTIME_CLASS(CPreviewDC));
}
