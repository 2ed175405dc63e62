// Auto-input files: each holds one string as the framework's archive
// stores it (a counted string, nothing else). The launcher writes the
// user's data into fifteen of them under "\Data\Other\"; the form
// library's auto-input fields read them.
#pragma once
#include <afx.h>

// The user's data as entered, each part as typed.
struct UserInfo
{
    CString strName;
    CString strReading;
    CString strCompany;
    CString strDepartment;
    CString strZip1, strZip2;
    CString strAddress;
    CString strTel1, strTel2, strTel3;
    CString strFax1, strFax2, strFax3;
    CString strBank;
    CString strCatch;
};

// One file: its name and text.
struct AutoInputFile
{
    LPCSTR pszName;
    CString strText;
};

enum
{
    AUTO_INPUT_FILE_COUNT = 15
};

// The fifteen files in the order of writing, with their texts.
void MakeAutoInputFiles(const UserInfo& info, AutoInputFile (&files)[AUTO_INPUT_FILE_COUNT]);
// The parts of the user's data read back from the plain files in folder
// (a missing file gives empty parts).
void ReadUserInfo(LPCSTR lpszFolder, UserInfo& info);

// Writes one auto-input file (created or truncated); FALSE when it could
// not be written.
BOOL WriteAutoInputFile(LPCSTR lpszPath, const CString& strText);
// Reads one; FALSE when the file does not open or holds no string.
BOOL ReadAutoInputFile(LPCSTR lpszPath, CString& strText);

// Digits as kanji numerals ("〇" ... "九"); other characters are kept.
CString ToVerticalDigits(const CString& strText);
// The address for vertical writing: full-width minus to "-", digits to
// kanji numerals, letters and half-width katakana to full width, a kana
// and its sound mark composed.
CString ToVerticalAddress(const CString& strText);

// install root + "\Data\Other".
CString AutoInputFolder();
