// The text document exports as the form library reaches them: Zeb95.dll
// loaded for the suite, the functions it binds found by ordinal, the
// others by name; a whiteboard with one Shift-JIS document for each test.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "zeb95.h"
#include "zeb_fixtures.h"

template <class F>
F Resolved(HMODULE hDll, LPCSTR pszNameOrOrdinal)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(hDll, pszNameOrOrdinal)));
}

#define ZEB_BOUND(fn, ordinal) decltype(&::fn) fn = Resolved<decltype(&::fn)>(m_hDll, MAKEINTRESOURCEA(ordinal))
#define ZEB_NAMED(fn) decltype(&::fn) fn = Resolved<decltype(&::fn)>(m_hDll, #fn)

// The exports the tests call, resolved in the loaded library.
struct ZebTextApi
{
    explicit ZebTextApi(HMODULE hDll) : m_hDll(hDll) {}

    HMODULE m_hDll;
    ZEB_BOUND(zebCreateWhiteBoard, 109);
    ZEB_BOUND(zebDestroyWhiteBoard, 116);
    ZEB_BOUND(zebCreateObjDoc, 108);
    ZEB_BOUND(zebGetCaret, 121);
    ZEB_BOUND(zebGetLineCount, 159);
    ZEB_BOUND(zebGetSelFullLength, 186);
    ZEB_BOUND(zebGetSelLength, 188);
    ZEB_BOUND(zebGetSelText, 190);
    ZEB_BOUND(zebReadObject, 206);
    ZEB_BOUND(zebSetCaret, 213);
    ZEB_BOUND(zebSetSelText, 262);
    ZEB_BOUND(zebGetLine, 280);
    ZEB_BOUND(zebGetAllText, 282);
    ZEB_BOUND(zebSetSelCol, 291);
    ZEB_BOUND(zebSetSelRow, 292);
    ZEB_BOUND(zebGetSelCol, 336);
    ZEB_BOUND(zebGetSelRow, 337);
    ZEB_BOUND(zebUpdateInfo, 352);
    ZEB_BOUND(zebSetSelect, 363);
    ZEB_BOUND(zebSetViewMode, 266);
    ZEB_NAMED(zebGetSelect);
    ZEB_NAMED(zebWriteObject);
    ZEB_NAMED(zebGetObjWindow);
    ZEB_NAMED(zebGetSelObj);
    ZEB_NAMED(zebAddText);
    ZEB_NAMED(zebRemoveText);
    ZEB_NAMED(zebGetText);
    ZEB_NAMED(zebSetText);
    ZEB_NAMED(zebGetDocAllText);
    ZEB_NAMED(zebGetDocLine);
    ZEB_NAMED(zebGetRawLine);
    ZEB_NAMED(zebGetDocRawLine);
    ZEB_NAMED(zebGetAllFullText);
    ZEB_NAMED(zebGetDocAllFullText);
    ZEB_NAMED(zebGetDocLineCount);
    ZEB_NAMED(zebGetLineTop);
    ZEB_NAMED(zebGetDocLineTop);
    ZEB_NAMED(zebGetLineHeight);
    ZEB_NAMED(zebGetDocLineHeight);
    ZEB_NAMED(zebUpdateDocInfo);
    ZEB_NAMED(zebGetDocCaret);
    ZEB_NAMED(zebSetDocCaret);
    ZEB_NAMED(zebGetDocSelCol);
    ZEB_NAMED(zebGetDocSelRow);
    ZEB_NAMED(zebSetDocSelCol);
    ZEB_NAMED(zebSetDocSelRow);
    ZEB_NAMED(zebGetDocSelLength);
    ZEB_NAMED(zebGetDocSelText);
    ZEB_NAMED(zebGetDocSelFullLength);
    ZEB_NAMED(zebGetSelFullText);
    ZEB_NAMED(zebGetDocSelFullText);
    ZEB_NAMED(zebGetSelFullLengthEx);
    ZEB_NAMED(zebGetSelFullTextEx);
    ZEB_NAMED(zebSetDocSelText);
    ZEB_NAMED(zebSetSelFullText);
    ZEB_NAMED(zebSetDocSelFullText);
    ZEB_NAMED(zebSetSelFullTextEx);
    ZEB_NAMED(zebCopyText);
    ZEB_NAMED(zebCutText);
    ZEB_NAMED(zebPasteText);
    ZEB_NAMED(zebFindText);
    ZEB_NAMED(zebFindDocText);
    ZEB_NAMED(zebFindString);
    ZEB_NAMED(zebGetFirstLine);
    ZEB_NAMED(zebGetDocFirstLine);
    ZEB_NAMED(zebGetLastLine);
    ZEB_NAMED(zebGetDocLastLine);
    ZEB_NAMED(zebGetFirstColumn);
    ZEB_NAMED(zebGetDocFirstColumn);
    ZEB_NAMED(zebSetFirstLine);
    ZEB_NAMED(zebSetDocFirstLine);
    ZEB_NAMED(zebSetFirstColumn);
    ZEB_NAMED(zebSetDocFirstColumn);
    ZEB_NAMED(zebSetBkColor);
    ZEB_NAMED(zebDrawImage);
    ZEB_NAMED(zebDrawStretchImage);
    ZEB_NAMED(zebDrawDocImage);
    ZEB_NAMED(zebDrawDocStretchImage);
    ZEB_BOUND(zebAddFont, 306);
    ZEB_BOUND(zebSetStaticMode, 326);
    ZEB_BOUND(zebSetRectOverflow, 350);
    ZEB_BOUND(zebSetClipMode, 357);
    ZEB_BOUND(zebSetDocFontMode, 367);
    ZEB_BOUND(zebSetDefaultFont, 369);
    ZEB_BOUND(zebSetAlignment, 374);
    ZEB_NAMED(zebGetDocFontMode);
    ZEB_NAMED(zebGetFontCount);
    ZEB_NAMED(zebSetFont);
    ZEB_NAMED(zebRemoveFont);
    ZEB_NAMED(zebGetIndexFont);
    ZEB_NAMED(zebFindFontIndex);
    ZEB_NAMED(zebInsertFont);
    ZEB_NAMED(zebSetFontIndex);
    ZEB_NAMED(zebGetFontIndex);
    ZEB_NAMED(zebSetIndexFont);
    ZEB_NAMED(zebSetIMEFont);
    ZEB_NAMED(zebAddBmp);
    ZEB_NAMED(zebGetBmpCount);
    ZEB_NAMED(zebGetIndexBmp);
    ZEB_NAMED(zebInsertBmp);
    ZEB_NAMED(zebRemoveDocBmp);
    ZEB_NAMED(zebRemoveDocFont);
    ZEB_NAMED(zebGetSelBmpCount);
    ZEB_NAMED(zebGetSelBmp);
    ZEB_NAMED(zebGetAlignment);
    ZEB_NAMED(zebGetKinsoku);
    ZEB_NAMED(zebSetKinsoku);
    ZEB_NAMED(zebGetLimit);
    ZEB_NAMED(zebSetLimit);
    ZEB_NAMED(zebGetNewLine);
    ZEB_NAMED(zebSetNewLine);
    ZEB_NAMED(zebGetIMEMode);
    ZEB_NAMED(zebSetIMEMode);
    ZEB_NAMED(zebGetUserAlignment);
    ZEB_NAMED(zebSetUserAlignment);
    ZEB_NAMED(zebSetCharExtra);
    ZEB_NAMED(zebGetWidth);
    ZEB_NAMED(zebSetWidth);
    ZEB_NAMED(zebGetDocStaticMode);
    ZEB_NAMED(zebGetStaticMode);
    ZEB_NAMED(zebSetScale);
    ZEB_NAMED(zebSetOptions);
    ZEB_NAMED(zebGetVertMode);
    ZEB_NAMED(zebSetVertMode);
    ZEB_NAMED(zebGetDocRect);
    ZEB_NAMED(zebSetDocRect);
    ZEB_NAMED(zebGetHeight);
    decltype(&::zebGetFilter) zebGetFilter = Resolved<decltype(&::zebGetFilter)>(m_hDll, "_zebGetFilter@16");
    decltype(&::zebSetFilter) zebSetFilter = Resolved<decltype(&::zebSetFilter)>(m_hDll, "_zebSetFilter@12");
    ZEB_NAMED(zebGetDocAlignment);
    ZEB_NAMED(zebSetDocAlignment);
    ZEB_NAMED(zebGetDocKinsoku);
    ZEB_NAMED(zebSetDocKinsoku);
    ZEB_NAMED(zebGetDocLimit);
    ZEB_NAMED(zebSetDocLimit);
    ZEB_NAMED(zebGetDocNewLine);
    ZEB_NAMED(zebGetDocFormFeed);
    ZEB_NAMED(zebSetDocNewLine);
    ZEB_NAMED(zebSetDocFormFeed);
    ZEB_NAMED(zebGetDocVPos);
    ZEB_NAMED(zebSetDocVPos);
    ZEB_NAMED(zebGetDocUserAttr);
    ZEB_NAMED(zebSetDocUserAttr);
    ZEB_NAMED(zebGetDocIMEMode);
    ZEB_NAMED(zebSetDocIMEMode);
    ZEB_NAMED(zebGetDocUserAlignment);
    ZEB_NAMED(zebSetDocUserAlignment);
    ZEB_NAMED(zebSetDocCharExtra);
    ZEB_NAMED(zebSetDocClipMode);
    ZEB_NAMED(zebSetDocRectOverflow);
    ZEB_NAMED(zebGetDocWidth);
    ZEB_NAMED(zebSetDocWidth);
    ZEB_NAMED(zebGetDocHeight);
    ZEB_NAMED(zebSetDocHeight);
};

