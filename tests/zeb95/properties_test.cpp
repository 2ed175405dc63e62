#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "objects/obj_record.h"
#include "pic_fixtures.h"
#include "picture/pic_record.h"
#include "whiteboard/wb_record.h"
#include "zeb95.h"
#include "zeb_fixtures.h"

namespace {

// One object of every kind on a whiteboard (a document and a sound as bare
// windows of their classes) and a foreign window.
class Properties : public OnWhiteBoard
{
protected:
    void SetUp() override
    {
        OnWhiteBoard::SetUp();
        m_hDoc = Child("ZEB95DOWCLASS");
        m_hPic = zebCreateObjPic(m_hWb, nullptr, nullptr);
        m_hSound = Child("ZEB95SOWCLASS");
        m_hLine = zebCreateObjLine(m_hWb, nullptr, nullptr);
        m_hForeign = Child("STATIC");
        Pump();
    }
    HWND Child(const char* pszClass)
    {
        return ::CreateWindowExA(0, pszClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 40, 30, m_hWb, nullptr,
                                 ::GetModuleHandleA(nullptr), nullptr);
    }

    struct Case
    {
        const char* pszWhat;
        HWND hwnd;
        LONG nWant;
    };
    // Runs each case's call on its window; the results against the table.
    static void Check(const std::vector<Case>& cases, const std::function<LONG(HWND)>& call)
    {
        for (const Case& c : cases)
            EXPECT_EQ(c.nWant, call(c.hwnd)) << c.pszWhat;
    }

