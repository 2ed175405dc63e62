#include "afxdisp.h"
#include "ole/olestring.h"

COleCurrency::COleCurrency() : m_cur(), m_status(valid)
{
}

COleCurrency::COleCurrency(CURRENCY cySrc) : m_cur(cySrc), m_status(valid)
{
}

COleCurrency::COleCurrency(const VARIANT& varSrc) : m_cur(), m_status(invalid)
{
    VARIANT var;
    ::VariantInit(&var);
    if (SUCCEEDED(::VariantChangeType(&var, const_cast<VARIANT*>(&varSrc), 0, VT_CY))) {
        m_cur = var.cyVal;
        m_status = valid;
    }
}

bool COleCurrency::operator==(const COleCurrency& cur) const
{
    return m_status == cur.m_status && m_cur.int64 == cur.m_cur.int64;
}

CString COleCurrency::Format(DWORD dwFlags, LCID lcid) const
{
    return m_status == valid ? AfxVarToText(&::VarBstrFromCy, m_cur, lcid, dwFlags) : CString();
}

BOOL COleCurrency::ParseCurrency(LPCSTR lpszCurrency, DWORD dwFlags, LCID lcid)
{
    if (FAILED(AfxVarFromText(&::VarCyFromStr, lpszCurrency, lcid, dwFlags, &m_cur))) {
        m_cur.int64 = 0;
        m_status = invalid;
        return FALSE;
    }
    m_status = valid;
    return TRUE;
}