#undef ZEB_BOUND
#undef ZEB_NAMED

// A Shift-JIS LOGFONT of the face at the height.
inline LOGFONTA JapaneseFont(LONG nHeight, const char* pszFace = "IPAGothic")
{
    LOGFONTA lf = {};
    lf.lfHeight = nHeight;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynA(lf.lfFaceName, pszFace, LF_FACESIZE);
    return lf;
}

class TextExports : public testing::Test
{
public:
    static void SetUpTestSuite()
    {
        s_hDll = ::LoadLibraryA("Zeb95.dll");
        ASSERT_NE(nullptr, s_hDll);
        s_pApi = new ZebTextApi(s_hDll);
    }
    static void TearDownTestSuite()
    {
        delete s_pApi;
        s_pApi = nullptr;
        ::FreeLibrary(s_hDll);
    }

protected:
    void SetUp() override
    {
        m_hWb = NewWhiteBoard();
        ASSERT_NE(nullptr, m_hWb);
        m_hDoc = NewDoc(m_hWb, JapaneseFont(16), &m_nDoc);
        ASSERT_NE(nullptr, m_hDoc);
    }
    void TearDown() override
    {
        for (HWND hWb : m_whiteBoards)
            Z().zebDestroyWhiteBoard(hWb);
        Pump();
    }

