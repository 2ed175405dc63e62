// The launcher in tests: each test gets a fresh install root (CMirtEnv
// pointed at it) with the folders the launcher reads and writes, a small
// background picture and an application object.
#pragma once
#include <string>

#include <gtest/gtest.h>

#include <afxwin.h>

class CPrtDataInfo;

// A group of the index with its name and categories (name, form count).
CPrtDataInfo* NewGroup(const char* pszName, std::initializer_list<std::pair<const char*, DWORD>> categories);
// Appends a form to every per-form array of the group.
void AddForm(CPrtDataInfo& group, DWORD dwID, DWORD dwSource, const char* pszTitle, const char* pszNote,
    DWORD dwPreviewRequired, DWORD dwTextColour = 0);

class StrelMainTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    const std::string& Root() const { return m_root; }
    std::string Path(const char* pszTail) const { return m_root + pszTail; }

    // Writes the groups (taken over) as the index file.
    void WriteIndex(std::initializer_list<CPrtDataInfo*> groups);
    // A JPEG preview picture "<name>" in "\Data\Preview\".
    void WritePreview(const char* pszName);

    CWinApp m_app;

private:
    std::string m_root;
};
