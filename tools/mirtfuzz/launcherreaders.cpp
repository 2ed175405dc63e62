#include "launcherreaders.h"

#include <stdexcept>

#include "autoinput.h"
#include "formlistbox.h"
#include "mainindex.h"
#include "mirtenv.h"
#include "ownedread.h"
#include "prtdatainfo.h"
#include "tolvanereaders.h"

namespace {

struct LauncherGroups
{
    CObList list;
    ~LauncherGroups() { MirtDeleteOwnedList(list); }
};

CString LauncherOtherFolder()
{
    CMirtEnv env;
    ::CreateDirectoryA(env.m_strInstallRoot + "\\Data", nullptr);
    ::CreateDirectoryA(env.m_strInstallRoot + "\\Data\\Other", nullptr);
    return env.m_strInstallRoot + "\\Data\\Other";
}

void LauncherWriteRaw(const CString& strPath, const std::string& bytes)
{
    CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.Close();
}

std::string LauncherCounted(const std::string& text)
{
    return std::string(1, static_cast<char>(text.size())) + text;
}

}  // namespace

std::vector<std::string> LauncherIndexSeeds()
{
    return IndexSeeds();
}

std::vector<std::string> AutoInputSeeds()
{
    const std::string longText(300, '1');
    return {LauncherCounted("03-12-34"), LauncherCounted("東京都1-2ｶﾞｰﾃﾞﾝ－３"), std::string("\xFF\x2C\x01", 3) + longText,
        std::string(1, '\0')};
}

void RunLauncherIndex(const std::string& bytes, CDC&, CDC&)
{
    std::string copy = bytes + '\0';   // never an empty buffer
    CMemFile file(reinterpret_cast<BYTE*>(&copy[0]), static_cast<UINT>(bytes.size()));
    LauncherGroups groups;
    ReadMainIndex(file, groups.list);
    for (POSITION pos = groups.list.GetHeadPosition(); pos != nullptr;) {
        const CPrtDataInfo& group = *static_cast<const CPrtDataInfo*>(groups.list.GetNext(pos));
        CArray<CFormListBox::Row> rows;
        CFormListBox::ListRows(group, rows);
        for (int i = 0; i < rows.GetSize(); ++i)
            CFormListBox::RowText(group, rows[i].dwData);
        const int nListable = CFormListBox::CountListableForms(group);
        if (nListable < 0 || nListable > CFormListBox::FormCount(group))
            throw std::logic_error("more listable forms than the group describes");
    }
}

// The bytes as each plain file: read back into the parts, made into the
// fifteen texts, and one text written and read again to itself.
void RunAutoInput(const std::string& bytes, CDC&, CDC&)
{
    const CString strFolder = LauncherOtherFolder();
    for (const char* pszName : {"NAME.AUT", "ZIPHIFN.AUT", "ADD.AUT", "TEL.AUT", "FAX.AUT"})
        LauncherWriteRaw(strFolder + "\\" + pszName, bytes);
    UserInfo info;
    ReadUserInfo(strFolder, info);
    AutoInputFile files[AUTO_INPUT_FILE_COUNT];
    MakeAutoInputFiles(info, files);
    const CString strPath = strFolder + "\\AGAIN.AUT";
    CString strAgain;
    if (!WriteAutoInputFile(strPath, files[7].strText) || !ReadAutoInputFile(strPath, strAgain) ||
        strAgain != files[7].strText)
        throw std::logic_error("a written auto-input file does not read back to itself");
}
