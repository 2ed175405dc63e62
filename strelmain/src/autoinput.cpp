#include "autoinput.h"

#include <afxtempl.h>

#include "cp932.h"
#include "mirtpath.h"

namespace {

const UINT kArchiveBuffer = 1024;

// A replacement of one pass: a source string and what it becomes.
struct Replacement
{
    CString strFrom;
    CString strTo;
};

// The characters of a text, one string each.
void SplitChars(LPCSTR lpszText, CStringArray& chars)
{
    const CString strText = lpszText;
    for (int i = 0; i < strText.GetLength();) {
        const int n = cp932::CharLength(strText, i, strText.GetLength());
        chars.Add(strText.Mid(i, n));
        i += n;
    }
}

// Pairs character i of the sources with character i of the targets, each
// source followed by strSuffix.
void AddPairs(CArray<Replacement>& pass, LPCSTR lpszFrom, LPCSTR lpszTo, LPCSTR lpszSuffix = "")
{
    CStringArray from, to;
    SplitChars(lpszFrom, from);
    SplitChars(lpszTo, to);
    for (int i = 0; i < from.GetSize() && i < to.GetSize(); ++i)
        pass.Add(Replacement{from[i] + lpszSuffix, to[i]});
}

// One pass: at each character, in order, the first source that starts
// there is replaced; searching goes on after it.
CString RunPass(const CString& strText, const CArray<Replacement>& pass)
{
    CString strOut;
    for (int i = 0; i < strText.GetLength();) {
        int nMatched = -1;
        for (int r = 0; r < pass.GetSize() && nMatched < 0; ++r) {
            const CString& strFrom = pass[r].strFrom;
            if (strText.Mid(i, strFrom.GetLength()) == strFrom)
                nMatched = r;
        }
        if (nMatched >= 0) {
            strOut += pass[nMatched].strTo;
            i += pass[nMatched].strFrom.GetLength();
        } else {
            const int n = cp932::CharLength(strText, i, strText.GetLength());
            strOut += strText.Mid(i, n);
            i += n;
        }
    }
    return strOut;
}

const char kKanjiDigits[] = "〇一二三四五六七八九";

CString Joined(const CString& a, const CString& b, const CString& c)
{
    if (a.IsEmpty() && b.IsEmpty() && c.IsEmpty())
        return CString();
    return a + "-" + b + "-" + c;
}

CString ReadPlain(LPCSTR lpszFolder, LPCSTR lpszName)
{
    CString strText;
    ReadAutoInputFile(CString(lpszFolder) + "\\" + lpszName, strText);
    return strText;
}

// Splits at the first '-' (the whole text when there is none).
CString TakePart(CString& strRest)
{
    const int nDash = strRest.Find('-');
    if (nDash < 0) {
        CString strPart = strRest;
        strRest.Empty();
        return strPart;
    }
    const CString strPart = strRest.Left(nDash);
    strRest = strRest.Mid(nDash + 1);
    return strPart;
}

// A telephone or fax text, when longer than 2 bytes, split at its first two
// '-'; else empty parts.
void ReadNumberParts(CString strText, CString& strPart1, CString& strPart2, CString& strPart3)
{
    strPart1 = strPart2 = strPart3 = CString();
    if (strText.GetLength() <= 2)
        return;
    strPart1 = TakePart(strText);
    strPart2 = TakePart(strText);
    strPart3 = strText;
}

}  // namespace

CString ToVerticalDigits(const CString& strText)
{
    CArray<Replacement> pass;
    AddPairs(pass, "0123456789", kKanjiDigits);
    AddPairs(pass, "０１２３４５６７８９", kKanjiDigits);
    return RunPass(strText, pass);
}

