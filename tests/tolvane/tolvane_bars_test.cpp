// The format and edit bars on the real main frame: the boxes and their
// contents, the attribute state of the focused field shown in them, choices
// applied to the field or posted for the picked spaces, the zoom display,
// and the layout-mode prompts and tips of the edit bar.
#include <cstring>
#include <string>

#include "../mirtbase/png_file.h"
#include "canvas.h"
#include "frame/colorcombo.h"
#include "frame/editbar.h"
#include "frame/formatbar.h"
#include "mirtbasemen.h"
#include "npropobj.h"
#include "npropobjctrl.h"
#include "resource.h"
#include "tolvane_fixture.h"

TEST(ColorCombo, TableIndexesAndOddColours)
{
    for (int nIndex = 1; nIndex <= CColorCombo::kColorCount; ++nIndex)
        EXPECT_EQ(nIndex, CColorCombo::IndexFromColor(CColorCombo::ColorFromIndex(nIndex))) << nIndex;
    EXPECT_EQ(RGB(128, 0, 0), CColorCombo::ColorFromIndex(2));
    EXPECT_EQ(RGB(0, 0, 128), CColorCombo::ColorFromIndex(5));
    EXPECT_EQ(RGB(255, 255, 255), CColorCombo::ColorFromIndex(16));
    for (int nIndex : {0, -1, 17, 1000})
        EXPECT_EQ(RGB(0, 0, 0), CColorCombo::ColorFromIndex(nIndex)) << nIndex;
    for (COLORREF crOdd : {RGB(1, 2, 3), RGB(128, 128, 1), static_cast<COLORREF>(0xFF000000)})
        EXPECT_EQ(1, CColorCombo::IndexFromColor(crOdd)) << std::hex << crOdd;
}

namespace {

class BarsTest : public TolvaneTest
{
protected:
    CFormatBar& FormatBar() const { return Frame()->m_wndFormatBar; }
    CEditBar& EditBar() const { return Frame()->m_wndEditBar; }
    CNPropObj* Field() const { return Doc()->m_pMen->GetCurrentField(); }

    // The field gets that font and colour and reports its format.
    void SetField(CNPropObj* pField, const char* pszFace, LONG nHeight, COLORREF crText)
    {
        LOGFONT lf = *pField->GetLogFont();
        std::memset(lf.lfFaceName, 0, sizeof lf.lfFaceName);
        std::strncpy(lf.lfFaceName, pszFace, LF_FACESIZE - 1);
        lf.lfHeight = nHeight;
        pField->SetLogFont(&lf);
        pField->SetTextColor(crText);
        ASSERT_TRUE(pField->IsKindOf(RUNTIME_CLASS(CNPropObjCtrl)));
        static_cast<CNPropObjCtrl*>(pField)->PostFormatToView(View());
        m_app.PumpPending();
    }
    // The user picks item nIndex of a box of the format bar.
    void Choose(CComboBox& box, int nIndex)
    {
        box.SetCurSel(nIndex);
        FormatBar().SendMessage(WM_COMMAND, MAKEWPARAM(box.GetDlgCtrlID(), CBN_SELCHANGE),
            reinterpret_cast<LPARAM>(box.m_hWnd));
    }
    CString SelectedText(const CComboBox& box) const
    {
        CString strText;
        if (box.GetCurSel() >= 0)
            box.GetLBText(box.GetCurSel(), strText);
        return strText;
    }
    // Two faces of the font-name box other than the one given.
    CString OtherFace(const CString& strNot, int nSkip = 0) const
    {
        const CFontNameCombo& box = FormatBar().m_wndFontName;
        for (int i = 0; i < box.GetCount(); ++i) {
            CString strFace;
            box.GetLBText(i, strFace);
            if (strFace != strNot && strFace[0] != '@' && nSkip-- == 0)
                return strFace;
        }
        return CString();
    }
    CString StatusText() const { return Frame()->m_wndStatusBar.GetPaneText(0); }
    // The tip the frame gives for a button of the edit bar.
    CString EditBarTip(UINT nID) const
    {
        NMTTDISPINFOA info = {};
        info.hdr.hwndFrom = EditBar().m_hWnd;
        info.hdr.idFrom = nID;
        info.hdr.code = TTN_GETDISPINFOA;
        Frame()->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        return info.lpszText != nullptr ? CString(info.lpszText) : CString("(none)");
    }
};

}  // namespace

