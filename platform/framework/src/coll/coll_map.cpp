// CMapStringToString, CMapStringToOb, CMapWordToOb, CMapPtrToPtr and
// CMapStringToPtr.
#include "afxcoll.h"

IMPLEMENT_SERIAL(CMapStringToString, CObject, 0)
IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)
IMPLEMENT_SERIAL(CMapWordToOb, CObject, 0)
IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)

CMapStringToString::CMapStringToString(int nBlockSize) : CMapBase(nBlockSize)
{
}

void CMapStringToString::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    SerializeMap(ar);
}

CMapStringToOb::CMapStringToOb(int nBlockSize) : CMapBase(nBlockSize)
{
}

void CMapStringToOb::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    SerializeMap(ar);
}

CMapWordToOb::CMapWordToOb(int nBlockSize) : CMapBase(nBlockSize)
{
}

void CMapWordToOb::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    SerializeMap(ar);
}

CMapPtrToPtr::CMapPtrToPtr(int nBlockSize) : CMapBase(nBlockSize)
{
}

CMapStringToPtr::CMapStringToPtr(int nBlockSize) : CMapBase(nBlockSize)
{
}
