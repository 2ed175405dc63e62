#include "afxdisp.h"
#include <cstring>

COleVariant::COleVariant()
{
    ::VariantInit(this);
}

COleVariant::COleVariant(const VARIANT& varSrc)
{
    ::VariantInit(this);
    *this = varSrc;
}

COleVariant::COleVariant(const COleVariant& varSrc) : COleVariant(static_cast<const VARIANT&>(varSrc))
{
}

COleVariant::COleVariant(LPCSTR lpszSrc)
{
    ::VariantInit(this);
    vt = VT_BSTR;
    bstrVal = CString(lpszSrc).AllocSysString();
}

COleVariant::COleVariant(short nSrc, VARTYPE vtSrc)
{
    ::VariantInit(this);
    if (vtSrc == VT_BOOL) {
        vt = VT_BOOL;
        boolVal = nSrc != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    } else {
        vt = VT_I2;
        iVal = nSrc;
    }
}

COleVariant::COleVariant(long lSrc)
{
    ::VariantInit(this);
    vt = VT_I4;
    lVal = lSrc;
}

COleVariant::COleVariant(BYTE nSrc)
{
    ::VariantInit(this);
    vt = VT_UI1;
    bVal = nSrc;
}

COleVariant::COleVariant(float fltSrc)
{
    ::VariantInit(this);
    vt = VT_R4;
    fltVal = fltSrc;
}

COleVariant::COleVariant(double dblSrc)
{
    ::VariantInit(this);
    vt = VT_R8;
    dblVal = dblSrc;
}

COleVariant::COleVariant(const COleCurrency& curSrc)
{
    ::VariantInit(this);
    vt = VT_CY;
    cyVal = curSrc.m_cur;
}

COleVariant::COleVariant(const COleDateTime& dateSrc)
{
    ::VariantInit(this);
    vt = VT_DATE;
    date = dateSrc.m_dt;
}

COleVariant::COleVariant(const CByteArray& arrSrc)
{
    ::VariantInit(this);
    const ULONG nCount = static_cast<ULONG>(arrSrc.GetSize());
    SAFEARRAY* pArray = ::SafeArrayCreateVector(VT_UI1, 0, nCount);
    if (pArray == nullptr)
        AfxThrowMemoryException();
    void* pData = nullptr;
    AfxCheckError(::SafeArrayAccessData(pArray, &pData));
    if (nCount != 0)
        memcpy(pData, arrSrc.GetData(), nCount);
    ::SafeArrayUnaccessData(pArray);
    vt = VT_ARRAY | VT_UI1;
    parray = pArray;
}

COleVariant::~COleVariant()
{
    ::VariantClear(this);
}

const COleVariant& COleVariant::operator=(const VARIANT& varSrc)
{
    if (&varSrc != this)
        AfxCheckError(::VariantCopy(this, const_cast<VARIANT*>(&varSrc)));
    return *this;
}

const COleVariant& COleVariant::operator=(const COleVariant& varSrc)
{
    return *this = static_cast<const VARIANT&>(varSrc);
}

void COleVariant::Clear()
{
    AfxCheckError(::VariantClear(this));
}

void COleVariant::ChangeType(VARTYPE vartype, LPVARIANT pSrc)
{
    VARIANT* pFrom = pSrc != nullptr ? pSrc : this;
    if (pFrom == this && vartype == vt)
        return;
    AfxCheckError(::VariantChangeType(this, pFrom, 0, vartype));
}
