#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <set>
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

// ---- CStdioFile

TEST(StdioFileTest, TextLinesEndInCarriageReturnLineFeed)
{
    const CString path = PathIn(FreshTestFolder(), "lines.txt");
    {
        CStdioFile file(path, CFile::modeCreate | CFile::modeWrite);
        file.WriteString("一行目\n二行目\n");
        file.WriteString("最後");
    }
    CFile raw(path, CFile::modeRead);
    EXPECT_EQ("一行目\r\n二行目\r\n最後", ReadAll(raw));
    raw.Close();

    CStdioFile file(path, CFile::modeRead);
    CString line;
    std::string lines;
    while (file.ReadString(line))
        lines += std::string(line) + "|";
    EXPECT_EQ("一行目|二行目|最後|", lines);
    EXPECT_TRUE(line.IsEmpty());

    // Into a caller's buffer: the line with its "\n", cut to the buffer.
    file.SeekToBegin();
    char sz[5];
    ASSERT_NE(nullptr, file.ReadString(sz, sizeof sz));
    EXPECT_STREQ("一行", sz);   // 4 bytes and the zero
    EXPECT_EQ(4u, file.GetPosition());
    char szLine[32];
    ASSERT_NE(nullptr, file.ReadString(szLine, sizeof szLine));
    EXPECT_STREQ("目\n", szLine);
    EXPECT_EQ(CString("二行目"), (file.ReadString(line), line));
    EXPECT_EQ(16u, file.GetPosition());
}

TEST(StdioFileTest, BinaryFileKeepsItsBytes)
{
    const CString path = PathIn(FreshTestFolder(), "lines.bin");
    {
        CStdioFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        file.WriteString("a\nb\r\n");
    }
    CStdioFile file(path, CFile::modeRead | CFile::typeBinary);
    EXPECT_EQ("a\nb\r\n", ReadAll(file));
    file.SeekToBegin();
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_STREQ("a", line);
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_STREQ("b\r", line);
    EXPECT_FALSE(file.ReadString(line));
}

// ---- CFileFind

TEST(FileFindTest, VisitsEachMatchOnce)
{
    const std::string folder = FreshTestFolder();
    WriteFile(PathIn(folder, "一.txt"), "12345");
    WriteFile(PathIn(folder, "b.txt"), "");
    WriteFile(PathIn(folder, "c.dat"), "");
    ASSERT_TRUE(::CreateDirectoryA(PathIn(folder, "sub.txt"), nullptr));

    CFileFind finder;
    ASSERT_TRUE(finder.FindFile(PathIn(folder, "*.txt")));
    EXPECT_STREQ(CString(folder.c_str()) + "\\", finder.GetRoot());
    std::set<std::string> found;
    BOOL bMore = TRUE;
    while (bMore) {
        bMore = finder.FindNextFile();
        std::string entry = std::string(finder.GetFileName()) + (finder.IsDirectory() ? "/" : "");
        if (finder.GetFileName() == "一.txt") {
            EXPECT_STREQ(PathIn(folder, "一.txt"), finder.GetFilePath());
            EXPECT_STREQ("一", finder.GetFileTitle());
            EXPECT_EQ(5u, finder.GetLength());
        }
        found.insert(entry);
    }
    EXPECT_EQ((std::set<std::string>{"b.txt", "sub.txt/", "一.txt"}), found);
    EXPECT_FALSE(finder.FindNextFile());

    ASSERT_TRUE(finder.FindFile(PathIn(folder, "*")));
    int nDots = 0;
    for (bMore = TRUE; bMore;) {
        bMore = finder.FindNextFile();
        nDots += finder.IsDots() ? 1 : 0;
    }
    EXPECT_EQ(2, nDots);
    EXPECT_FALSE(finder.FindFile(PathIn(folder, "*.none")));
}

// ---- CMemFile

// Counts how often the file allocates its buffer anew.
class CCountingMemFile : public CMemFile
{
public:
    explicit CCountingMemFile(UINT nGrowBytes) : CMemFile(nGrowBytes) {}
    int m_nAllocations = 0;

protected:
    BYTE* Alloc(DWORD nBytes) override
    {
        ++m_nAllocations;
        return CMemFile::Alloc(nBytes);
    }
    BYTE* Realloc(BYTE* lpMem, DWORD nBytes) override
    {
        ++m_nAllocations;
        return CMemFile::Realloc(lpMem, nBytes);
    }
};

// 16 MB written a kilobyte at a time: every byte kept, and the buffer
// allocated a few times only, not once per step.
TEST(MemFileTest, LargeFileWrittenPieceByPiece)
{
    CCountingMemFile file(1024);
    std::string piece(1024, '\0');
    const int nPieces = 16 * 1024;
    for (int i = 0; i < nPieces; ++i) {
        std::memcpy(&piece[0], &i, sizeof i);
        file.Write(piece.data(), static_cast<UINT>(piece.size()));
    }
    EXPECT_EQ(static_cast<DWORD>(nPieces) * 1024u, file.GetLength());
    EXPECT_LE(file.m_nAllocations, 40);
    file.SeekToBegin();
    int nIntact = 0;
    for (int i = 0; i < nPieces; ++i) {
        file.Read(&piece[0], static_cast<UINT>(piece.size()));
        int nStored = -1;
        std::memcpy(&nStored, piece.data(), sizeof nStored);
        nIntact += nStored == i ? 1 : 0;
    }
    EXPECT_EQ(nPieces, nIntact);
}

TEST(MemFileTest, SetLengthZeroFillsWhatItAdds)
{
    CMemFile file(16);
    file.Write("a0123456789", 11);
    file.SetLength(100);
    EXPECT_EQ(100u, file.GetLength());
    EXPECT_EQ(std::string("a0123456789") + std::string(89, '\0'), ReadAll(file));
    file.SetLength(3);
    EXPECT_EQ("a01", ReadAll(file));
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
