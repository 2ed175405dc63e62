// Documents whose text carries chosen attributes, their clip mode set, and
// a second document on a whiteboard of its own (its own shared fonts), for
// full text going from one document to another.
#pragma once
#include <string>
#include <vector>

#include "text/doc/doc_layout.h"
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
    // The stored bytes of the text and their attributes.
    static std::string TextOf(HWND hDoc);
    static std::vector<ZebCharAttr> AttrsOf(HWND hDoc);

    HWND m_hWb2 = nullptr;
    HWND m_hDoc2 = nullptr;
};

inline std::string FullTextDocs::TextOf(HWND hDoc)
{
    const ZebBlockList& blocks = *Doc(hDoc).Blocks();
    std::string text;
    for (int i = 0; i < blocks.Count(); ++i)
    {
        std::string s(BlockTextLength(blocks.Block(i)), '\0');
        BlockCopyOut(blocks.Block(i), 0, static_cast<int>(s.size()), &s[0], nullptr);
        text += s;
    }
    return text;
}

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