CString ToVerticalAddress(const CString& strText)
{
    CArray<Replacement> passes[6];
    AddPairs(passes[0], "－", "-");
    AddPairs(passes[1], "0123456789", kKanjiDigits);
    AddPairs(passes[2], "０１２３４５６７８９", kKanjiDigits);
    AddPairs(passes[3], "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
        "ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ");
    AddPairs(passes[4], "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜｦﾝｧｨｩｪｫｬｭｮｯﾞﾟｰ",
        "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヲンァィゥェォャュョッ゛゜ー");
    AddPairs(passes[5], "カキクケコサシスセソタチツテトハヒフヘホ", "ガギグゲゴザジズゼゾダヂヅデドバビブベボ", "゛");
    AddPairs(passes[5], "ハヒフヘホ", "パピプペポ", "゜");
    CString strOut = strText;
    for (const CArray<Replacement>& pass : passes)
        strOut = RunPass(strOut, pass);
    return strOut;
}

void MakeAutoInputFiles(const UserInfo& info, AutoInputFile (&files)[AUTO_INPUT_FILE_COUNT])
{
    const CString strZip =
        info.strZip1.IsEmpty() && info.strZip2.IsEmpty() ? CString() : info.strZip1 + "-" + info.strZip2;
    const CString strTel = Joined(info.strTel1, info.strTel2, info.strTel3);
    const CString strFax = Joined(info.strFax1, info.strFax2, info.strFax3);
    const AutoInputFile made[AUTO_INPUT_FILE_COUNT] = {
        {"NAME.AUT", info.strName},
        {"YOMI.AUT", info.strReading},
        {"COM.AUT", info.strCompany},
        {"BUSYO.AUT", info.strDepartment},
        {"TATEZIP.AUT", ToVerticalDigits(strZip)},
        {"ZIPHIFN.AUT", strZip},
        {"ZIP.AUT", info.strZip1 + info.strZip2},
        {"TATEADD.AUT", ToVerticalAddress(info.strAddress)},
        {"ADD.AUT", info.strAddress},
        {"TATETEL.AUT", ToVerticalDigits(strTel)},
        {"TEL.AUT", strTel},
        {"TATEFAX.AUT", ToVerticalDigits(strFax)},
        {"FAX.AUT", strFax},
        {"KOUZA.AUT", info.strBank},
        {"CATCH.AUT", info.strCatch},
    };
    for (int i = 0; i < AUTO_INPUT_FILE_COUNT; ++i)
        files[i] = made[i];
}

void ReadUserInfo(LPCSTR lpszFolder, UserInfo& info)
{
    info.strName = ReadPlain(lpszFolder, "NAME.AUT");
    info.strReading = ReadPlain(lpszFolder, "YOMI.AUT");
    info.strCompany = ReadPlain(lpszFolder, "COM.AUT");
    info.strDepartment = ReadPlain(lpszFolder, "BUSYO.AUT");
    info.strAddress = ReadPlain(lpszFolder, "ADD.AUT");
    info.strBank = ReadPlain(lpszFolder, "KOUZA.AUT");
    info.strCatch = ReadPlain(lpszFolder, "CATCH.AUT");
    CString strZip = ReadPlain(lpszFolder, "ZIPHIFN.AUT");
    info.strZip1 = info.strZip2 = CString();
    if (strZip.GetLength() > 1) {
        info.strZip1 = TakePart(strZip);
        info.strZip2 = strZip;
    }
    ReadNumberParts(ReadPlain(lpszFolder, "TEL.AUT"), info.strTel1, info.strTel2, info.strTel3);
    ReadNumberParts(ReadPlain(lpszFolder, "FAX.AUT"), info.strFax1, info.strFax2, info.strFax3);
}

BOOL WriteAutoInputFile(LPCSTR lpszPath, const CString& strText)
{
    try {
        CFile file(lpszPath, CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store, kArchiveBuffer);
        ar << strText;
        ar.Close();
        file.Close();
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

BOOL ReadAutoInputFile(LPCSTR lpszPath, CString& strText)
{
    try {
        CFile file(lpszPath, CFile::modeRead | CFile::shareDenyWrite);
        CArchive ar(&file, CArchive::load, kArchiveBuffer);
        ar >> strText;
        ar.Close();
        file.Close();
    } catch (CException* e) {
        e->Delete();
        strText.Empty();
        return FALSE;
    }
    return TRUE;
}

CString AutoInputFolder()
{
    return MirtInstallPath("\\Data\\Other");
}
