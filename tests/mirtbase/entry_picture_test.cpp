// The picture window against a recording host, the metafile window, and
// the windows over picture and line objects.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include <zeb95.h>

#include "entry_fixture.h"
#include "install_root.h"
#include "mirtmsgs.h"
#include "modal_script.h"
#include "npropobjline.h"
#include "npropobjpic.h"
#include "npropobjstc.h"
#include "npropwndline.h"
#include "npropwndmeta.h"
#include "npropwndobjpic.h"
#include "npropwndpic.h"
#include "picture_host.h"

namespace {

// Puts bytes on the clipboard under the format "CF_VLMDIB", alone.
void SetPictureClip(const std::string& bytes)
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(::GlobalLock(hData), bytes.data(), bytes.size());
    ::GlobalUnlock(hData);
    ::SetClipboardData(::RegisterClipboardFormatA("CF_VLMDIB"), hData);
    ::CloseClipboard();
}

void EmptyClip()
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
}

// The picture window of an editable picture field, with the host program
// as the main window.
class PictureWindowTest : public EntryWindowTest
{
protected:
    PictureWindowTest() : m_app("PictureWindowTest")
    {
        m_app.m_pMainWnd = &m_host;
        m_pField = MakeField<CNPropObjPic>();
        m_pField->FocusControl();
        m_pWnd = dynamic_cast<CNPropWndPic*>(m_pField->GetControl());
    }
    ~PictureWindowTest() override { m_app.m_pMainWnd = nullptr; }

    std::string Data() const
    {
        CString strData;
        m_pField->CNPropObj::GetText(strData);
        return std::string(strData);
    }
    int Query(UINT nAction)
    {
        int nAnswer = 7;
        m_pWnd->SendMessage(MsgQueryClipBoard, reinterpret_cast<WPARAM>(&nAnswer), nAction);
        return nAnswer;
    }
    std::string Path(const char* pszTail) const { return m_install.m_root + pszTail; }

    ScratchInstallRoot m_install;
    CWinApp m_app;
    CPictureHost m_host;
    CNPropObjPic* m_pField;
    CNPropWndPic* m_pWnd;
};

TEST_F(PictureWindowTest, ValuesFindTheirFiles)
{
    ASSERT_NE(nullptr, m_pWnd);
    const struct
    {
        const char* value;
        BOOL bReceived;     // the file is in the RCV folder
        std::string loaded;
    } cases[] = {
        {"写真.bmp", FALSE, Path("\\DATA\\Defbmp\\写真.bmp")},
        {"写真.bmp", TRUE, Path("\\DATA\\RCV\\写真.bmp")},
        {"D:\\photos\\a.bmp", FALSE, "D:\\photos\\a.bmp"},
    };
    for (const auto& c : cases) {
        if (c.bReceived)
            WriteMetafile(Path("\\DATA\\RCV\\写真.bmp"), RGB(0, 0, 0));
        m_pField->CNPropObj::SetText(c.value);
        Command(m_pWnd, WCMD_DATA, FALSE);
        EXPECT_EQ(c.loaded, m_host.m_loaded) << c.value;
    }
    CStringList list;
    list.AddTail("C:\\one\\two\\既定.bmp");
    m_pField->CNPropObj::SetList(list);
    Command(m_pWnd, WCMD_LIST, FALSE);
    EXPECT_EQ(Path("\\DATA\\Defbmp\\既定.bmp"), m_host.m_loaded);
}

TEST_F(PictureWindowTest, DeleteThenUndoTwice)
{
    m_pField->CNPropObj::SetText("a.bmp");
    EXPECT_EQ(0, Query(MIRT_CLIP_UNDO));
    Command(m_pWnd, WCMD_UNDO, FALSE);
    EXPECT_EQ("a.bmp", Data()) << "nothing to undo yet";
    EXPECT_EQ(1, Query(MIRT_CLIP_DELETE));
    Command(m_pWnd, WCMD_DELETE, FALSE);
    EXPECT_EQ("", Data());
    EXPECT_EQ(0, Query(MIRT_CLIP_DELETE));
    EXPECT_EQ(1, Query(MIRT_CLIP_UNDO));
    Command(m_pWnd, WCMD_UNDO, FALSE);
    EXPECT_EQ("a.bmp", Data());
    Command(m_pWnd, WCMD_UNDO, FALSE);
    EXPECT_EQ("", Data());
}

