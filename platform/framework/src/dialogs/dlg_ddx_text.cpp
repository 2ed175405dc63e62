// DDX_Text: strings and numbers in a control's text.
#include <float.h>
#include <limits>
#include <stdio.h>
#include <stdlib.h>
#include <string>
#include "dialogs/dlg_internal.h"

namespace {

const char g_szParseInt[] = "整数を入力してください。";
const char g_szParseUInt[] = "0 以上の整数を入力してください。";
const char g_szParseByte[] = "0 から 255 までの整数を入力してください。";
const char g_szParseReal[] = "数値を入力してください。";

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// The text between leading and trailing blanks.
CString Trimmed(CString text)
{
    text.TrimLeft(" \t");
    text.TrimRight(" \t");
    return text;
}

// A decimal integer with an optional sign, within [minVal, maxVal].
bool ParseInteger(const CString& text, LONGLONG minVal, LONGLONG maxVal, LONGLONG& value)
{
    const char* p = text;
    const bool bNegative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    if (!IsDigit(*p))
        return false;
    LONGLONG magnitude = 0;
    for (; IsDigit(*p); ++p) {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > maxVal - minVal)   // out of range whatever the sign; stops overflow
            return false;
    }
    if (*p != '\0')
        return false;
    value = bNegative ? -magnitude : magnitude;
    return value >= minVal && value <= maxVal;
}

// A decimal number such as "12", "-1.5" or "2e3".
bool ParseReal(const CString& text, double& value)
{
    if (text.IsEmpty() || text.SpanIncluding("0123456789+-.eE").GetLength() != text.GetLength())
        return false;
    char* pEnd = nullptr;
    const double parsed = strtod(text, &pEnd);
    if (*pEnd != '\0')
        return false;
    value = parsed;
    return true;
}

template <class T>
void ExchangeInteger(CDataExchange* pDX, int nIDC, T& value, LPCSTR lpszParseMessage)
{
    const HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        ::SetWindowTextA(hWndCtrl, std::to_string(value).c_str());
        return;
    }
    LONGLONG parsed = 0;
    if (!ParseInteger(Trimmed(AfxGetWindowTextString(hWndCtrl)), std::numeric_limits<T>::min(),
            std::numeric_limits<T>::max(), parsed))
        AfxFailExchange(pDX, lpszParseMessage);
    value = static_cast<T>(parsed);
}

// Loads value with nDigits significant digits; saves a decimal number
// that T can hold (a float beyond its range does not parse).
template <class T>
void ExchangeReal(CDataExchange* pDX, int nIDC, T& value, int nDigits)
{
    const HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        char szValue[32];
        snprintf(szValue, sizeof szValue, "%.*g", nDigits, static_cast<double>(value));
        ::SetWindowTextA(hWndCtrl, szValue);
        return;
    }
    double parsed = 0;
    if (!ParseReal(Trimmed(AfxGetWindowTextString(hWndCtrl)), parsed) ||
        parsed > std::numeric_limits<T>::max() || parsed < std::numeric_limits<T>::lowest())
        AfxFailExchange(pDX, g_szParseReal);
    value = static_cast<T>(parsed);
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    const HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = AfxGetWindowTextString(hWndCtrl);
    else
        ::SetWindowTextA(hWndCtrl, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeInteger(pDX, nIDC, value, g_szParseInt);
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeInteger(pDX, nIDC, value, g_szParseUInt);
}

void DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    ExchangeInteger(pDX, nIDC, value, g_szParseInt);
}

void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    ExchangeInteger(pDX, nIDC, value, g_szParseUInt);
}

void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    ExchangeInteger(pDX, nIDC, value, g_szParseByte);
}

void DDX_Text(CDataExchange* pDX, int nIDC, short& value)
{
    ExchangeInteger(pDX, nIDC, value, g_szParseInt);
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    ExchangeReal(pDX, nIDC, value, DBL_DIG);
}

void DDX_Text(CDataExchange* pDX, int nIDC, float& value)
{
    ExchangeReal(pDX, nIDC, value, FLT_DIG);
}
