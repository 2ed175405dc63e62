// The text-document entry windows over a real text document: typed
// characters by field kind, Enter and Tab moves by the row limit, the value
// stored in each field's form, and cut, copy and paste with the clipboard.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "entry_fixture.h"
#include "mirtmsgs.h"
#include "npropobjnum.h"
#include "npropwnddoc.h"
#include "page_fixture.h"
#include "test_whiteboard.h"
#include "zeb95.h"

namespace {

const RECT kRect = {0, 0, 100, 50};

// A text field of a chosen row limit.
class CRowsField : public CNPropObjDoc
{
public:
    explicit CRowsField(int nRows) : m_nRows(nRows) {}
    int GetRowLimit() override { return m_nRows; }

private:
    int m_nRows;
};

std::string ClipboardString()
{
    std::string text;
    if (!::OpenClipboard(nullptr))
        return "(closed)";
    if (HANDLE hData = ::GetClipboardData(CF_TEXT)) {
        const char* p = static_cast<const char*>(::GlobalLock(hData));
        text.assign(p, strnlen(p, ::GlobalSize(hData)));
        ::GlobalUnlock(hData);
    }
    ::CloseClipboard();
    return text;
}

// Puts the bytes on the clipboard as CF_TEXT.
void SetClipboardBytes(const std::string& bytes)
{
    HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(::GlobalLock(hBlock), bytes.data(), bytes.size());
    ::GlobalUnlock(hBlock);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::SetClipboardData(CF_TEXT, hBlock);
    ::CloseClipboard();
}

class TextDocWindowTest : public testing::Test
{
protected:

    // A window of the class over a new document of the whiteboard.
    template <class TWnd>
    TWnd* Make()
    {
        TWnd* pWnd = new TWnd;
        m_pWnd.reset(pWnd);
        EXPECT_TRUE(pWnd->SubclassWindow(m_whiteBoard.NewDoc()));
        return pWnd;
    }
    void Type(const char* pszKeys)
    {
        for (const char* p = pszKeys; *p != '\0'; ++p)
            m_pWnd->SendMessage(WM_CHAR, static_cast<BYTE>(*p), 1);
    }
    std::string Text() const { return std::string(CNPropWndDoc::ReadAllText(m_pWnd->GetSafeHwnd())); }
    // The MsgUserMove posted to the whiteboard: its lParam, or -1 for none.
    LPARAM TakeMove(CNPropObj* pField)
    {
        MSG msg;
        if (!::PeekMessageA(&msg, m_whiteBoard.m_hWnd, MsgUserMove, MsgUserMove, PM_REMOVE))
            return -1;
        EXPECT_EQ(reinterpret_cast<WPARAM>(pField), msg.wParam);
        return msg.lParam;
    }
    void SelectAll()
    {
        POINT ptEnd = {-1, -1};
        const LONG nLast = zebGetLineCount(m_pWnd->GetSafeHwnd()) - 1;
        ptEnd.y = nLast;
        ptEnd.x = zebGetLine(m_pWnd->GetSafeHwnd(), nLast, nullptr, 0);
        zebSetCaret(m_pWnd->GetSafeHwnd(), ptEnd.x, ptEnd.y);
        zebSetSelRow(m_pWnd->GetSafeHwnd(), 0);
        zebSetSelCol(m_pWnd->GetSafeHwnd(), 0);
    }

