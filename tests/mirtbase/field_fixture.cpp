#include "field_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include <afxdlgs.h>

#include "canvas.h"
#include "windowcommand.h"

IMPLEMENT_SERIAL(CTestField, CNPropObjCtrl, 1)
IMPLEMENT_SERIAL(CTestGroup, CNPropObj, 1)

CTestField::~CTestField()
{
    CTestField::DestroyControl();
}

CWnd* CTestField::CreateControl(CWnd* pParent, int)
{
    CTestField::DestroyControl();
    CTestEntryWnd* pWnd = new CTestEntryWnd(this);
    CalcDeviceRect(nullptr);
    if (!pWnd->CreateEx(0, AfxRegisterWndClass(0), "", m_dwStyle, m_rcDevice, pParent,
            m_nOrder + CONTROL_ID_BASE)) {
        delete pWnd;
        return nullptr;
    }
    m_pCtrlWnd = pWnd;
    return pWnd;
}

int CTestField::DestroyControl()
{
    delete m_pCtrlWnd;
    return CNPropObjCtrl::DestroyControl();
}

CNPropObj* CTestField::Clone(int dx, int dy)
{
    tagPROPBLOCK block;
    GetBlock(block);
    CTestField* pClone = new CTestField(block, m_dwStyle, m_dwExStyle);
    CopyTo(pClone);
    ::OffsetRect(&pClone->m_rect, dx, dy);
    return pClone;
}

int CTestGroup::Draw(CDC* pDC, int)
{
    if (!CanDrawOn(pDC))
        return 0;
    RECT rect = m_rect;
    ConvertRectUnits(pDC, &rect, TRUE);
    pDC->FillSolidRect(&rect, RGB(0, 0, 0));
    return 1;
}

CNPropObj* CTestGroup::Clone(int dx, int dy)
{
    tagPROPBLOCK block;
    GetBlock(block);
    CTestGroup* pClone = new CTestGroup(block);
    CopyTo(pClone);
    ::OffsetRect(&pClone->m_rect, dx, dy);
    return pClone;
}

void CTestEntryWnd::DoDataExchange(CDataExchange* pDX)
{
    const WindowCommand* pCommand = CWindowCommandDlg::FromExchange(pDX);
    if (pCommand == nullptr)
        return;
    const BOOL bSave = pDX->m_bSaveAndValidate;
    m_log.push_back(std::to_string(pCommand->nCommand) + (bSave ? "s" : "l"));
    switch (pCommand->nCommand) {
    case WCMD_DATA:
        if (bSave)
            m_pField->m_strData = Text();
        else
            SetWindowText(m_pField->m_strData);
        break;
    case WCMD_LIST:
        if (bSave) {
            m_pField->m_listItems.RemoveAll();
            m_pField->m_listItems.AddTail(m_strListItem);
        } else {
            m_strListItem = m_pField->m_listItems.IsEmpty() ? CString() : m_pField->m_listItems.GetHead();
        }
        break;
    case WCMD_RESET:
        SetWindowText("");
        m_strListItem.Empty();
        break;
    default:
        break;
    }
}

std::string CTestEntryWnd::Log() const
{
    std::string log;
    for (const std::string& entry : m_log)
        log += (log.empty() ? "" : " ") + entry;
    return log;
}

CString CTestEntryWnd::Text() const
{
    CString text;
    GetWindowText(text);
    return text;
}

CTestFormWnd::~CTestFormWnd()
{
    while (!m_listMen.IsEmpty())
        delete static_cast<CPropData*>(m_listMen.RemoveHead());
    delete m_pLayout;
}

void CTestFormWnd::SetLayout(CNMirtLayoutData* pLayout)
{
    delete m_pLayout;
    m_pLayout = pLayout;
}

CHostWnd::CHostWnd()
{
    CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr);
}

CHostWnd::~CHostWnd()
{
    DestroyWindow();
}