TEST_F(BarsTest, FormatBarHoldsItsBoxesAndButtons)
{
    StartOn(9002);
    CFormatBar& bar = FormatBar();
    ASSERT_NE(nullptr, bar.GetSafeHwnd());
    EXPECT_EQ(ID_VIEW_FORMATBAR, bar.GetDlgCtrlID());
    EXPECT_EQ(15, bar.GetCount());
    EXPECT_EQ(ID_FONT_NAME_COMBO, static_cast<int>(bar.GetItemID(0)));
    EXPECT_EQ(ID_BOLD, static_cast<int>(bar.GetItemID(6)));
    EXPECT_EQ(ID_ALIGN_DISTRIBUTED, static_cast<int>(bar.GetItemID(14)));
    EXPECT_TRUE(bar.GetBarStyle() & CBRS_ALIGN_TOP) << "docked at the top";

    // The boxes sit over their slots.
    struct Box
    {
        CComboBox* pBox;
        int nSlot;
        DWORD dwStyle;
    };
    for (const Box& box : {Box{&bar.m_wndFontName, 0, 0x10210103}, Box{&bar.m_wndFontSize, 2, 0x10210003},
             Box{&bar.m_wndColor, 4, 0x10210013}}) {
        CRect rectSlot, rectBox;
        bar.GetItemRect(box.nSlot, &rectSlot);
        box.pBox->GetWindowRect(&rectBox);
        bar.ScreenToClient(&rectBox);
        EXPECT_EQ(rectSlot.left, rectBox.left) << box.nSlot;
        EXPECT_EQ(rectSlot.Width(), rectBox.Width()) << box.nSlot;
        // The list, not the box, carries the scroll bar.
        const DWORD dwBoxStyle = box.dwStyle & ~WS_VSCROLL;
        EXPECT_EQ(dwBoxStyle, box.pBox->GetStyle() & dwBoxStyle) << box.nSlot;
    }

    CComboBox& size = bar.m_wndFontSize;
    ASSERT_EQ(44, size.GetCount());
    CString strFirst, strLast;
    size.GetLBText(0, strFirst);
    size.GetLBText(43, strLast);
    EXPECT_STREQ("5", strFirst);
    EXPECT_STREQ("72", strLast);
    for (const char* pszMissing : {"41", "42", "43", "4", "73"})
        EXPECT_EQ(CB_ERR, size.FindStringExact(-1, pszMissing)) << pszMissing;
    EXPECT_EQ(36, size.FindStringExact(-1, "44"));

    CColorCombo& color = bar.m_wndColor;
    ASSERT_EQ(16, color.GetCount());
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(static_cast<DWORD_PTR>(i + 1), color.GetItemData(i));
    EXPECT_EQ(CColorCombo::kItemHeight, static_cast<int>(color.SendMessage(CB_GETITEMHEIGHT, 0)));

    // The view filled the name box with TrueType families, each with its font.
    CFontNameCombo& name = bar.m_wndFontName;
    ASSERT_GT(name.GetCount(), 0);
    for (int i = 0; i < name.GetCount(); ++i) {
        CString strFace;
        name.GetLBText(i, strFace);
        const LOGFONTA* pFont = name.FontAt(i);
        ASSERT_NE(nullptr, pFont) << strFace;
        EXPECT_STREQ(strFace, pFont->lfFaceName);
    }
}

TEST_F(BarsTest, FontNameBoxOwnsItsFontsUntilItGoes)
{
    StartOn(9002);
    CFontNameCombo box;
    ASSERT_TRUE(box.Create(WS_CHILD | CBS_DROPDOWNLIST | CBS_SORT, CRect(0, 0, 100, 100), Frame(), 999));
    LOGFONTA lf = {};
    std::strcpy(lf.lfFaceName, "Ｂ体");
    lf.lfHeight = 11;
    EXPECT_EQ(0, box.AddFont(lf));
    std::strcpy(lf.lfFaceName, "Ａ体");
    EXPECT_EQ(0, box.AddFont(lf)) << "sorted";
    ASSERT_NE(nullptr, box.FontAt(1));
    EXPECT_STREQ("Ｂ体", box.FontAt(1)->lfFaceName);
    EXPECT_EQ(11, box.FontAt(1)->lfHeight);
    EXPECT_EQ(nullptr, box.FontAt(5));
    box.DestroyWindow();   // frees both blocks (the leak check of the run sees it)
}

