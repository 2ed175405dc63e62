// Value files in the "\Data\Other\" folder of an install root of the test's
// own.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include <afx.h>

void WriteBytes(const std::string& path, const std::string& bytes);
// An archive holding one string, as the launcher writes a value file.
std::string StringArchive(const CString& value);

// Sets a fresh folder with an empty "\Data\Other\" as CMirtEnv's root.
class OtherFolderTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    std::string OtherPath(const char* pszName) const;
    void WriteOther(const char* pszName, const std::string& bytes) const;

    std::string m_root;
};
