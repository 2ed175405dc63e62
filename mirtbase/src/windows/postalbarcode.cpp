#include "postalbarcode.h"

#include <afxseam.h>
#include <cp932.h>

#include <string>
#include <vector>

namespace {

using CharList = std::vector<std::string>;

const char kPostcodeMessage[] = "7桁の郵便番号を入力して下さい。";
const char kPostcodeCaption[] = "郵便番号";
const char kBarcodeChars[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-";
// Marks dropped from the address without a hyphen of their own.
const char* const kMarks[] = {"&", "/", "\xA5", ".", "＆", "／", "・", "．"};
const char* const kNumerals[] = {"〇", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "百", "千"};
const int kDigitNumerals = 10;
// Words after which a numeral run is a number of the address.
const char* const kNumberWords[] = {"丁目", "丁", "番地", "番", "号", "地割", "線", "の", "ノ"};

CharList SplitChars(const CString& s)
{
    CharList chars;
    const int nLength = s.GetLength();
    for (int i = 0; i < nLength;) {
        const int nChar = cp932::CharLength(s, i, nLength);
        chars.emplace_back(static_cast<LPCSTR>(s) + i, static_cast<size_t>(nChar));
        i += nChar;
    }
    return chars;
}

CString JoinChars(const CharList& chars, size_t nFrom = 0, size_t nTo = std::string::npos)
{
    std::string text;
    for (size_t i = nFrom; i < chars.size() && i < nTo; ++i)
        text += chars[i];
    return text.c_str();
}

// The half-width form of a full-width digit, letter or "－", else 0.
char HalfWidthOf(const std::string& c)
{
    if (c.size() != 2 || static_cast<unsigned char>(c[0]) != 0x82) {
        return c == "－" ? '-' : 0;
    }
    const int nTrail = static_cast<unsigned char>(c[1]);
    if (nTrail >= 0x4F && nTrail <= 0x58)
        return static_cast<char>('0' + nTrail - 0x4F);
    if (nTrail >= 0x60 && nTrail <= 0x79)
        return static_cast<char>('A' + nTrail - 0x60);
    if (nTrail >= 0x81 && nTrail <= 0x9A)
        return static_cast<char>('a' + nTrail - 0x81);
    return 0;
}

bool IsOneOf(const std::string& c, const char* const* ppList, size_t nCount)
{
    for (size_t i = 0; i < nCount; ++i) {
        if (c == ppList[i])
            return true;
    }
    return false;
}

int NumeralIndex(const std::string& c)
{
    for (int i = 0; i < static_cast<int>(sizeof(kNumerals) / sizeof(kNumerals[0])); ++i) {
        if (c == kNumerals[i])
            return i;
    }
    return -1;
}

bool IsLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsBarcodeChar(const std::string& c)
{
    return c.size() == 1 && c[0] != '\0' && std::string(kBarcodeChars).find(c[0]) != std::string::npos;
}

bool StartsWithNumberWord(const CString& strRest)
{
    for (const char* pszWord : kNumberWords) {
        if (strncmp(strRest, pszWord, strlen(pszWord)) == 0)
            return true;
    }
    return false;
}

// The multiplier of the unit letter in a run of digits and unit letters:
// 1 first or after a letter, the digit before it, 0 without the unit.
int Multiplier(const std::string& run, char cUnit)
{
    const size_t nAt = run.find(cUnit);
    if (nAt == std::string::npos)
        return 0;
    return nAt > 0 && IsDigit(run[nAt - 1]) ? run[nAt - 1] - '0' : 1;
}

void ReduceHyphens(std::string& text)
{
    for (size_t nAt = text.find("--"); nAt != std::string::npos; nAt = text.find("--"))
        text.erase(nAt, 1);
    if (!text.empty() && text[0] == '-')
        text.erase(0, 1);
}

// The postal code in half-width digits without hyphens; empty unless that
// is 7 digits.
CString NormalPostcode(const CString& strPostcode)
{
    CString strCode = strPostcode;
    CPostalBarcodeData::ZenkakuToHankaku(strCode);
    strCode.Remove('-');
    if (strCode.GetLength() != 7)
        return CString();
    for (int i = 0; i < 7; ++i) {
        if (!IsDigit(strCode[i]))
            return CString();
    }
    return strCode;
}

}  // namespace

CString CPostalBarcodeData::ForMode(int nMode, const CString& strPostcode, const CString& strAddress)
{
    if ((nMode != 0 && nMode != 2) || strAddress.IsEmpty())
        return CString();
    return GetBarCode(strPostcode, strAddress);
}

CString CPostalBarcodeData::GetBarCode(const CString& strPostcode, const CString& strAddress)
{
    CString strText = strAddress;
    ZenkakuToHankaku(strText);
    CharList chars;
    for (std::string& c : SplitChars(strText)) {
        if (IsOneOf(c, kMarks, sizeof(kMarks) / sizeof(kMarks[0])))
            continue;
        if (c.size() == 1 && c[0] >= 'a' && c[0] <= 'z')
            c[0] = static_cast<char>(c[0] - 'a' + 'A');
        chars.push_back(c);
    }
    strText = JoinChars(chars);
    CheckKansuji(strText);
    strText = PickUpChar(strText);
    GetHifnOff(strText);
    const CString strCode = NormalPostcode(strPostcode);
    if (strCode.IsEmpty()) {
        AfxShowMessageBox(nullptr, kPostcodeMessage, kPostcodeCaption, MB_OK | MB_ICONEXCLAMATION);
        return CString();
    }
    return strCode + strText;
}

void CPostalBarcodeData::ZenkakuToHankaku(CString& s)
{
    CharList chars = SplitChars(s);
    for (std::string& c : chars) {
        if (const char cHalf = HalfWidthOf(c))
            c = std::string(1, cHalf);
    }
    s = JoinChars(chars);
}

void CPostalBarcodeData::CheckKansuji(CString& s)
{
    const CharList chars = SplitChars(s);
    CString strResult;
    for (size_t i = 0; i < chars.size();) {
        if (NumeralIndex(chars[i]) < 0) {
            strResult += chars[i++].c_str();
            continue;
        }
        size_t nEnd = i;
        while (nEnd < chars.size() && NumeralIndex(chars[nEnd]) >= 0)
            ++nEnd;
        CString strRun = JoinChars(chars, i, nEnd);
        if (StartsWithNumberWord(JoinChars(chars, nEnd)))
            KansujiToSanyou(strRun);
        strResult += strRun;
        i = nEnd;
    }
    s = strResult;
}

int CPostalBarcodeData::KansujiToSanyou(CString& s)
{
    std::string run;
    for (const std::string& c : SplitChars(s)) {
        const int nNumeral = NumeralIndex(c);
        if (nNumeral >= 0 && nNumeral < kDigitNumerals)
            run += static_cast<char>('0' + nNumeral);
        else if (nNumeral >= kDigitNumerals)
            run += static_cast<char>('a' + nNumeral - kDigitNumerals);
        else
            run += c;
    }
    if (run.find_first_of("abc") != std::string::npos) {
        int nValue = Multiplier(run, 'c') * 1000 + Multiplier(run, 'b') * 100 + Multiplier(run, 'a') * 10;
        if (!run.empty() && IsDigit(run.back()))
            nValue += run.back() - '0';
        run = std::to_string(nValue);
    }
    s = run.c_str();
    return 1;
}

CString CPostalBarcodeData::PickUpChar(CString& s)
{
    const CharList chars = SplitChars(s);
    std::string text;
    bool bSkipped = false;
    for (size_t i = 0; i < chars.size();) {
        if (!IsBarcodeChar(chars[i])) {
            bSkipped = true;
            ++i;
            continue;
        }
        if (bSkipped)
            text += '-';
        bSkipped = false;
        const char c = chars[i][0];
        const bool bNextLetter = i + 1 < chars.size() && chars[i + 1].size() == 1 && IsLetter(chars[i + 1][0]);
        const bool bNextDigit = i + 1 < chars.size() && chars[i + 1].size() == 1 && IsDigit(chars[i + 1][0]);
        if (!IsLetter(c)) {
            text += c;
        } else if (bNextLetter) {
            while (i + 1 < chars.size() && chars[i + 1].size() == 1 && IsLetter(chars[i + 1][0]))
                ++i;
            text += '-';
        } else if (c != 'F') {
            text += c;
        } else if (!text.empty() && IsDigit(text.back()) && bNextDigit) {
            text += '-';
        }
        ++i;
    }
    ReduceHyphens(text);
    return text.c_str();
}

void CPostalBarcodeData::GetHifnOff(CString& s)
{
    const std::string text = static_cast<LPCSTR>(s);
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool bByLetter = (i > 0 && IsLetter(text[i - 1])) || (i + 1 < text.size() && IsLetter(text[i + 1]));
        if (text[i] != '-' || !bByLetter)
            result += text[i];
    }
    s = result.c_str();
}
