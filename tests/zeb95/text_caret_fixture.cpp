#include "text_caret_fixture.h"

#include "cp932.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_layout.h"
#include "text/tables/font_entry.h"

void FixedDocs::SetUp()
{
    TextDocs::SetUp();
    m_hDoc = ::CreateWindowExA(0, "ZEB95DOWCLASS", "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, m_hWb, nullptr,
                               ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, m_hDoc);
    auto* pFont = const_cast<ZebFontEntry*>(DocFontEntry(D(), 0));
    ASSERT_NE(nullptr, pFont);
    for (int c = 0; c < 256; ++c)
        pFont->widths[c] = static_cast<short>(cp932::IsLeadByte(static_cast<unsigned char>(c)) ? 16 : 8);
    pFont->logfont.lfHeight = kLineHeight;
    pFont->logfont.lfCharSet = SHIFTJIS_CHARSET;
    pFont->logfont.lfPitchAndFamily = FIXED_PITCH;
}

void FixedDocs::Lay(const std::string& text, int nLimit)
{
    ZebDocRecord& doc = D();
    DocStopLayout(doc);
    FillBlocks(*doc.Blocks(), text);
    doc.nLimit = nLimit;
    doc.head.SetCaretPos({0, 0});
    doc.anchor = {-1, -1};
    DocReflowFrom(m_hDoc, 0);
    DocWaitLayout(m_hDoc, -1);
    doc.nDocHeight = doc.Lines()->Count() * kLineHeight;
}

std::string FixedDocs::Text() const { return BlocksText(*ZebDocRecord::From(m_hDoc)->Blocks()); }