CBorrowedDC::CBorrowedDC(HDC hOutput, HDC hAttrib, BOOL bPrinting)
{
    SetOutputDC(hOutput);
    SetAttribDC(hAttrib);
    m_bPrinting = bPrinting;
}

CBorrowedDC::~CBorrowedDC()
{
    ReleaseOutputDC();
    ReleaseAttribDC();
}

CBorrowedPreviewDC::CBorrowedPreviewDC(HDC hOutput, HDC hAttrib)
{
    SetAttribDC(hAttrib);
    CDC::SetOutputDC(hOutput);
}

CBorrowedPreviewDC::~CBorrowedPreviewDC()
{
    CDC::ReleaseOutputDC();
}

std::unique_ptr<CDC> BorrowDC(HDC hOutput, HDC hAttrib, BOOL bPrinting)
{
    if (hAttrib != hOutput)
        return std::make_unique<CBorrowedPreviewDC>(hOutput, hAttrib);
    return std::make_unique<CBorrowedDC>(hOutput, hAttrib, bPrinting);
}

tagPROPBLOCK MakeBlock(UINT nOrder, RECT rect, DWORD dwInput, DWORD dwClear)
{
    tagPROPBLOCK block = {};
    block.nOrder = nOrder;
    block.rect = rect;
    block.dwAttr[CNPropObj::ATTRIBUTE_INPUT - 1] = dwInput;
    block.dwAttr[CNPropObj::ATTRIBUTE_CLEAR - 1] = dwClear;
    return block;
}

std::string Bytes(std::initializer_list<int> bytes)
{
    std::string s;
    for (int b : bytes)
        s += static_cast<char>(b);
    return s;
}

std::string StoreWith(const std::function<void(CArchive&)>& write)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    write(ar);
    ar.Close();
    std::string bytes(file.GetLength(), '\0');
    file.SeekToBegin();
    file.Read(&bytes[0], static_cast<UINT>(bytes.size()));
    return bytes;
}

std::string LoadWith(std::string bytes, const std::function<void(CArchive&)>& read)
{
    CMemFile file(reinterpret_cast<BYTE*>(&bytes[0]), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    read(ar);
    std::string rest;
    char ch;
    while (ar.Read(&ch, 1) == 1)
        rest += ch;
    ar.Close();
    return rest;
}

int LoadFailureWith(const std::string& bytes, const std::function<void(CArchive&)>& read)
{
    try {
        LoadWith(bytes, read);
    } catch (CArchiveException* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

std::string Store(CObject& object)
{
    return StoreWith([&](CArchive& ar) { object.Serialize(ar); });
}

void Load(CObject& object, std::string bytes)
{
    LoadWith(std::move(bytes), [&](CArchive& ar) { object.Serialize(ar); });
}

int LoadFailure(CObject& object, const std::string& bytes)
{
    return LoadFailureWith(bytes, [&](CArchive& ar) { object.Serialize(ar); });
}

std::string ClassHeader(const char* pszClass, int nSchema)
{
    return Bytes({0x01, 0x00, 0xFF, 0xFF, nSchema, 0x00, static_cast<int>(std::strlen(pszClass)), 0x00}) + pszClass;
}

void ExpectRoundTrip(CObject& filled, CObject& loaded, const std::string& golden)
{
    EXPECT_EQ(golden, Store(filled));
    Load(loaded, golden);
    EXPECT_EQ(golden, Store(loaded));
}

std::vector<std::string> ItemsOf(const CStringList& list)
{
    std::vector<std::string> items;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        items.push_back(static_cast<LPCSTR>(list.GetNext(pos)));
    return items;
}

int BlackRuns(const MemoryCanvas& canvas, int y, int x0, int x1)
{
    int runs = 0;
    bool inRun = false;
    for (int x = x0; x < x1; ++x) {
        const bool black = canvas.pixel(x, y) == RGB(0, 0, 0);
        runs += black && !inRun ? 1 : 0;
        inRun = black;
    }
    return runs;
}
