// Text documents made on a whiteboard of a test parent.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "objects/obj_record.h"
#include "text/layout/text_cursor.h"
#include "text/doc/doc_record.h"
#include "whiteboard/wb_record.h"
#include "zeb_fixtures.h"

// Replaces the text of the storage with the code page 932 bytes, in blocks
// of at most nBlockBytes, every byte with the attribute base (font, colour)
// and the pair and break flags of its place.
inline void FillBlocks(ZebBlockList& blocks, const std::string& text, ZebCharAttr base = 0,
                       int nBlockBytes = ZebTextBlock::kBytes)
{
    blocks.BlockFree(-1);
    std::vector<ZebCharAttr> attrs(text.size(), base);
    MarkCharPairs(text.data(), attrs.data(), static_cast<int>(text.size()));
    int nAt = 0;
    const int nSize = static_cast<int>(text.size());
    do
    {
        ZebTextBlock* pBlock = blocks.BlockInsert(-1);
        ASSERT_NE(nullptr, pBlock);
        int nTake = nSize - nAt < nBlockBytes ? nSize - nAt : nBlockBytes;
        nAt += BlockInsertRun(pBlock, 0, text.data() + nAt, attrs.data() + nAt, nTake);
    } while (nAt < nSize);
}

// The Shift-JIS face "IPAGothic" at the height.
inline LOGFONTA Gothic(LONG nHeight)
{
    LOGFONTA lf = {};
    lf.lfHeight = nHeight;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpyA(lf.lfFaceName, "IPAGothic");
    return lf;
}

// The stored bytes of every block, in order.
inline std::string BlocksText(const ZebBlockList& blocks)
{
    std::string text;
    for (int i = 0; i < blocks.Count(); ++i)
    {
        std::string s(BlockTextLength(blocks.Block(i)), '\0');
        BlockCopyOut(blocks.Block(i), 0, static_cast<int>(s.size()), &s[0], nullptr);
        text += s;
    }
    return text;
}

// Bytes of the lines of the table, in order.
inline std::string LinesText(const ZebBlockList& blocks, const ZebLineTable& lines)
{
    std::string text;
    for (int i = 0; i < lines.Count(); ++i)
    {
        const ZebLineEntry& line = lines.At(i);
        ZebTextCursor at(blocks, line.block, line.offset);
        for (int c = 0; c < line.length && !at.AtEnd(); ++c, at.Skip(1))
            text += static_cast<char>(at.Byte());
    }
    return text;
}

class TextDocs : public LibraryStarted
{
protected:
    void SetUp() override
    {
        m_hWb = CreatePlainWhiteBoard(m_parent.Hwnd());
        ASSERT_NE(nullptr, m_hWb);
    }
    void TearDown() override
    {
        ::DestroyWindow(m_hWb);
        Pump();
    }
    // A document of 200 x 100 client pixels (no border) on the whiteboard.
    HWND CreateDoc(DWORD dwStyle = 0)
    {
        HWND hDoc = ::CreateWindowExA(0, "ZEB95DOWCLASS", "", WS_CHILD | WS_VISIBLE | dwStyle, 0, 0, 200, 100, m_hWb,
                                      nullptr, ::GetModuleHandleA(nullptr), nullptr);
        EXPECT_NE(nullptr, hDoc);
        return hDoc;
    }
    // The text of n copies of the piece.
    static std::string Repeated(const std::string& piece, int n)
    {
        std::string text;
        for (int i = 0; i < n; ++i)
            text += piece;
        return text;
    }
    static ZebDocRecord& Doc(HWND hDoc)
    {
        ZebDocRecord* pDoc = ZebDocRecord::From(hDoc);
        EXPECT_NE(nullptr, pDoc);
        return *pDoc;
    }
    ZebWbRecord& Wb() { return *ZebWbRecord::From(GetObjRecord(m_hWb)); }

    TestParent m_parent;
    HWND m_hWb = nullptr;
};
