// Automation types: COleDateTime, COleCurrency and COleVariant over the
// system's VARIANT, their texts through the system's conversions in a
// locale, and COleException for a failed automation call.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include "afx.h"
#include "afxcoll.h"

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

class AFX_API COleException : public CException
{
    DECLARE_DYNAMIC(COleException)
public:
    explicit COleException(SCODE sc);
    // The system's text of m_sc.
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;

    SCODE m_sc;
};

// A currency amount: a 64-bit count of ten-thousandths with a status.
class AFX_API COleCurrency
{
public:
    enum CurrencyStatus
    {
        valid = 0,
        invalid = 1,
        null = 2
    };

    COleCurrency();
    COleCurrency(CURRENCY cySrc);
    // The variant's value as an amount; invalid when it has none.
    COleCurrency(const VARIANT& varSrc);

    CurrencyStatus GetStatus() const { return m_status; }
    void SetStatus(CurrencyStatus status) { m_status = status; }
    operator CURRENCY() const { return m_cur; }

    // Equal amounts of equal status.
    bool operator==(const COleCurrency& cur) const;
    bool operator!=(const COleCurrency& cur) const { return !(*this == cur); }
    // Amounts alone.
    bool operator<(const COleCurrency& cur) const { return m_cur.int64 < cur.m_cur.int64; }
    bool operator>(const COleCurrency& cur) const { return cur < *this; }
    bool operator<=(const COleCurrency& cur) const { return !(cur < *this); }
    bool operator>=(const COleCurrency& cur) const { return !(*this < cur); }

    // The amount as the locale writes numbers (VAR_ flags of the system's
    // conversion); empty when not valid.
    CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;
    // FALSE, leaving the amount invalid, when the text is none.
    BOOL ParseCurrency(LPCSTR lpszCurrency, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);

    CURRENCY m_cur;
    CurrencyStatus m_status;
};

// A VARIANT that clears itself; strings are BSTRs of the ANSI text.
class AFX_API COleVariant : public tagVARIANT
{
public:
    COleVariant();  // VT_EMPTY
    COleVariant(const VARIANT& varSrc);
    COleVariant(const COleVariant& varSrc);
    COleVariant(LPCSTR lpszSrc);                    // VT_BSTR
    COleVariant(short nSrc, VARTYPE vtSrc = VT_I2);  // VT_I2, or VT_BOOL (nonzero is true)
    COleVariant(long lSrc);                          // VT_I4
    COleVariant(BYTE nSrc);                          // VT_UI1
    COleVariant(float fltSrc);                       // VT_R4
    COleVariant(double dblSrc);                      // VT_R8
    COleVariant(const COleCurrency& curSrc);         // VT_CY
    COleVariant(const COleDateTime& dateSrc);        // VT_DATE
    COleVariant(const CByteArray& arrSrc);           // VT_ARRAY | VT_UI1
    ~COleVariant();

    const COleVariant& operator=(const VARIANT& varSrc);
    const COleVariant& operator=(const COleVariant& varSrc);

    void Clear();
    // Converts the value (or pSrc's) to vartype in place; a value without
    // that form throws COleException.
    void ChangeType(VARTYPE vartype, LPVARIANT pSrc = nullptr);

    operator LPVARIANT() { return this; }
    operator const VARIANT*() const { return this; }
};

#pragma pack(pop)

// Kept for programs that call it at start-up: does nothing.
AFX_API void AfxEnableControlContainer();

[[noreturn]] AFX_API void AfxThrowOleException(SCODE sc);
// Throws COleException for a failed sc.
AFX_API void AfxCheckError(SCODE sc);

class CDataExchange;
// The value as the user's locale writes it; a text that is none fails the
// exchange with the framework's message and leaves the value alone.
AFX_API void DDX_Text(CDataExchange* pDX, int nIDC, COleCurrency& value);
AFX_API void DDX_Text(CDataExchange* pDX, int nIDC, COleDateTime& value);