TEST_F(PictureWindowTest, CutAndCopyHandTheValueToTheHost)
{
    m_pField->CNPropObj::SetText("a.bmp");
    Command(m_pWnd, WCMD_COPY, FALSE);
    EXPECT_EQ("a.bmp", m_host.m_copied);
    EXPECT_EQ("a.bmp", Data());
    m_pField->CNPropObj::SetText("b.bmp");
    Command(m_pWnd, WCMD_CUT, FALSE);
    EXPECT_EQ("b.bmp", m_host.m_copied);
    EXPECT_EQ("", Data());
    m_host.m_copied.clear();
    Command(m_pWnd, WCMD_COPY, FALSE);
    EXPECT_EQ("", m_host.m_copied) << "nothing to copy";
}

// "CF_VLMDIB" data names the file; an empty name pastes nothing and asks
// the host nothing; data without its zero is read within its block.
TEST_F(PictureWindowTest, PasteTakesTheFileNameFromTheClipboard)
{
    m_pField->CNPropObj::SetText("old.bmp");
    const struct
    {
        std::string bytes;
        const char* value;
    } cases[] = {
        {std::string("C:\\pic\\貼付.bmp\0", 16), "C:\\pic\\貼付.bmp"},
        {std::string("\0", 1), "C:\\pic\\貼付.bmp"},
        {"C:\\x.bmp", "C:\\x.bmp"},
    };
    for (const auto& c : cases) {
        SetPictureClip(c.bytes);
        EXPECT_EQ(1, Query(MIRT_CLIP_PASTE));
        Command(m_pWnd, WCMD_PASTE, FALSE);
        EXPECT_EQ(c.value, Data());
    }
    EXPECT_EQ("C:\\x.bmp", m_host.m_loaded);
    EXPECT_EQ(0, m_host.m_nPastes);
    Command(m_pWnd, WCMD_UNDO, FALSE);
    EXPECT_EQ("C:\\pic\\貼付.bmp", Data());

    EmptyClip();
    EXPECT_EQ(0, Query(MIRT_CLIP_PASTE));
    m_host.m_pasteBytes = "C:\\host.bmp";
    Command(m_pWnd, WCMD_PASTE, FALSE);
    EXPECT_EQ(1, m_host.m_nPastes);
    EXPECT_EQ("C:\\host.bmp", Data());
}

