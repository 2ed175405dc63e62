// A text document of 200 x 100 client pixels whose font 0 is a fixed-pitch
// Shift-JIS entry 8 pixels a byte (16 a double-byte character) and 16 high,
// so that caret, selection, search and keys are seen on exact numbers.
#pragma once
#include <string>

#include "text_doc_fixture.h"

class FixedDocs : public TextDocs
{
protected:
    static constexpr int kByteWidth = 8;
    static constexpr int kLineHeight = 16;

    void SetUp() override;
    // Replaces the text and lays it out in lines of at most nLimit bytes
    // (0: no limit); the caret goes to (0, 0) without a selection, and the
    // document is as high as its lines.
    void Lay(const std::string& text, int nLimit = 0);
    // The text of the blocks.
    std::string Text() const;
    ZebDocRecord& D() { return Doc(m_hDoc); }
    POINT Caret() { return D().head.CaretPos(); }

    HWND m_hDoc = nullptr;
};