    static const ZebTextApi& Z() { return *s_pApi; }
    struct BoundExport
    {
        WORD wOrdinal;
        const char* pszName;
    };
    // Each bound name is exported at its ordinal, each other name by name.
    static void ExpectExported(std::initializer_list<BoundExport> bound, std::initializer_list<const char*> names)
    {
        for (const BoundExport& b : bound) {
            FARPROC pfn = ::GetProcAddress(s_hDll, b.pszName);
            EXPECT_NE(nullptr, pfn) << b.pszName;
            EXPECT_EQ(pfn, ::GetProcAddress(s_hDll, MAKEINTRESOURCEA(b.wOrdinal))) << b.pszName;
        }
        for (const char* pszName : names)
            EXPECT_NE(nullptr, ::GetProcAddress(s_hDll, pszName)) << pszName;
    }
    HWND NewWhiteBoard()
    {
        ZebWbCreateInfo info = {};
        info.hParent = m_parent.Hwnd();
        info.cx = 400;
        info.cy = 300;
        HWND hWb = Z().zebCreateWhiteBoard(&info);
        m_whiteBoards.push_back(hWb);
        return hWb;
    }
    // A 200 x 100 document in the font on the whiteboard.
    static HWND NewDoc(HWND hWb, const LOGFONTA& lf, LONG* pnIndex = nullptr)
    {
        ZebDocCreateInfo info = {};
        info.dwMask = ZEBDOC_FONT;
        info.cx = 200;
        info.cy = 100;
        info.lfFont = lf;
        return Z().zebCreateObjDoc(hWb, &info, pnIndex);
    }
    // The document's text replaced by the string (CR LF a line feed).
    static void Put(HWND hDoc, const char* psz)
    {
        ASSERT_EQ(1, Z().zebRemoveText(hDoc, -1));
        ASSERT_EQ(1, Z().zebSetSelText(hDoc, psz));
    }
    static std::string AllText(HWND hDoc)
    {
        const LONG cb = Z().zebGetAllText(hDoc, nullptr, 0);
        if (cb < 1)
            return "(none)";
        std::string text(static_cast<size_t>(cb), '\0');
        text.resize(static_cast<size_t>(Z().zebGetAllText(hDoc, &text[0], cb)));
        return text;
    }
    static std::string SelText(HWND hDoc)
    {
        std::vector<char> buffer(static_cast<size_t>(Z().zebGetSelLength(hDoc)) + 1);
        const LONG cch = Z().zebGetSelText(hDoc, buffer.data(), static_cast<LONG>(buffer.size()));
        return cch >= 0 ? std::string(buffer.data(), static_cast<size_t>(cch)) : "(failed)";
    }
    // The selection as extended full text.
    static std::vector<BYTE> SelFullTextEx(HWND hDoc)
    {
        std::vector<BYTE> ex(static_cast<size_t>(Z().zebGetSelFullLengthEx(hDoc)));
        ex.resize(static_cast<size_t>(Z().zebGetSelFullTextEx(hDoc, ex.data(), static_cast<UINT>(ex.size()))));
        return ex;
    }
    // Anchor at the first position, caret at the second.
    static void Select(HWND hDoc, POINT anchor, POINT caret)
    {
        ASSERT_EQ(1, Z().zebSetCaret(hDoc, caret.x, caret.y));
        ASSERT_EQ(1, Z().zebSetSelect(hDoc, &anchor));
    }

    static inline HMODULE s_hDll = nullptr;
    static inline ZebTextApi* s_pApi = nullptr;

    TestParent m_parent;
    std::vector<HWND> m_whiteBoards;
    HWND m_hWb = nullptr;
    HWND m_hDoc = nullptr;
    LONG m_nDoc = -1;
};

// Words of a full-text buffer.
inline DWORD WordAt(const std::vector<BYTE>& bytes, size_t at)
{
    return at + 4 <= bytes.size() ? static_cast<DWORD>(bytes[at]) | static_cast<DWORD>(bytes[at + 1]) << 8 |
                                        static_cast<DWORD>(bytes[at + 2]) << 16 |
                                        static_cast<DWORD>(bytes[at + 3]) << 24
                                  : 0xFFFFFFFF;
}
