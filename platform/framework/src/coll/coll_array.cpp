// CPtrArray, CObArray, CByteArray, CUIntArray, CWordArray, CDWordArray and
// CStringArray.
#include "afxcoll.h"

IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_SERIAL(CObArray, CObject, 0)
IMPLEMENT_SERIAL(CByteArray, CObject, 0)
IMPLEMENT_DYNAMIC(CUIntArray, CObject)
IMPLEMENT_SERIAL(CWordArray, CObject, 0)
IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
IMPLEMENT_SERIAL(CStringArray, CObject, 0)

void CObArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    SerializeArray(ar);
}

void CByteArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    SerializeArray(ar);
}

void CWordArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    SerializeArray(ar);
}

void CDWordArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    SerializeArray(ar);
}

void CStringArray::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    SerializeArray(ar);
}