// With no value, or when the host fails to draw, the frame holds the grey
// cross; a drawn picture goes into the frame shrunk by four pixels, found
// by the same path rule.
TEST_F(PictureWindowTest, PaintDrawsThePictureOrThePlaceholder)
{
    m_frame.ShowWindow(SW_SHOW);
    m_pField->m_bStretch = TRUE;
    CRect client;
    m_pWnd->GetClientRect(&client);
    const struct
    {
        const char* value;
        LRESULT nDrawReply;
        BOOL bCross;
    } cases[] = {{"", 1, TRUE}, {"a.bmp", 0, TRUE}, {"a.bmp", 1, FALSE}};
    for (const auto& c : cases) {
        m_pField->CNPropObj::SetText(c.value);
        m_host.m_nDrawReply = c.nDrawReply;
        ::RedrawWindow(m_pWnd->GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        HDC hDC = ::GetDC(m_pWnd->GetSafeHwnd());
        EXPECT_EQ(RGB(255, 0, 0), ::GetPixel(hDC, client.Width() / 2, 1)) << c.value;
        const COLORREF crMiddle = ::GetPixel(hDC, client.Width() / 2, client.Height() / 2);
        ::ReleaseDC(m_pWnd->GetSafeHwnd(), hDC);
        EXPECT_EQ(c.bCross, crMiddle == RGB(192, 192, 192)) << c.value << " " << c.nDrawReply;
    }
    EXPECT_EQ(Path("\\DATA\\Defbmp\\a.bmp"), m_host.m_drawn);
    EXPECT_EQ(CRect(4, 4, client.right - 4, client.bottom - 4), m_host.m_drawRect);
    EXPECT_EQ(1, m_host.m_nDrawFlag);
    m_frame.ShowWindow(SW_HIDE);
}

TEST_F(PictureWindowTest, ContextMenuFollowsTheValue)
{
    for (const char* value : {"", "a.bmp"}) {
        m_pField->CNPropObj::SetText(value);
        EmptyClip();
        ModalScript script;
        std::map<UINT, UINT> states;
        UINT nNumberState = 0;
        script.ExpectMenu([&](CMenu* pMenu) {
            for (UINT nID : {57643u, 57635u, 57634u, 57637u, 57632u, 57642u, 32853u, 32884u})
                states[nID] = pMenu->GetMenuState(nID, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED);
            CMenu* pFormat = pMenu->GetSubMenu(static_cast<int>(pMenu->GetMenuItemCount()) - 1);
            nNumberState = pFormat->GetMenuState(3, MF_BYPOSITION) & MF_GRAYED;
            return 57632u;
        });
        m_pWnd->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_pWnd->GetSafeHwnd()), MAKELPARAM(5, 5));
        const UINT nValueItems = *value != '\0' ? 0u : static_cast<UINT>(MF_GRAYED);
        EXPECT_EQ(nValueItems, states[57635]) << value;
        EXPECT_EQ(nValueItems, states[57634]) << value;
        EXPECT_EQ(nValueItems, states[57632]) << value;
        EXPECT_EQ(static_cast<UINT>(MF_GRAYED), states[57637]) << "nothing to paste";
        EXPECT_EQ(static_cast<UINT>(MF_GRAYED), states[57643]) << "nothing to undo";
        EXPECT_EQ(static_cast<UINT>(MF_GRAYED), states[57642]);
        EXPECT_EQ(static_cast<UINT>(MF_GRAYED), states[32853]);
        EXPECT_EQ(static_cast<UINT>(MF_GRAYED), nNumberState);
        EXPECT_EQ("command 57632 ", m_view.TakeLog()) << "the parent gets the command";
    }
}

