// The calculated field's formula: tokens read left to right over 64-bit
// thousandths, every token checked against the formula's end; rounding of
// the result to text.
#include "npropobjgrp.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <vector>

#include "valuefile.h"

namespace {

const char kFormulaError[] = "計算式に誤りがあります。\n正しい計算結果は得られません。";
const char kDivisionError[] = "計算式に誤りがあります。0で割ろうとしました。\n正しい計算結果は得られません。";
const char kDefaultTaxRateText[] = "0.05";
const int kFormulaReferenceDigits = 3;
// "TAX": the tax-rate token.
const int kTaxTokenLength = 3;

BOOL Fail(LPCSTR pszMessage)
{
    AfxMessageBox(pszMessage, MB_OK);
    return FALSE;
}

BOOL IsDigit(char ch)
{
    return std::isdigit(static_cast<unsigned char>(ch)) != 0;
}

// Decimal text as a signed 64-bit number: leading blanks and a sign, then
// digits up to the first other character; held to the 64-bit range.
LONGLONG ReadInteger(LPCSTR psz)
{
    while (std::isspace(static_cast<unsigned char>(*psz)))
        ++psz;
    const BOOL bNegative = *psz == '-';
    if (*psz == '-' || *psz == '+')
        ++psz;
    unsigned long long nMagnitude = 0;
    const unsigned long long nLimit = bNegative ? 1ULL + LLONG_MAX : LLONG_MAX;
    for (; IsDigit(*psz); ++psz) {
        const unsigned nDigit = static_cast<unsigned>(*psz - '0');
        nMagnitude = nMagnitude > (nLimit - nDigit) / 10 ? nLimit : nMagnitude * 10 + nDigit;
    }
    if (!bNegative)
        return static_cast<LONGLONG>(nMagnitude);
    return nMagnitude == nLimit ? LLONG_MIN : -static_cast<LONGLONG>(nMagnitude);
}

// q moved away from zero by the rule over the dropped part nRest (its
// first dropped digit is nRest / nFirstDigit).
LONGLONG Rounded(LONGLONG q, LONGLONG nRest, LONGLONG nFirstDigit, char chRule)
{
    if (chRule == 'U')
        return nRest > 0 ? q + 1 : nRest < 0 ? q - 1 : q;
    if (chRule == 'F') {
        const LONGLONG d = nRest / nFirstDigit;
        return d >= 5 ? q + 1 : d <= -5 ? q - 1 : q;
    }
    return q;
}

CString Digits(LONGLONG n)
{
    unsigned long long nMagnitude = n < 0 ? 0ULL - static_cast<unsigned long long>(n) : n;
    char szDigits[24];
    char* p = szDigits + sizeof szDigits - 1;
    *p = '\0';
    do {
        *--p = static_cast<char>('0' + nMagnitude % 10);
        nMagnitude /= 10;
    } while (nMagnitude != 0);
    return p;
}

// One formula (or the part in parentheses) read token by token with an
// accumulator and a pending operation. A "+" adds the value of the rest of
// the formula taken by itself: the terms between the "+"s are read in one
// pass and summed from the last. Parentheses do not nest, so a formula of
// any length is read in linear time and at most two levels deep.
class CFormulaReader
{
public:
    CFormulaReader(CNPropObjCalc& calc, const CString& strWhole) : m_calc(calc), m_strWhole(strWhole) {}

    int Evaluate(const CString& strPart, LONGLONG& nValue)
    {
        std::vector<LONGLONG> terms;
        LONGLONG nAccumulator = 0;
        int nOp = CNPropObjCalc::OP_LOAD;
        const int nLength = strPart.GetLength();
        for (int i = 0; i < nLength;) {
            const char ch = strPart[i];
            if (ch == '*' || ch == '/' || ch == '-') {
                nOp = ch == '*' ? CNPropObjCalc::OP_MULTIPLY
                                : ch == '/' ? CNPropObjCalc::OP_DIVIDE : CNPropObjCalc::OP_SUBTRACT;
                ++i;
                continue;
            }
            if (ch == '+') {
                terms.push_back(nAccumulator);
                nAccumulator = 0;
                nOp = CNPropObjCalc::OP_LOAD;
                ++i;
                continue;
            }
            LONGLONG nOperand = 0;
            const int nRead = Operand(strPart, i, nOperand);
            if (nRead != CNPropObjCalc::CALC_DONE)
                return nRead;
            if (!CNPropObjCalc::Operate(nAccumulator, nOperand, nOp))
                return CNPropObjCalc::CALC_ERROR;
            nOp = CNPropObjCalc::OP_NONE;
        }
        terms.push_back(nAccumulator);
        return Sum(terms, nValue);
    }

private:
    // The operand at i into nOperand, i moved past it.
    int Operand(const CString& strPart, int& i, LONGLONG& nOperand)
    {
        const int nLength = strPart.GetLength();
        const char ch = strPart[i];
        if (ch == '$') {
            for (int j = 1; j <= kFormulaReferenceDigits; j++) {
                if (i + j >= nLength || !IsDigit(strPart[i + j]))
                    return Error();
            }
            const long nOrder = std::atol(strPart.Mid(i + 1, kFormulaReferenceDigits));
            CNPropObj* pField = m_calc.FieldByOrder(static_cast<UINT>(nOrder));
            if (pField == nullptr)
                return CNPropObjCalc::CALC_NO_FIELD;
            CString strText;
            pField->GetText(strText);
            nOperand = CNPropObjCalc::TextToNumber(strText);
            i += 1 + kFormulaReferenceDigits;
            return CNPropObjCalc::CALC_DONE;
        }
        if (ch == '(') {
            const int nClose = strPart.Find(')', i + 1);
            if (nClose < 0)
                return Error();
            const int nRead = Evaluate(strPart.Mid(i + 1, nClose - i - 1), nOperand);
            i = nClose + 1;
            return nRead;
        }
        if (ch == 'T') {
            if (i + kTaxTokenLength > nLength)
                return Error();
            nOperand = TaxRate();
            i += kTaxTokenLength;
            return CNPropObjCalc::CALC_DONE;
        }
        if (IsDigit(ch)) {
            int nEnd = i;
            while (nEnd < nLength && (IsDigit(strPart[nEnd]) || strPart[nEnd] == '.'))
                ++nEnd;
            nOperand = CNPropObjCalc::TextToNumber(strPart.Mid(i, nEnd - i));
            i = nEnd;
            return CNPropObjCalc::CALC_DONE;
        }
        return Error();
    }