TEST_F(BarsTest, BarsShowTheFocusedFieldsFontSizeAndColour)
{
    StartOn(9002);
    const CString strFace = OtherFace("");
    const CString strSecond = OtherFace(strFace);
    ASSERT_FALSE(strSecond.IsEmpty());
    CNPropObj* pField = Field();
    ASSERT_NE(nullptr, pField);
    ASSERT_NE(nullptr, pField->GetLogFont());

    struct Case
    {
        CString strFace;
        LONG nHeight;
        COLORREF crText;
        const char* pszShownFace;
        const char* pszShownSize;
        int nColorSel;
    };
    const Case cases[] = {
        {strFace, 12, RGB(255, 0, 0), strFace, "12", 9},
        {strSecond, 48, RGB(0, 0, 128), strSecond, "48", 4},
        {strFace, 41, RGB(1, 2, 3), strFace, "", 0},           // no such size; odd colour as black
        {"無い書体", 9, RGB(255, 255, 255), "", "9", 15},     // a face not in the box
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nHeight);
        SetField(pField, c.strFace, c.nHeight, c.crText);
        EXPECT_STREQ(c.pszShownFace, SelectedText(FormatBar().m_wndFontName));
        EXPECT_STREQ(c.pszShownSize, SelectedText(FormatBar().m_wndFontSize));
        EXPECT_EQ(c.nColorSel, FormatBar().m_wndColor.GetCurSel());
        EXPECT_EQ(c.crText, View()->m_attr.m_crText) << "the state keeps the field's own colour";
    }
}

TEST_F(BarsTest, ChoicesApplyOnlyTheirAttributeToTheField)
{
    StartOn(9002);
    CNPropObj* pField = Field();
    ASSERT_NE(nullptr, pField);
    const CString strFace = OtherFace("");
    const CString strOther = OtherFace(strFace);
    const COLORREF crOdd = RGB(1, 2, 3);
    SetField(pField, strFace, 12, crOdd);

    // A size change keeps the odd colour and the face.
    Choose(FormatBar().m_wndFontSize, FormatBar().m_wndFontSize.FindStringExact(-1, "20"));
    m_app.PumpPending();
    EXPECT_EQ(20, pField->GetLogFont()->lfHeight);
    EXPECT_STREQ(strFace, pField->GetLogFont()->lfFaceName);
    EXPECT_EQ(crOdd, pField->GetTextColor());
    EXPECT_TRUE(Doc()->IsModified());

    // So does a face change, which keeps the size.
    Choose(FormatBar().m_wndFontName, FormatBar().m_wndFontName.FindStringExact(-1, strOther));
    m_app.PumpPending();
    EXPECT_STREQ(strOther, pField->GetLogFont()->lfFaceName);
    EXPECT_EQ(20, pField->GetLogFont()->lfHeight);
    EXPECT_EQ(crOdd, pField->GetTextColor());

    // A colour change sets the table's colour and keeps the font.
    Choose(FormatBar().m_wndColor, 12);
    m_app.PumpPending();
    EXPECT_EQ(RGB(0, 0, 255), pField->GetTextColor());
    EXPECT_STREQ(strOther, pField->GetLogFont()->lfFaceName);
    EXPECT_EQ(20, pField->GetLogFont()->lfHeight);

    // Bold after the choices keeps them all.
    Command(ID_BOLD);
    EXPECT_EQ(RGB(0, 0, 255), pField->GetTextColor());
    EXPECT_EQ(20, pField->GetLogFont()->lfHeight);
}

TEST_F(BarsTest, ChoicesPostToTheViewByMode)
{
    StartOn(9002);
    CFormatBar& bar = FormatBar();
    struct Case
    {
        CComboBox* pBox;
        int nEntryMode;
        UINT nMessage;
        WPARAM wParam;
    };
    const Case cases[] = {
        {&bar.m_wndFontName, 1, MsgApplyAttributes, 1}, {&bar.m_wndFontSize, 1, MsgApplyAttributes, 1},
        {&bar.m_wndColor, 1, MsgApplyAttributes, 1}, {&bar.m_wndFontName, 0, MsgApplyToSpaces, 1},
        {&bar.m_wndFontSize, 0, MsgApplyToSpaces, 2}, {&bar.m_wndColor, 0, MsgApplyToSpaces, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pBox->GetDlgCtrlID());
        Frame()->m_bEntryMode = c.nEntryMode;
        Choose(*c.pBox, 1);
        MSG msg;
        ASSERT_TRUE(::PeekMessageA(&msg, View()->m_hWnd, c.nMessage, c.nMessage, PM_REMOVE));
        EXPECT_EQ(c.wParam, msg.wParam);
        EXPECT_EQ(0, msg.lParam);
        for (UINT nOther : {MsgApplyAttributes, MsgApplyToSpaces})
            EXPECT_FALSE(::PeekMessageA(&msg, View()->m_hWnd, nOther, nOther, PM_REMOVE)) << "one message only";
    }
    Frame()->m_bEntryMode = 1;
}