TEST_F(PictureWindowTest, ClickActivatesNotEditableFieldOpensNoMenu)
{
    CNPropObjPic* pLocked = MakeField<CNPropObjPic>(0x04);
    pLocked->FocusControl();
    ModalScript noMenu;
    pLocked->GetControl()->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
    m_view.TakeLog();
    m_pWnd->SendMessage(WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ("modify 1 ", m_view.TakeLog());
}

using MetafileWindowTest = InstallRootTest;

// A missing file takes the shown metafile away and keeps no handle of it.
TEST_F(MetafileWindowTest, MissingFileLeavesNoMetafile)
{
    WriteMetafile(m_root + "\\DATA\\META\\form.emf", RGB(255, 0, 0));
    CEntryHost view;
    CTestFormWnd form;
    CNPropObjStc field(MakeBlock(1, {0, 0, 400, 200}, 0x03), CNPropObjCtrl::STYLE_DEFAULT, 0);
    field.m_pOwner = &form;
    field.SetMode(CNPropObj::MODE_ENTRY);
    CWnd* pWnd = field.CreateControl(&view, 1);
    ASSERT_NE(nullptr, dynamic_cast<CNPropWndMeta*>(pWnd));
    field.m_listItems.AddTail("X:\\anywhere\\form.emf");
    Command(pWnd, WCMD_LIST, FALSE);
    const HENHMETAFILE hShown = reinterpret_cast<HENHMETAFILE>(pWnd->SendMessage(STM_GETIMAGE, IMAGE_ENHMETAFILE));
    ASSERT_NE(nullptr, hShown);
    EXPECT_GT(::GetEnhMetaFileBits(hShown, 0, nullptr), 0u);

    field.m_listItems.RemoveAll();
    field.m_listItems.AddTail("missing.emf");
    Command(pWnd, WCMD_LIST, FALSE);
    EXPECT_EQ(nullptr, reinterpret_cast<HENHMETAFILE>(pWnd->SendMessage(STM_GETIMAGE, IMAGE_ENHMETAFILE)));
    EXPECT_EQ(0u, ::GetEnhMetaFileBits(hShown, 0, nullptr)) << "the old one is deleted";

    field.m_listItems.RemoveAll();
    field.m_listItems.AddTail("form.emf");
    Command(pWnd, WCMD_LIST, FALSE);
    const HENHMETAFILE hReloaded = reinterpret_cast<HENHMETAFILE>(pWnd->SendMessage(STM_GETIMAGE, IMAGE_ENHMETAFILE));
    ASSERT_NE(nullptr, hReloaded);
    Command(pWnd, WCMD_RESET, FALSE);
    EXPECT_EQ(nullptr, reinterpret_cast<HENHMETAFILE>(pWnd->SendMessage(STM_GETIMAGE, IMAGE_ENHMETAFILE)));
    EXPECT_EQ(0u, ::GetEnhMetaFileBits(hReloaded, 0, nullptr));

    // The window's end deletes the metafile it shows.
    Command(pWnd, WCMD_LIST, FALSE);
    const HENHMETAFILE hLast = reinterpret_cast<HENHMETAFILE>(pWnd->SendMessage(STM_GETIMAGE, IMAGE_ENHMETAFILE));
    ASSERT_NE(nullptr, hLast);
    field.DestroyControl();
    EXPECT_EQ(0u, ::GetEnhMetaFileBits(hLast, 0, nullptr));
}

using ObjectWindowTest = EntryWindowTest;

// Line and picture fields wrap objects of the multimedia library; deleting
// the control destroys the object.
TEST_F(ObjectWindowTest, LineAndPictureObjectsAreWrapped)
{
    CNPropObjLine* pLine = MakeField<CNPropObjLine>();
    CWnd* pLineWnd = Create(pLine);
    ASSERT_NE(nullptr, dynamic_cast<CNPropWndLine*>(pLineWnd));
    const HWND hLine = pLineWnd->GetSafeHwnd();
    EXPECT_EQ(m_view.GetSafeHwnd(), ::GetParent(hLine));
    pLine->DestroyControl();
    EXPECT_FALSE(::IsWindow(hLine));

    CNPropObjPic* pPicture = MakeField<CNPropObjPic>();
    CNPropWndObjPic* pPicWnd = dynamic_cast<CNPropWndObjPic*>(Create(pPicture));
    ASSERT_NE(nullptr, pPicWnd);
    EXPECT_EQ(pPicture, pPicWnd->m_pField);
    int nAnswer = 0;
    CNPropObj* pAsked = nullptr;
    EXPECT_EQ(1, pPicWnd->SendMessage(MsgQueryField, reinterpret_cast<WPARAM>(&nAnswer),
                     reinterpret_cast<LPARAM>(&pAsked)));
    EXPECT_EQ(MIRT_QUERYFIELD_ANSWER, nAnswer);
    EXPECT_EQ(pPicture, pAsked);
    EXPECT_EQ(0, pPicWnd->SendMessage(MsgQueryField, reinterpret_cast<WPARAM>(&nAnswer),
                     reinterpret_cast<LPARAM>(&pAsked))) << "answered already";

    for (UINT nMode : {static_cast<UINT>(CNPropObj::MODE_ENTRY), static_cast<UINT>(CNPropObj::MODE_SHOWN)}) {
        pPicture->SetMode(nMode);
        for (UINT nAction : {MIRT_CLIP_COPY, MIRT_CLIP_PASTE}) {
            nAnswer = 7;
            pPicWnd->SendMessage(MsgQueryClipBoard, reinterpret_cast<WPARAM>(&nAnswer), nAction);
            EXPECT_EQ(nMode == CNPropObj::MODE_SHOWN && nAction == MIRT_CLIP_COPY ? 1 : 0, nAnswer);
        }
    }
    const HWND hPicture = pPicWnd->GetSafeHwnd();
    pPicture->DestroyControl();
    EXPECT_FALSE(::IsWindow(hPicture));
}

}  // namespace