    static int Sum(const std::vector<LONGLONG>& terms, LONGLONG& nValue)
    {
        LONGLONG nSum = terms.back();
        for (size_t i = terms.size() - 1; i-- > 0;) {
            if (__builtin_add_overflow(terms[i], nSum, &nSum))
                return Error();
        }
        nValue = nSum;
        return CNPropObjCalc::CALC_DONE;
    }

    // The rate is looked up once per formula.
    LONGLONG TaxRate()
    {
        if (!m_bTaxRateRead) {
            m_nTaxRate = CNPropObjCalc::TextToNumber(CNPropObjCalc::GetTaxRate(m_strWhole));
            m_bTaxRateRead = TRUE;
        }
        return m_nTaxRate;
    }

    static int Error()
    {
        Fail(kFormulaError);
        return CNPropObjCalc::CALC_ERROR;
    }

    CNPropObjCalc& m_calc;
    const CString& m_strWhole;
    BOOL m_bTaxRateRead = FALSE;
    LONGLONG m_nTaxRate = 0;
};

}  // namespace

int CNPropObjCalc::CalcFormula(const CString& strFormula, LONGLONG& nValue)
{
    return CFormulaReader(*this, strFormula).Evaluate(strFormula, nValue);
}

BOOL CNPropObjCalc::Operate(LONGLONG& nAccumulator, LONGLONG nOperand, int nOp)
{
    LONGLONG nResult = 0;
    switch (nOp) {
    case OP_LOAD:
        nResult = nOperand;
        break;
    case OP_MULTIPLY:
        if (__builtin_mul_overflow(nAccumulator, nOperand / 10, &nResult))
            return Fail(kFormulaError);
        nResult /= 100;
        break;
    case OP_DIVIDE:
        if (nOperand == 0)
            return Fail(kDivisionError);
        if (__builtin_mul_overflow(nAccumulator, 1000LL, &nResult) || (nResult == LLONG_MIN && nOperand == -1))
            return Fail(kFormulaError);
        nResult /= nOperand;
        break;
    case OP_SUBTRACT:
        if (__builtin_sub_overflow(nAccumulator, nOperand, &nResult))
            return Fail(kFormulaError);
        break;
    default:
        return Fail(kFormulaError);
    }
    nAccumulator = nResult;
    return TRUE;
}

LONGLONG CNPropObjCalc::TextToNumber(const CString& strText)
{
    if (strText.IsEmpty())
        return 0;
    const int nPoint = strText.Find('.');
    CString strThousandths;
    if (nPoint < 0) {
        strThousandths = strText + "000";
    } else {
        const CString strDecimals = strText.Mid(nPoint + 1);
        if (strDecimals.GetLength() == 1)
            strThousandths = strText.Left(nPoint) + strDecimals + "00";
        else if (strDecimals.IsEmpty())
            strThousandths = strText.Left(nPoint) + "000";
        else
            strThousandths = strText.Left(nPoint) + strDecimals.Left(2) + "0";
    }
    return ReadInteger(strThousandths);
}

// The rate is kept to two decimals: 7.5 % is used as 0.07.
CString CNPropObjCalc::GetTaxRate(const CString& strFormula)
{
    if (strFormula.Find("TAX") < 0)
        return kDefaultTaxRateText;
    CString strRate;
    strRate.Format("%f", MirtReadTaxRate() * 0.01);
    const int nPoint = strRate.Find('.');
    return nPoint >= 0 ? strRate.Left(nPoint + 3) : strRate;
}

CString CNPropObjCalc::FormatInteger(LONGLONG nValue, char chRule)
{
    const LONGLONG r = Rounded(nValue / 1000, nValue % 1000, 100, chRule);
    return CString(r < 0 ? "-" : "") + Digits(r);
}

CString CNPropObjCalc::FormatDecimal(LONGLONG nValue, char chRule)
{
    const LONGLONG r = Rounded(nValue / 10, nValue % 10, 1, chRule);
    CString strDigits = Digits(r);
    if (strDigits.GetLength() == 1)
        strDigits = "0" + strDigits;
    const int nWhole = strDigits.GetLength() - 2;
    CString strText = strDigits.Left(nWhole) + "." + strDigits.Mid(nWhole);
    if (strText[0] == '.')
        strText = "0" + strText;
    return CString(r < 0 ? "-" : "") + strText;
}
