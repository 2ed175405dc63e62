// Number text of the numeric fields: the form of each number kind, and the
// drawn form with separators and affixes.
#include "npropobjnum.h"

#include <cmath>
#include <cstdlib>

namespace {

// Characters after the "." that the kinds keep.
const int kDecimals = 2;
// The yen sign of code page 932.
const char kYen = '\\';

// The value toward zero, as the digits of the value written with five
// decimals less those decimals (so a value within 0.000005 of the next
// whole number counts as that number); never "-0".
double TruncatedTowardZero(double dValue)
{
    CString strFixed;
    strFixed.Format("%.5f", dValue);
    const int nPoint = strFixed.Find('.');
    if (nPoint >= 0)
        strFixed = strFixed.Left(nPoint);
    return std::atof(strFixed) + 0.0;
}

CString WithoutTrailing(CString strText, char ch)
{
    if (!strText.IsEmpty() && strText[strText.GetLength() - 1] == ch)
        strText = strText.Left(strText.GetLength() - 1);
    return strText;
}

CString IntegerText(const CString& strText)
{
    if (strText.Find('.') < 0)
        return strText;
    CString strInteger;
    strInteger.Format("%0.0f", TruncatedTowardZero(std::atof(strText)));
    return strInteger;
}

CString TwoDecimalsText(const CString& strText)
{
    const int nPoint = strText.Find('.');
    if (nPoint < 0)
        return strText + ".00";
    const int nAfter = strText.GetLength() - nPoint - 1;
    if (nAfter == 1)
        return strText + "0";
    if (nAfter == kDecimals)
        return strText;
    CString strDecimal;
    strDecimal.Format("%0.2f", TruncatedTowardZero(std::atof(strText) * 100) * 0.01);
    return strDecimal;
}

CString TrimmedText(CString strText)
{
    const int nPoint = strText.Find('.');
    if (nPoint < 1)
        return strText;
    strText = strText.Left(nPoint + 1 + kDecimals);
    return WithoutTrailing(WithoutTrailing(WithoutTrailing(strText, '0'), '0'), '.');
}

}  // namespace

CString CNPropObjDocNum::NormalizeNumber(const CString& strText, int nKind)
{
    if (strText.IsEmpty())
        return strText;
    switch (nKind) {
    case NUMKIND_INTEGER:
        return IntegerText(strText);
    case NUMKIND_DECIMAL:
        return TwoDecimalsText(strText);
    case NUMKIND_TRIMMED:
        return TrimmedText(strText);
    default:
        return strText;
    }
}

CString CNPropObjDocNum::SeparatedNumber(const CString& strText)
{
    const BOOL bNegative = !strText.IsEmpty() && strText[0] == '-';
    const CString strUnsigned = bNegative ? strText.Mid(1) : strText;
    const int nPoint = strUnsigned.Find('.');
    const int nInteger = nPoint >= 0 ? nPoint : strUnsigned.GetLength();
    CString strSeparated;
    for (int i = 0; i < strUnsigned.GetLength(); i++) {
        const char ch = strUnsigned[i];
        strSeparated += ch;
        const int nFollowing = nInteger - i - 1;
        if (i < nInteger && nFollowing > 0 && nFollowing % 3 == 0 && ch != kYen)
            strSeparated += ',';
    }
    return bNegative ? "-" + strSeparated : strSeparated;
}

CString CNPropObjDocNum::WithAffixes(const CString& strText) const
{
    if (strText.IsEmpty() || m_listItems.GetCount() <= 2)
        return strText;
    const CString strPrefix = m_listItems.GetAt(m_listItems.FindIndex(2));
    if (m_listItems.GetCount() <= 3)
        return strPrefix + strText;
    return strPrefix + strText + m_listItems.GetAt(m_listItems.FindIndex(3));
}
