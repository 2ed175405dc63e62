#include "afxgdi.h"
#include "gdi_internal.h"

namespace {

thread_local afxgdi::HandleMap<CGdiObject>* t_objectMap = nullptr;

afxgdi::HandleMap<CGdiObject>& ObjectMap()
{
    if (t_objectMap == nullptr)
        t_objectMap = new afxgdi::HandleMap<CGdiObject>;
    return *t_objectMap;
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

void CGdiObject::DeleteTempMap()
{
    if (t_objectMap == nullptr)
        return;
    t_objectMap->DeleteTemporaries([](CGdiObject* pObject) {
        pObject->m_hObject = nullptr;
        delete pObject;
    });
}

void AfxDeleteTempGdiMaps()
{
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return FALSE;
    m_hObject = hObject;
    ObjectMap().SetPermanent(hObject, this);
    return TRUE;
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
    m_hObject = ::GetStockObject(nIndex);
    return m_hObject != nullptr;
}

BOOL CGdiObject::UnrealizeObject()
{
    return ::UnrealizeObject(m_hObject);
}