    HWND m_hDoc = nullptr;
    HWND m_hPic = nullptr;
    HWND m_hSound = nullptr;
    HWND m_hLine = nullptr;
    HWND m_hForeign = nullptr;
};

TEST_F(Properties, BackAndBorderColours)
{
    const LONG kRed = static_cast<LONG>(RGB(255, 0, 0));
    const LONG kAppWorkspace = static_cast<LONG>(::GetSysColor(COLOR_APPWORKSPACE));
    Check({{"picture", m_hPic, kAppWorkspace},
           {"whiteboard", m_hWb, static_cast<LONG>(::GetSysColor(COLOR_WINDOW))},
           {"line", m_hLine, -1},
           {"foreign", m_hForeign, -1},
           {"null", nullptr, -1}},
          [=](HWND h) { return zebSetBkColor(h, static_cast<COLORREF>(kRed)); });
    EXPECT_EQ(kRed, zebGetBorderColor(m_hPic)) << "the border follows";
    EXPECT_EQ(static_cast<LONG>(::GetSysColor(COLOR_WINDOW)), zebGetBkColor(m_hSound)) << "set at creation";
    EXPECT_EQ(0, zebGetBkColor(m_hLine)) << "any kind reads";
    EXPECT_EQ(-1, zebGetBkColor(m_hForeign));
    const LONG nDocBorder = zebGetBorderColor(m_hDoc);
    EXPECT_NE(-1, nDocBorder);
    Check({{"whiteboard", m_hWb, kRed},
           {"document", m_hDoc, nDocBorder},
           {"picture", m_hPic, -1},
           {"line", m_hLine, -1}},
          [](HWND h) { return zebSetBorderColor(h, RGB(0, 0, 9)); });
    EXPECT_EQ(static_cast<LONG>(RGB(0, 0, 9)), zebGetBorderColor(m_hWb));
}

TEST_F(Properties, BorderStyles)
{
    EXPECT_EQ(1, zebGetBorderStyle(m_hWb));
    EXPECT_EQ(1, zebSetBorderStyle(m_hWb, 2));
    const LONG_PTR nStyle = ::GetWindowLongPtrA(m_hWb, GWL_STYLE);
    EXPECT_NE(0, nStyle & WS_THICKFRAME);
    EXPECT_EQ(0, nStyle & WS_BORDER) << "the styles exclude each other";
    EXPECT_EQ(2, zebGetBorderStyle(m_hWb));
    EXPECT_EQ(2, zebSetBorderStyle(m_hWb, 2)) << "unchanged";
    Check({{"whiteboard 3", m_hWb, -1}, {"line", m_hLine, -1}, {"foreign", m_hForeign, -1}},
          [](HWND h) { return zebSetBorderStyle(h, 3); });
    Check({{"picture 2", m_hPic, -1}, {"line", m_hLine, -1}}, [](HWND h) { return zebSetBorderStyle(h, 2); });
    EXPECT_EQ(0, zebSetBorderStyle(m_hPic, 1));
    EXPECT_NE(0, ::GetWindowLongPtrA(m_hPic, GWL_STYLE) & WS_BORDER);
    EXPECT_EQ(static_cast<DWORD>(WS_BORDER), GetObjRecord(m_hPic)->Style() & WS_BORDER);
    EXPECT_EQ(1, zebGetBorderStyle(m_hPic));
    EXPECT_EQ(-1, zebSetBorderStyle(m_hPic, -1));
    EXPECT_EQ(-1, zebGetBorderStyle(m_hLine));
}

TEST_F(Properties, ThreeDimensionalEdge)
{
    Check({{"picture", m_hPic, 0}, {"whiteboard", m_hWb, 0}, {"line", m_hLine, -1}, {"null", nullptr, -1}},
          [](HWND h) { return zebGetAppearance(h); });
    EXPECT_EQ(-1, zebSetAppearance(m_hPic, 2)) << "0 and 1 only";
    EXPECT_EQ(0, zebSetAppearance(m_hPic, 1));
    EXPECT_NE(0, ::GetWindowLongPtrA(m_hPic, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetObjRecord(m_hPic)->HasClientEdge());
    EXPECT_EQ(1, zebGetAppearance(m_hPic));
    EXPECT_EQ(1, zebSetAppearance(m_hPic, 1));
    EXPECT_EQ(1, zebSetAppearance(m_hPic, 0));
    EXPECT_EQ(0, zebGetAppearance(m_hPic));
    EXPECT_EQ(-1, zebSetAppearance(m_hLine, 1));
}

TEST_F(Properties, FlagsAndModes)
{
    // Picture cache: 0 is also the failure value.
    Check({{"picture", m_hPic, 1}, {"line", m_hLine, 0}, {"null", nullptr, 0}},
          [](HWND h) { return zebSetCashMode(h, 0); });
    EXPECT_EQ(0, zebGetCashMode(m_hPic));
    EXPECT_EQ(0, zebSetCashMode(m_hPic, 5));
    EXPECT_EQ(1, zebGetCashMode(m_hPic));
    EXPECT_EQ(1, zebGetPicCashMode(m_hWb, 0));
    EXPECT_EQ(1, zebSetPicCashMode(m_hWb, 0, 0));
    EXPECT_EQ(0, zebGetPicCashMode(m_hWb, 0));
    EXPECT_EQ(0, zebGetPicCashMode(m_hWb, 1)) << "no second picture";

    Check({{"whiteboard", m_hWb, 0}, {"document", m_hDoc, 0}, {"picture", m_hPic, 0}, {"line", m_hLine, 0}},
          [](HWND h) { return zebSetDither(h, 1); });
    Check({{"whiteboard", m_hWb, 1}, {"picture", m_hPic, 1}, {"line", m_hLine, 0}, {"foreign", m_hForeign, 0}},
          [](HWND h) { return zebGetDither(h); });

    Check({{"picture", m_hPic, 1}, {"movie-less sound", m_hSound, 0}, {"line", m_hLine, 0}},
          [](HWND h) { return zebSetStretch(h, 1); });
    EXPECT_EQ(1, zebGetStretch(m_hPic));
    EXPECT_EQ(1, zebGetObjStretch(m_hWb, ZebKindPicture, 0));
    EXPECT_EQ(1, zebSetObjStretch(m_hWb, ZebKindPicture, 0, 0));
    EXPECT_EQ(0, zebGetStretch(m_hPic));

    EXPECT_EQ(0, zebSetWrapMode(m_hWb, 3));
    EXPECT_EQ(3, zebGetWrapMode(m_hWb));
    EXPECT_EQ(0, zebSetWrapMode(m_hPic, 3));
    EXPECT_EQ(0, zebSetVertMode(m_hWb, 1));
    EXPECT_EQ(1, zebGetVertMode(m_hWb));
    Check({{"picture", m_hPic, 0}, {"line", m_hLine, 0}}, [](HWND h) { return zebSetVertMode(h, 1); });
}

TEST_F(Properties, ColoursOfLinesAndPointers)
{
    Check({{"line", m_hLine, 0}, {"whiteboard", m_hWb, static_cast<LONG>(::GetSysColor(COLOR_WINDOWTEXT))},
           {"picture", m_hPic, -1}, {"sound", m_hSound, -1}},
          [](HWND h) { return zebSetForeColor(h, RGB(0, 0, 255)); });
    EXPECT_EQ(static_cast<LONG>(RGB(0, 0, 255)), zebGetForeColor(m_hLine));
    EXPECT_EQ(static_cast<LONG>(RGB(0, 0, 255)), zebGetObjForeColor(m_hWb, ZebKindLine, 0));
    EXPECT_EQ(-1, zebGetForeColor(m_hPic));

    Check({{"line", m_hLine, 0}, {"picture", m_hPic, 0}, {"whiteboard", m_hWb, 0}, {"foreign", m_hForeign, -1}},
          [](HWND h) { return zebSetMousePointer(h, 99); });
    EXPECT_EQ(99, zebGetMousePointer(m_hLine)) << "no range check";
    EXPECT_EQ(99, zebSetObjMousePointer(m_hWb, ZebKindPicture, 0, 2));
    EXPECT_EQ(2, zebGetObjMousePointer(m_hWb, ZebKindPicture, 0));
}

TEST_F(Properties, GridSizes)
{
    const SIZE grid = {5, 6};
    Check({{"whiteboard", m_hWb, 1}, {"picture", m_hPic, 1}, {"line", m_hLine, 1}, {"foreign", m_hForeign, 0}},
          [&](HWND h) { return zebSetGridSize(h, &grid); });
    SIZE got = {};
    EXPECT_EQ(1, zebGetGridSize(m_hLine, &got));
    EXPECT_EQ(6, got.cy);
    EXPECT_EQ(5, ZebWbRecord::From(GetObjRecord(m_hWb))->Grid().cx);
    EXPECT_EQ(0, zebGetGridSize(m_hPic, nullptr));
    EXPECT_EQ(1, zebSetGridSize(m_hPic, nullptr));
    EXPECT_EQ(1, zebGetObjGridSize(m_hWb, ZebKindPicture, 0, &got));
    EXPECT_EQ(0, got.cx) << "null: no snapping";
    EXPECT_EQ(0, got.cy);
    EXPECT_EQ(1, zebSetObjGridSize(m_hWb, ZebKindLine, 0, &grid));
    EXPECT_EQ(0, zebSetObjGridSize(m_hWb, ZebKindLine, 1, &grid));
}

TEST_F(Properties, PageRectangleOfAWhiteBoard)
{
    RECT rc = {};
    EXPECT_EQ(1, zebGetRect(m_hWb, &rc));
    EXPECT_EQ(0, rc.right);
    const RECT page = {-10, -20, 390, 280};
    EXPECT_EQ(1, zebSetRect(m_hWb, &page));
    EXPECT_EQ(10, GetObjRecord(m_hWb)->Origin().x);
    EXPECT_EQ(20, GetObjRecord(m_hWb)->Origin().y);
    EXPECT_EQ(400, GetObjRecord(m_hWb)->PageSize().cx);
    EXPECT_EQ(1, zebGetRect(m_hWb, &rc));
    EXPECT_TRUE(::EqualRect(&page, &rc));
    EXPECT_EQ(0, zebGetRect(m_hWb, nullptr));
    EXPECT_EQ(0, zebSetRect(m_hWb, nullptr));
    EXPECT_EQ(0, zebGetRect(m_hPic, &rc));
    EXPECT_EQ(0, zebSetRect(m_hPic, &page));
}

TEST_F(Properties, OriginalRectangleOfAPicture)
{
    RECT rc = {};
    EXPECT_EQ(0, zebGetOrgRect(m_hPic, &rc)) << "no picture";
    HBITMAP hBitmap = RedBlueBitmap(12, 7);
    zebSetPicture(m_hPic, hBitmap, nullptr);
    ::DeleteObject(hBitmap);
    EXPECT_EQ(1, zebGetOrgRect(m_hPic, &rc));
    EXPECT_EQ(12, rc.right);
    EXPECT_EQ(7, rc.bottom);
    EXPECT_EQ(1, zebGetObjOrgRect(m_hWb, ZebKindPicture, 0, &rc));
    EXPECT_EQ(0, zebGetOrgRect(m_hPic, nullptr));
    EXPECT_EQ(0, zebGetOrgRect(m_hLine, &rc));
}

// A whiteboard's view mode clears every child's selection, whatever its
// value; any other object hears its own new value.
TEST_F(Properties, ViewModes)
{
    Check({{"picture", m_hPic, 1}, {"line", m_hLine, 1}, {"whiteboard", m_hWb, 0}, {"foreign", m_hForeign, 0}},
          [](HWND h) { return zebSetViewMode(h, 0); });
    ::SetFocus(m_hPic);
    EXPECT_TRUE(GetObjRecord(m_hPic)->IsSelected()) << "focus selects";
    EXPECT_EQ(0, zebSetViewMode(m_hWb, 0));
    EXPECT_FALSE(GetObjRecord(m_hPic)->IsSelected());
    EXPECT_EQ(0, zebGetViewMode(m_hPic)) << "the child keeps its own mode";
    EXPECT_EQ(0, zebSetObjViewMode(m_hWb, ZebKindPicture, 0, 1));
    EXPECT_EQ(1, zebGetObjViewMode(m_hWb, ZebKindPicture, 0));
    EXPECT_EQ(0, zebGetObjViewMode(m_hWb, ZebKindPicture, 3));
    EXPECT_EQ(0, zebGetViewMode(m_hForeign));
}

TEST_F(Properties, KindAndIndexFormsCheckTheirAddress)
{
    const struct
    {
        HWND hWb;
        LONG nKind;
        LONG nIndex;
        LONG nWant;
    } kCases[] = {
        {m_hWb, ZebKindPicture, 0, static_cast<LONG>(::GetSysColor(COLOR_APPWORKSPACE))},
        {m_hWb, ZebKindPicture, 1, -1},
        {m_hWb, ZebKindPicture, -1, -1},
        {m_hWb, ZebKindWbText, 0, -1},
        {m_hWb, 3, 0, -1},
        {m_hPic, ZebKindPicture, 0, -1},
        {nullptr, ZebKindPicture, 0, -1},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(c.nWant, zebGetObjBkColor(c.hWb, c.nKind, c.nIndex)) << c.nKind << "/" << c.nIndex;
    EXPECT_EQ(static_cast<LONG>(::GetSysColor(COLOR_APPWORKSPACE)),
              zebSetObjBkColor(m_hWb, ZebKindPicture, 0, RGB(1, 1, 1)));
    EXPECT_EQ(-1, zebSetObjBkColor(m_hWb, ZebKindLine, 0, RGB(1, 1, 1))) << "the plain form's kind check";
    EXPECT_EQ(0, zebGetObjAppearance(m_hWb, ZebKindPicture, 0));
    EXPECT_EQ(0, zebSetObjAppearance(m_hWb, ZebKindPicture, 0, 1));
    EXPECT_EQ(-1, zebGetObjAppearance(m_hWb, ZebKindLine, 0));
    EXPECT_EQ(0, zebGetObjBorderStyle(m_hWb, ZebKindPicture, 0));
    EXPECT_EQ(0, zebSetObjBorderStyle(m_hWb, ZebKindPicture, 0, 1));
    EXPECT_EQ(-1, zebSetObjBorderStyle(m_hWb, ZebKindLine, 0, 1));
    EXPECT_EQ(0, zebSetObjForeColor(m_hWb, ZebKindLine, 0, RGB(3, 3, 3)));
    EXPECT_EQ(-1, zebSetObjForeColor(m_hWb, ZebKindPicture, 0, RGB(3, 3, 3)));
    EXPECT_EQ(0, zebSetObjVertMode(m_hWb, ZebKindPicture, 0, 1));

    GetObjRecord(m_hDoc)->SetVertical(1);
    EXPECT_EQ(1, zebGetObjVertMode(m_hWb, ZebKindDoc, 0));
    EXPECT_EQ(0, zebGetObjVertMode(m_hWb, ZebKindPicture, 0));
    EXPECT_EQ(0, zebGetObjVertMode(m_hWb, ZebKindWbText, 0)) << "no text item";
    EXPECT_EQ(0, zebGetObjVertMode(m_hPic, ZebKindDoc, 0)) << "not a whiteboard";
}

// Settings that only text documents have fail on every other window, by
// themselves and by (kind, index).
TEST_F(Properties, DocumentSettingsFailOnOtherKinds)
{
    for (HWND hwnd : {m_hWb, m_hPic, m_hSound, m_hLine, m_hForeign, static_cast<HWND>(nullptr)}) {
        EXPECT_EQ(-1, zebGetStaticMode(hwnd));
        EXPECT_EQ(-1, zebSetStaticMode(hwnd, 1));
        EXPECT_EQ(-1, zebSetScale(hwnd, -1));
        EXPECT_EQ(-1, zebSetOptions(hwnd, 0, 0));
        char szMatch[8] = "kept";
        EXPECT_EQ(-1, zebGetFilter(hwnd, szMatch, nullptr, sizeof(szMatch)));
        EXPECT_STREQ("kept", szMatch);
        EXPECT_EQ(0, zebSetFilter(hwnd, "a", "b"));
        POINT anchor = {3, 4};
        EXPECT_EQ(0, zebGetSelect(hwnd, &anchor));
        EXPECT_EQ(-1, anchor.x);
        EXPECT_EQ(-1, anchor.y);
        EXPECT_EQ(0, zebSetSelect(hwnd, &anchor));
    }
    EXPECT_EQ(-1, zebSetObjScale(m_hWb, ZebKindPicture, 0, 100));
    EXPECT_EQ(-1, zebSetObjOptions(m_hWb, ZebKindLine, 0, 1, 1));
    EXPECT_EQ(-1, zebSetObjScale(m_hWb, ZebKindDoc, 1, 100)) << "no such document";
    EXPECT_EQ(-1, zebGetDocFilter(m_hWb, 1, nullptr, nullptr, 0));
    EXPECT_EQ(0, zebSetDocFilter(m_hWb, 1, "a", "b"));
    EXPECT_EQ(-1, zebGetDocFilter(m_hPic, 0, nullptr, nullptr, 0)) << "not a whiteboard";
}

// The four drawing properties of lines, on the line and by its index.
TEST_F(Properties, LineDrawingProperties)
{
    HWND hSecond = zebCreateObjLine(m_hWb, nullptr, nullptr);
    EXPECT_EQ(ZEBLINE_DIAGONAL, zebSetDrawForm(m_hLine, 0x0F));
    EXPECT_EQ(0x0F, zebGetLineDrawForm(m_hWb, 0));
    EXPECT_EQ(ZEBLINE_DIAGONAL, zebSetLineDrawForm(m_hWb, 1, 0xFFFF));
    EXPECT_EQ(0xFFFF, zebGetDrawForm(hSecond)) << "indistinguishable from failure";
    EXPECT_EQ(R2_COPYPEN, zebSetDrawMode(m_hLine, R2_NOT));
    EXPECT_EQ(R2_NOT, zebGetLineDrawMode(m_hWb, 0));
    EXPECT_EQ(R2_COPYPEN, zebSetLineDrawMode(m_hWb, 1, R2_XORPEN));
    EXPECT_EQ(R2_XORPEN, zebGetDrawMode(hSecond));
    EXPECT_EQ(PS_SOLID, zebSetDrawStyle(m_hLine, PS_DASH));
    EXPECT_EQ(PS_DASH, zebGetLineDrawStyle(m_hWb, 0));
    EXPECT_EQ(PS_SOLID, zebSetLineDrawStyle(m_hWb, 1, PS_DOT));
    EXPECT_EQ(PS_DOT, zebGetDrawStyle(hSecond));
    EXPECT_EQ(1, zebSetDrawWidth(m_hLine, 7));
    EXPECT_EQ(7, zebGetLineDrawWidth(m_hWb, 0));
    EXPECT_EQ(1, zebSetLineDrawWidth(m_hWb, 1, -4)) << "not checked";
    EXPECT_EQ(-4, zebGetDrawWidth(hSecond));

    for (HWND h : {m_hPic, m_hWb, m_hForeign, static_cast<HWND>(nullptr)}) {
        EXPECT_EQ(0xFFFF, zebGetDrawForm(h));
        EXPECT_EQ(0xFFFF, zebSetDrawForm(h, 1));
        EXPECT_EQ(-1, zebGetDrawMode(h));
        EXPECT_EQ(-1, zebSetDrawMode(h, 1));
        EXPECT_EQ(-1, zebGetDrawStyle(h));
        EXPECT_EQ(-1, zebSetDrawStyle(h, 1));
        EXPECT_EQ(-1, zebGetDrawWidth(h));
        EXPECT_EQ(-1, zebSetDrawWidth(h, 1));
    }
    // Index 2 is the number of lines.
    EXPECT_EQ(-1, zebSetLineDrawWidth(m_hWb, 2, 3));
    EXPECT_EQ(0xFFFF, zebSetLineDrawForm(m_hWb, 2, 3));
    EXPECT_EQ(-1, zebGetLineDrawMode(m_hWb, -1));
    EXPECT_EQ(-1, zebGetLineDrawStyle(m_hLine, 0)) << "not a whiteboard";
    EXPECT_EQ(7, zebGetDrawWidth(m_hLine)) << "nothing changed";
}

}  // namespace