TEST_F(BarsTest, EditBarShowsTheZoomAndTheLayoutPrompts)
{
    StartOn(9002);
    CEditBar& bar = EditBar();
    ASSERT_NE(nullptr, bar.GetSafeHwnd());
    EXPECT_EQ(ID_VIEW_EDITBAR, bar.GetDlgCtrlID());
    EXPECT_TRUE(bar.GetBarStyle() & CBRS_ALIGN_LEFT) << "docked at the left";
    EXPECT_EQ(ID_ZOOM_DISPLAY, static_cast<int>(bar.GetItemID(8)));
    CString strZoom;
    bar.m_wndZoom.GetWindowText(strZoom);
    EXPECT_EQ(std::to_string(View()->m_nZoom) + "％", std::string(strZoom));
    View()->m_nZoom = 100;
    Command(ID_ZOOM_IN);
    bar.m_wndZoom.GetWindowText(strZoom);
    EXPECT_STREQ("120％", strZoom);

    CRect rectCut;
    bar.GetItemRect(bar.CommandToIndex(ID_EDIT_CUT), &rectCut);
    const LPARAM lPoint = MAKELPARAM(rectCut.CenterPoint().x, rectCut.CenterPoint().y);
    struct Case
    {
        int nEntryMode;
        const char* pszPrompt;
        const char* pszTip;
    };
    for (const Case& c : {Case{1, "データを切り取ります", "データの切り取り"},
             Case{0, "入力スペースを切取ります", "入力スペースの切取り"}}) {
        SCOPED_TRACE(c.nEntryMode);
        Frame()->m_bEntryMode = c.nEntryMode;
        // Away from the buttons first, then over the cut button, as the mouse moves.
        bar.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(1, 2000));
        m_app.PumpPending();
        bar.PostMessage(WM_MOUSEMOVE, 0, lPoint);
        m_app.PumpPending();
        EXPECT_STREQ(c.pszPrompt, StatusText());
        EXPECT_STREQ(c.pszTip, EditBarTip(ID_EDIT_CUT));
        // Buttons without a layout meaning keep their tips.
        EXPECT_STREQ("元に戻す", EditBarTip(ID_EDIT_UNDO));
    }
    Frame()->m_bEntryMode = 1;
}

// The frame with its bars as the screen shows it, into a PNG in the test's
// folder under the build tree.
TEST_F(BarsTest, FramePictureWithBars)
{
    StartOn(9002);
    Frame()->MoveWindow(0, 0, 900, 640);
    Frame()->ShowWindow(SW_SHOW);
    SetField(Field(), OtherFace(""), 12, RGB(255, 0, 0));
    m_app.PumpPending();
    CRect rectFrame;
    Frame()->GetWindowRect(&rectFrame);
    MemoryCanvas canvas(rectFrame.Width(), rectFrame.Height(), RGB(0, 0, 0));
    // What the frame shows, read back from its window.
    ::RedrawWindow(Frame()->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const HDC hWindowDC = ::GetWindowDC(Frame()->m_hWnd);
    ::BitBlt(canvas.dc(), 0, 0, rectFrame.Width(), rectFrame.Height(), hWindowDC, 0, 0, SRCCOPY);
    ::ReleaseDC(Frame()->m_hWnd, hWindowDC);
    // The colour box shows the field's red.
    CRect rectColor;
    FormatBar().m_wndColor.GetWindowRect(&rectColor);
    rectColor.OffsetRect(-rectFrame.left, -rectFrame.top);
    EXPECT_EQ(RGB(255, 0, 0), canvas.pixel(rectColor.left + 6, rectColor.CenterPoint().y));
    CRect rectEdit;
    EditBar().GetWindowRect(&rectEdit);
    rectEdit.OffsetRect(-rectFrame.left, -rectFrame.top);
    EXPECT_GT(canvas.countInked(rectEdit), 0);
    const std::string path = Root() + "\\tolvane-frame-bars.png";
    EXPECT_TRUE(SavePng(canvas, path)) << path;
}