namespace {

// A picture field whose format answers the test sets.
class CFormatPic : public CNPropObjPic
{
public:
    using CNPropObjPic::CNPropObjPic;
    int GetRowHeight() override { return m_nRow; }
    int GetPichRate() override { return m_nPitch; }
    int GetShadow() override { return m_nShadow; }
    int GetModify() override { return m_nModify; }
    int GetCarryOver() override { return m_nCarry; }
    int m_nRow = 0, m_nPitch = 0, m_nShadow = 0, m_nModify = 0, m_nCarry = 0;
};

// The format items follow the field: the row height and pitch check one
// item each, the copy setting, layout lock and carry-over gray or check
// theirs.
TEST_F(ObjectWindowTest, MenuFormatItemsFollowTheField)
{
    CFormatPic* pField = MakeField<CFormatPic>();
    CWnd* pWnd = Create(pField);
    ASSERT_NE(nullptr, pWnd);
    const UINT G = MF_GRAYED, C = MF_CHECKED;
    const struct
    {
        int nRow, nPitch, nShadow, nModify, nCarry;
        UINT nRowChecked, nPitchChecked;
        UINT nShadowState, nModifyState, nCarryState;
    } cases[] = {
        {10, 0, 0, 1, 1, 32842, 32885, 0, 0, 0},
        {12, 1, 1, 2, 2, 32843, 32886, C, C, C},
        {15, 2, 2, 3, 3, 32844, 32887, C, G, 0},
        {9, 4, 3, 0, 0, 32845, 32888, G, G, 0},
    };
    for (const auto& c : cases) {
        pField->m_nRow = c.nRow;
        pField->m_nPitch = c.nPitch;
        pField->m_nShadow = c.nShadow;
        pField->m_nModify = c.nModify;
        pField->m_nCarry = c.nCarry;
        ModalScript script;
        std::map<UINT, UINT> states;
        script.ExpectMenu([&](CMenu* pMenu) {
            for (UINT nID = 32842; nID <= 32888; ++nID)
                states[nID] = pMenu->GetMenuState(nID, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED);
            return 0u;
        });
        pWnd->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pWnd->GetSafeHwnd()), MAKELPARAM(5, 5));
        for (UINT nID : {32842u, 32843u, 32844u, 32845u})
            EXPECT_EQ(nID == c.nRowChecked ? C : 0u, states[nID]) << nID << " row " << c.nRow;
        for (UINT nID : {32885u, 32886u, 32887u, 32888u})
            EXPECT_EQ(nID == c.nPitchChecked ? C : 0u, states[nID]) << nID << " pitch " << c.nPitch;
        EXPECT_EQ(c.nShadowState, states[32884]) << c.nShadow;
        EXPECT_EQ(c.nModifyState, states[32847]) << c.nModify;
        EXPECT_EQ(c.nCarryState, states[32848]) << c.nCarry;
        for (UINT nID : {32881u, 32882u, 32883u})
            EXPECT_EQ(G, states[nID]) << "no number display for pictures";
        EXPECT_EQ(0u, states[32853] & MF_GRAYED);
    }
}

}  // namespace

namespace {

// A picture object on a whiteboard in the view, loaded through it.
class PictureObjectTest : public EntryWindowTest
{
protected:
    PictureObjectTest()
    {
        ZebWbCreateInfo info = {};
        info.dwMask = ZEBWB_STYLE;
        info.hParent = m_view.GetSafeHwnd();
        info.dwStyle = WS_CHILD | WS_VISIBLE;
        info.cx = 500;
        info.cy = 300;
        m_hWhiteBoard = zebCreateWhiteBoard(&info);
    }
    ~PictureObjectTest() override
    {
        m_fields.clear();
        zebDestroyWhiteBoard(m_hWhiteBoard);
    }

