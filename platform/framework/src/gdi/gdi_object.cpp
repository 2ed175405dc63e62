#include "afxgdi.h"
#include "gdi/gdi_internal.h"

namespace {

AfxThreadSlot<afxgdi::HandleMap<CGdiObject>>& ObjectMapSlot()
{
    static AfxThreadSlot<afxgdi::HandleMap<CGdiObject>> s_slot;
    return s_slot;
}

afxgdi::HandleMap<CGdiObject>& ObjectMap()
{
    return ObjectMapSlot().Get();
}

// A wrapper of the class that fits the object's type.
CGdiObject* NewWrapper(HGDIOBJ hObject)
{
    switch (::GetObjectType(hObject)) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        return new CPen;
    case OBJ_BRUSH:
        return new CBrush;
    case OBJ_FONT:
        return new CFont;
    case OBJ_BITMAP:
        return new CBitmap;
    case OBJ_PAL:
        return new CPalette;
    case OBJ_REGION:
        return new CRgn;
    default:
        return new CGdiObject;
    }
}

}  // namespace

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

CGdiObject::CGdiObject() : m_hObject(nullptr)
{
}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    // Hide from the optimiser that this cannot be null in valid C++.
    const CGdiObject* self = this;
    asm("" : "+r"(self));
    return self != nullptr ? self->m_hObject : nullptr;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return ObjectMap().FromHandle(hObject, [](HANDLE h) {
        CGdiObject* pObject = NewWrapper(h);
        pObject->m_hObject = h;
        return pObject;
    });
}

void afxgdi::DisposeTemporary(CGdiObject* pObject)
{
    pObject->m_hObject = nullptr;
    delete pObject;
}

void CGdiObject::DeleteTempMap()
{
    if (auto* pMap = ObjectMapSlot().Peek())
        pMap->DeleteTemporaries();
}

void AfxDeleteTempGdiMaps()
{
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr || m_hObject != nullptr || !ObjectMap().SetPermanent(hObject, this))
        return FALSE;
    m_hObject = hObject;
    return TRUE;
}

BOOL CGdiObject::AttachCreated(HGDIOBJ hObject)
{
    if (Attach(hObject))
        return TRUE;
    if (hObject != nullptr)
        ::DeleteObject(hObject);
    return FALSE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject != nullptr)
        ObjectMap().Remove(hObject, this);
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObjectA(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    return static_cast<UINT>(::GetObjectType(m_hObject));
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    if (m_hObject != nullptr)
        return FALSE;
    m_hObject = ::GetStockObject(nIndex);
    return m_hObject != nullptr;
}

BOOL CGdiObject::UnrealizeObject()
{
    return ::UnrealizeObject(m_hObject);
}
