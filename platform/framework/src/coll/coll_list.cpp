// CObList, CPtrList and CStringList.
#include "afxcoll.h"

IMPLEMENT_SERIAL(CObList, CObject, 0)
IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_SERIAL(CStringList, CObject, 0)

CObList::CObList(int nBlockSize) : CListBase(nBlockSize)
{
}

void CObList::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    SerializeList(ar);
}

CPtrList::CPtrList(int nBlockSize) : CListBase(nBlockSize)
{
}

CStringList::CStringList(int nBlockSize) : CListBase(nBlockSize)
{
}

void CStringList::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    SerializeList(ar);
}
