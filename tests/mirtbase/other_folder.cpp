#include "other_folder.h"

#include "field_fixture.h"
#include "mirtenv.h"
#include "test_paths.h"

void WriteBytes(const std::string& path, const std::string& bytes)
{
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
}

std::string StringArchive(const CString& value)
{
    return StoreWith([&](CArchive& ar) { ar << value; });
}

void OtherFolderTest::SetUp()
{
    m_root = FreshTestFolder();
    CMirtEnv::SetRootOverride(m_root.c_str());
    ::CreateDirectoryA((m_root + "\\Data").c_str(), nullptr);
    ::CreateDirectoryA((m_root + "\\Data\\Other").c_str(), nullptr);
}

void OtherFolderTest::TearDown()
{
    CMirtEnv::SetRootOverride(nullptr);
}

std::string OtherFolderTest::OtherPath(const char* pszName) const
{
    return m_root + "\\Data\\Other\\" + pszName;
}

void OtherFolderTest::WriteOther(const char* pszName, const std::string& bytes) const
{
    WriteBytes(OtherPath(pszName), bytes);
}