    // A bitmap file of nWidth by 4 pixels.
    void WriteBitmap(const std::string& path, int nWidth)
    {
        HDC hScreen = ::GetDC(nullptr);
        HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, nWidth, 4);
        ::ReleaseDC(nullptr, hScreen);
        HGLOBAL hDib = zebCreateDib(hBitmap, nullptr);
        ASSERT_NE(0, zebWriteDib(path.c_str(), hDib));
        zebDestroyDib(hDib);
        ::DeleteObject(hBitmap);
    }
    // The width of the object's picture, 0 without one.
    static int PictureWidth(CWnd* pWnd)
    {
        RECT rect = {};
        return zebGetOrgRect(pWnd->GetSafeHwnd(), &rect) ? rect.right - rect.left : 0;
    }

    ScratchInstallRoot m_install;
    HWND m_hWhiteBoard = nullptr;
};

// The value names a file of the RCV folder, or is a path; the default
// picture folder is not tried; a file that does not load changes nothing.
TEST_F(PictureObjectTest, ValuesLoadIntoTheObject)
{
    ASSERT_NE(nullptr, m_hWhiteBoard);
    WriteBitmap(m_install.m_root + "\\DATA\\RCV\\受信.bmp", 6);
    WriteBitmap(m_install.m_root + "\\DATA\\Defbmp\\既定.bmp", 7);
    WriteBitmap(m_install.m_root + "\\elsewhere.bmp", 8);
    WriteBitmap(m_install.m_root + "\\DATA\\Defbmp\\only.bmp", 9);
    CNPropObjPic* pField = MakeField<CNPropObjPic>();
    CWnd* pWnd = pField->CreateControl(CWnd::FromHandle(m_hWhiteBoard), 1);
    ASSERT_NE(nullptr, dynamic_cast<CNPropWndObjPic*>(pWnd));
    const struct
    {
        std::string value;
        int nWidth;
    } cases[] = {
        {"受信.bmp", 6},
        {m_install.m_root + "\\elsewhere.bmp", 8},
        {"only.bmp", 8},
        {"missing.bmp", 8},
    };
    for (const auto& c : cases) {
        pField->CNPropObj::SetText(c.value.c_str());
        Command(pWnd, WCMD_DATA, FALSE);
        EXPECT_EQ(c.nWidth, PictureWidth(pWnd)) << c.value;
    }
    pField->m_listItems.AddTail("X:\\far\\away\\既定.bmp");
    Command(pWnd, WCMD_LIST, FALSE);
    EXPECT_EQ(7, PictureWidth(pWnd));
}

}  // namespace

namespace {

// In layout mode a picture object's menu offers the whole field: cut, copy
// and delete; paste and undo only through a face window with a window.
TEST_F(ObjectWindowTest, LayoutModeMenuOffersTheField)
{
    CNPropObjPic* pField = MakeField<CNPropObjPic>();
    CWnd* pWnd = Create(pField);
    ASSERT_NE(nullptr, pWnd);
    for (UINT nMode : {static_cast<UINT>(CNPropObj::MODE_ENTRY), static_cast<UINT>(CNPropObj::MODE_SHOWN)}) {
        pField->SetMode(nMode);
        EmptyClip();
        ModalScript script;
        std::map<UINT, UINT> states;
        script.ExpectMenu([&](CMenu* pMenu) {
            for (UINT nID : {57643u, 57635u, 57634u, 57637u, 57632u, 57642u})
                states[nID] = pMenu->GetMenuState(nID, MF_BYCOMMAND) & MF_GRAYED;
            return 0u;
        });
        pWnd->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pWnd->GetSafeHwnd()), MAKELPARAM(5, 5));
        const UINT nField = nMode == CNPropObj::MODE_SHOWN ? 0u : static_cast<UINT>(MF_GRAYED);
        for (UINT nID : {57635u, 57634u, 57632u})
            EXPECT_EQ(nField, states[nID]) << nID << " in mode " << nMode;
        for (UINT nID : {57637u, 57643u, 57642u})
            EXPECT_EQ(static_cast<UINT>(MF_GRAYED), states[nID]) << nID << " in mode " << nMode;
    }
}

}  // namespace