    CTestWhiteBoard m_whiteBoard;
    std::unique_ptr<CNPropWndDoc> m_pWnd;
};

TEST_F(TextDocWindowTest, TypedCharactersByFieldKind)
{
    std::unique_ptr<CNPropObjDoc> pText(TextField(1, kRect));
    CNPropWndDoc* pDoc = Make<CNPropWndDoc>();
    pDoc->m_pField = pText.get();
    Type("ab1.-x");
    EXPECT_EQ("ab1.-x", Text());

    struct Case
    {
        int nNumKind;
        const char* pszKeys;
        const char* pszText;
    };
    const Case kCases[] = {
        {CNPropObjDocNum::NUMKIND_INTEGER, "1a2.5-\r", "125-"},
        {CNPropObjDocNum::NUMKIND_DECIMAL, "1a2.5-\r", "12.5-"},
    };
    for (const Case& c : kCases) {
        std::unique_ptr<CNPropObjDocNum> pNumber(NumberField(2, kRect));
        pNumber->m_nNumKind = c.nNumKind;
        CNPropWndDocNum* pNum = Make<CNPropWndDocNum>();
        pNum->m_pNumField = pNumber.get();
        Type(c.pszKeys);
        EXPECT_EQ(c.pszText, Text()) << c.nNumKind;
        EXPECT_EQ(1, TakeMove(pNumber.get())) << "without a row limit Enter moves on";
        m_pWnd.reset();
    }
}

TEST_F(TextDocWindowTest, EnterMovesOnOnceTheFieldHoldsItsRowsAndTabAlways)
{
    CRowsField field(3);
    field.m_nOrder = 1;
    Make<CNPropWndDoc>()->m_pField = &field;
    Type("a\rb\r");
    EXPECT_EQ("a\r\nb\r\n", Text()) << "new lines up to the row limit";
    EXPECT_EQ(-1, TakeMove(&field));
    Type("c\r");
    EXPECT_EQ("a\r\nb\r\nc", Text()) << "the third line fills the field";
    EXPECT_EQ(1, TakeMove(&field));
    Type("\t");
    EXPECT_EQ(1, TakeMove(&field));
    EXPECT_EQ("a\r\nb\r\nc", Text());

    CRowsField unlimited(0);
    Make<CNPropWndDoc>()->m_pField = &unlimited;
    Type("\r");
    EXPECT_EQ(1, TakeMove(&unlimited));
    EXPECT_EQ("", Text());
}

TEST_F(TextDocWindowTest, ValuesAreStoredInTheFieldsForm)
{
    struct Case
    {
        int nFormatKind, nNumKind;
        const char* pszStored;
    };
    const Case kCases[] = {
        {1, CNPropObjDocNum::NUMKIND_INTEGER, "12"},
        {1, CNPropObjDocNum::NUMKIND_DECIMAL, "12.35"},
        {5, CNPropObjDocNum::NUMKIND_TRIMMED, "12.35"},
        {0, CNPropObjDocNum::NUMKIND_INTEGER, "12.346"},
        {6, CNPropObjDocNum::NUMKIND_DECIMAL, "12.346"},
    };
    for (const Case& c : kCases) {
        std::unique_ptr<CNPropObjDocNum> pNumber(NumberField(2, kRect));
        pNumber->m_nNumKind = c.nNumKind;
        pNumber->m_nDrawStyle = c.nFormatKind;
        pNumber->m_strData = "12.346";
        CNPropWndDocNum* pNum = Make<CNPropWndDocNum>();
        pNum->m_pNumField = pNumber.get();
        Command(pNum, WCMD_DATA, FALSE);
        EXPECT_EQ("12.346", Text());
        pNumber->m_strData.Empty();
        Command(pNum, WCMD_DATA, TRUE);
        EXPECT_EQ(c.pszStored, std::string(pNumber->m_strData)) << c.nFormatKind << "/" << c.nNumKind;
        m_pWnd.reset();
    }
    EXPECT_EQ("", std::string(CNPropWndDocNum::FormatNumber("", 1, 0)));
}

TEST_F(TextDocWindowTest, CutCopyAndPasteKeepTheClipboardSound)
{
    std::unique_ptr<CNPropObjDoc> pText(TextField(1, kRect));
    CNPropWndDoc* pDoc = Make<CNPropWndDoc>();
    pDoc->m_pField = pText.get();
    Type("ab");
    SetClipboardBytes(std::string("keep", 5));
    Command(pDoc, WCMD_COPY, TRUE);
    Command(pDoc, WCMD_CUT, TRUE);
    EXPECT_EQ("keep", ClipboardString()) << "no selection, nothing copied";
    EXPECT_EQ("ab", Text());

    SelectAll();
    Command(pDoc, WCMD_CUT, TRUE);
    EXPECT_EQ("ab", ClipboardString());
    EXPECT_EQ("", Text());

    Type("12");
    SelectAll();
    SetClipboardBytes(std::string("xyz\0junk", 8));
    Command(pDoc, WCMD_PASTE, TRUE);
    EXPECT_EQ("xyz", Text());
    EXPECT_EQ("xyz", ClipboardString()) << "the pasted text, not the replaced one";
}

}  // namespace
