#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "afx.h"
#include "test_paths.h"

namespace {

CString PathIn(const std::string& folder, LPCSTR name)
{
    return CString(folder.c_str()) + "\\" + name;
}

void WriteFile(LPCSTR path, LPCSTR text)
{
    CFile file(path, CFile::modeCreate | CFile::modeWrite);
    file.Write(text, static_cast<UINT>(std::strlen(text)));
    file.Close();
}

std::string ReadAll(CFile& file)
{
    std::string text(file.GetLength(), '\0');
    file.SeekToBegin();
    text.resize(file.Read(&text[0], static_cast<UINT>(text.size())));
    return text;
}

// The cause of the CFileException that `action` throws, or -1 if none.
template <typename Action>
int FileFailure(Action action)
{
    try {
        action();
    } catch (CFileException* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

TEST(FileTest, OpenFailuresGiveTheCause)
{
    const std::string folder = FreshTestFolder();
    const CString missing = PathIn(folder, "missing.dat");
    struct Case
    {
        CString path;
        UINT flags;
        int cause;
        LONG lOsError;
    };
    const Case cases[] = {
        {missing, CFile::modeRead, CFileException::fileNotFound, ERROR_FILE_NOT_FOUND},
        {PathIn(folder, "no folder\\x.dat"), CFile::modeRead, CFileException::badPath, ERROR_PATH_NOT_FOUND},
        {CString(folder.c_str()), CFile::modeCreate | CFile::modeWrite, CFileException::accessDenied,
         ERROR_ACCESS_DENIED},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<LPCSTR>(c.path));
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(c.path, c.flags, &error));
        EXPECT_EQ(c.cause, error.m_cause);
        EXPECT_EQ(c.lOsError, error.m_lOsError);
        EXPECT_TRUE(error.m_strFileName == c.path);
        EXPECT_EQ(CFile::hFileNull, file.m_hFile);
    }
    EXPECT_EQ(CFileException::fileNotFound, FileFailure([&] { CFile file(missing, CFile::modeRead); }));
}

TEST(FileTest, CreateTruncatesUnlessNoTruncate)
{
    const CString path = PathIn(FreshTestFolder(), "data.txt");
    WriteFile(path, "abcdef");
    {
        CFile file(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
        EXPECT_EQ("abcdef", ReadAll(file));
    }
    CFile file(path, CFile::modeCreate | CFile::modeReadWrite);
    EXPECT_EQ(0u, file.GetLength());
}

TEST(FileTest, ReadWriteSeekAndLength)
{
    const CString path = PathIn(FreshTestFolder(), "data.bin");
    CFile file(path, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive | CFile::typeBinary);
    file.Write("0123456789", 10);
    EXPECT_EQ(10u, file.GetPosition());
    EXPECT_EQ(10u, file.GetLength());

    EXPECT_EQ(4, file.Seek(4, CFile::begin));
    EXPECT_EQ(6, file.Seek(2, CFile::current));
    EXPECT_EQ(7, file.Seek(-3, CFile::end));
    char buf[8] = {};
    EXPECT_EQ(3u, file.Read(buf, 5));
    EXPECT_STREQ("789", buf);
    EXPECT_EQ(0u, file.Read(buf, 5));

    file.SetLength(4);
    EXPECT_EQ(4u, file.GetLength());
    EXPECT_EQ(4u, file.SeekToEnd());
    file.SeekToBegin();
    EXPECT_EQ(0u, file.GetPosition());
    EXPECT_EQ(CFileException::badSeek, FileFailure([&] { file.Seek(-1, CFile::begin); }));
    file.Flush();
    file.Close();
    EXPECT_EQ(CFile::hFileNull, file.m_hFile);
    EXPECT_TRUE(file.GetFilePath().IsEmpty());
}

TEST(FileTest, AccessAndSharing)
{
    const CString path = PathIn(FreshTestFolder(), "shared.dat");
    WriteFile(path, "x");

    CFile reader(path, CFile::modeRead | CFile::shareDenyWrite);
    EXPECT_EQ(CFileException::accessDenied, FileFailure([&] { reader.Write("y", 1); }));
    CFile secondReader;
    EXPECT_TRUE(secondReader.Open(path, CFile::modeRead | CFile::shareDenyNone));
    CFileException error;
    CFile writer;
    EXPECT_FALSE(writer.Open(path, CFile::modeWrite | CFile::shareDenyNone, &error));
    EXPECT_EQ(CFileException::sharingViolation, error.m_cause);

    CFile exclusive;
    EXPECT_FALSE(exclusive.Open(path, CFile::modeRead | CFile::shareExclusive, &error));
    EXPECT_EQ(CFileException::sharingViolation, error.m_cause);
}

TEST(FileTest, PathAndNameKeepDoubleByteNames)
{
    const std::string folder = FreshTestFolder() + "\\表";
    ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
    const CString path = PathIn(folder, "十.dat");
    CFile file(path, CFile::modeCreate | CFile::modeWrite);
    EXPECT_TRUE(file.GetFilePath() == path);
    EXPECT_STREQ("十.dat", file.GetFileName());
}

TEST(FileTest, StatusOfOpenAndNamedFiles)
{
    const CString path = PathIn(FreshTestFolder(), "status.dat");
    WriteFile(path, "12345");
    const time_t now = std::time(nullptr);

    CFileStatus named;
    ASSERT_TRUE(CFile::GetStatus(path, named));
    EXPECT_EQ(5, named.m_size);
    EXPECT_STREQ(path, named.m_szFullName);
    EXPECT_EQ(0, named.m_attribute & (CFile::directory | CFile::readOnly));
    EXPECT_LT(std::llabs(static_cast<long long>(named.m_mtime.GetTime() - now)), 600);

    CFile file(path, CFile::modeRead);
    CFileStatus open;
    ASSERT_TRUE(file.GetStatus(open));
    EXPECT_EQ(5, open.m_size);
    EXPECT_STREQ(path, open.m_szFullName);
    EXPECT_TRUE(open.m_mtime == named.m_mtime);

    CFileStatus missing;
    EXPECT_FALSE(CFile::GetStatus(PathIn(FreshTestFolder(), "none"), missing));
}

TEST(FileTest, RemoveAndRename)
{
    const std::string folder = FreshTestFolder();
    const CString first = PathIn(folder, "a.dat");
    const CString second = PathIn(folder, "b.dat");
    WriteFile(first, "a");
    CFile::Rename(first, second);
    CFileStatus status;
    EXPECT_FALSE(CFile::GetStatus(first, status));
    EXPECT_TRUE(CFile::GetStatus(second, status));
    CFile::Remove(second);
    EXPECT_FALSE(CFile::GetStatus(second, status));
    EXPECT_EQ(CFileException::fileNotFound, FileFailure([&] { CFile::Remove(second); }));
    EXPECT_EQ(CFileException::fileNotFound, FileFailure([&] { CFile::Rename(first, second); }));
}

// ---- CMemFile

// Shows how much memory the file holds.
class CGrowingMemFile : public CMemFile
{
public:
    explicit CGrowingMemFile(UINT nGrowBytes) : CMemFile(nGrowBytes) {}
    DWORD BufferSize() const { return m_nBufferSize; }
};

TEST(MemFileTest, GrowsInSteps)
{
    CGrowingMemFile file(16);
    EXPECT_EQ(0u, file.BufferSize());
    file.Write("a", 1);
    EXPECT_EQ(16u, file.BufferSize());
    file.Write("0123456789abcdefghij", 20);
    EXPECT_EQ(32u, file.BufferSize());
    EXPECT_EQ(21u, file.GetLength());
    file.SetLength(100);
    EXPECT_EQ(112u, file.BufferSize());
    EXPECT_EQ(100u, file.GetLength());
    EXPECT_EQ(std::string("a0123456789abcdefghij") + std::string(79, '\0'), ReadAll(file));
}

TEST(MemFileTest, ReadWriteAndSeekBeyondTheEnd)
{
    CMemFile file;
    file.Write("abc", 3);
    char buf[4] = {};
    EXPECT_EQ(10, file.Seek(10, CFile::begin));
    EXPECT_EQ(0u, file.Read(buf, 3));
    EXPECT_EQ(3u, file.GetLength());
    file.Write("z", 1);
    EXPECT_EQ(11u, file.GetLength());
    EXPECT_EQ(std::string("abc\0\0\0\0\0\0\0z", 11), ReadAll(file));
    EXPECT_EQ(9, file.Seek(-2, CFile::end));
    EXPECT_EQ(2u, file.Read(buf, 3));
    EXPECT_EQ(CFileException::badSeek, FileFailure([&] { file.Seek(-1, CFile::begin); }));
}

TEST(MemFileTest, FixedBufferIsTheFileAndCannotGrow)
{
    BYTE buffer[4] = {'w', 'x', 'y', 'z'};
    CMemFile file(buffer, sizeof buffer);
    EXPECT_EQ(4u, file.GetLength());
    EXPECT_EQ("wxyz", ReadAll(file));
    file.Seek(1, CFile::begin);
    file.Write("XY", 2);
    EXPECT_EQ('X', buffer[1]);
    EXPECT_EQ(CFileException::diskFull, FileFailure([&] { file.Write("12", 2); }));
    EXPECT_EQ(CFileException::diskFull, FileFailure([&] { file.SetLength(5); }));
    EXPECT_EQ(buffer, file.Detach());
    EXPECT_EQ(0u, file.GetLength());
}

TEST(MemFileTest, AttachedGrowableBufferStartsEmpty)
{
    BYTE* pBuffer = static_cast<BYTE*>(std::malloc(4));
    ASSERT_NE(nullptr, pBuffer);
    CMemFile file;
    file.Attach(pBuffer, 4, 8);
    EXPECT_EQ(0u, file.GetLength());
    file.Write("0123456789", 10);
    EXPECT_EQ(10u, file.GetLength());
    BYTE* pDetached = file.Detach();
    ASSERT_NE(nullptr, pDetached);
    EXPECT_EQ(0, std::memcmp(pDetached, "0123456789", 10));
    EXPECT_EQ(0u, file.GetLength());
    std::free(pDetached);
}

}  // namespace
