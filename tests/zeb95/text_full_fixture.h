// Documents whose text carries chosen attributes, their clip mode set, and
// a second document on a whiteboard of its own (its own shared fonts), for
// full text going from one document to another.
#pragma once
#include <string>
#include <vector>

#include "text/caret/doc_caret.h"
#include "text/doc/doc_bitmaps.h"
#include "text/doc/doc_layout.h"
#include "text/edit/doc_edit.h"
#include "text/doc/doc_record.h"
#include "text_caret_fixture.h"

class FullTextDocs : public FixedDocs
{
protected:
    void SetUp() override
    {
        FixedDocs::SetUp();
        m_hWb2 = CreatePlainWhiteBoard(m_parent.Hwnd());
        ASSERT_NE(nullptr, m_hWb2);
        m_hDoc2 = ::CreateWindowExA(0, "ZEB95DOWCLASS", "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, m_hWb2, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, m_hDoc2);
    }
    void TearDown() override
    {
        ::DestroyWindow(m_hWb2);
        FixedDocs::TearDown();
    }
    // The text laid out in hDoc with every byte's attribute base plus the
    // pair and break flags of its place; the caret at (0, 0).
    static void LayAttrs(HWND hDoc, const std::string& text, ZebCharAttr base)
    {
        ZebDocRecord& doc = Doc(hDoc);
        DocStopLayout(doc);
        FillBlocks(*doc.Blocks(), text, base);
        doc.head.SetCaretPos({0, 0});
        doc.anchor = {-1, -1};
        DocReflowFrom(hDoc, 0);
        DocWaitLayout(hDoc, -1);
    }
    static void SetClipMode(HWND hDoc, int nMode)
    {
        ZebDocRecord& doc = Doc(hDoc);
        doc.dwFlags = (doc.dwFlags & ~kDocClipModeMask) | (static_cast<DWORD>(nMode) << kDocClipModeShift);
    }
    // Anchor at (0, 0), caret at the end of the text.
    static void SelectAll(HWND hDoc) { ASSERT_EQ(1, ::SendMessageA(hDoc, EM_SETSEL, 0, -1)); }
    // An inline bitmap (3 x 2) added to hDoc and inserted at the position.
    static void InsertBitmapAt(HWND hDoc, int nColumn, int nLine);
    // The stored bytes of the text and their attributes.
    static std::string TextOf(HWND hDoc);
    static std::vector<ZebCharAttr> AttrsOf(HWND hDoc);

    HWND m_hWb2 = nullptr;
    HWND m_hDoc2 = nullptr;
};

inline std::string FullTextDocs::TextOf(HWND hDoc) { return BlocksText(*Doc(hDoc).Blocks()); }

inline std::vector<ZebCharAttr> FullTextDocs::AttrsOf(HWND hDoc)
{
    const ZebBlockList& blocks = *Doc(hDoc).Blocks();
    std::vector<ZebCharAttr> attrs;
    for (int i = 0; i < blocks.Count(); ++i)
    {
        std::vector<ZebCharAttr> a(BlockTextLength(blocks.Block(i)));
        BlockCopyOut(blocks.Block(i), 0, static_cast<int>(a.size()), nullptr, a.data());
        attrs.insert(attrs.end(), a.begin(), a.end());
    }
    return attrs;
}

inline void FullTextDocs::InsertBitmapAt(HWND hDoc, int nColumn, int nLine)
{
    const int nIndex = DocAddBmp(hDoc, -1, MakeSolidDib(3, 2, RGB(10, 20, 30)), nullptr);
    ASSERT_GE(nIndex, 0);
    ASSERT_EQ(1, DocSetCaret(hDoc, nColumn, nLine, 3));
    ASSERT_NE(0, DocInsertBmp(hDoc, nIndex));
}
