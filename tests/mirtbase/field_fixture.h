// Fields, an entry window and a form window for the form model's tests.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "afxwin.h"
#include "afxdocview.h"
#include "mirtbase.h"
#include "nmirtlayoutdata.h"
#include "npropobjctrl.h"
#include "propdata.h"

// A control-backed field with its own version (3) and a CTestEntryWnd as its
// entry window.
class CTestField : public CNPropObjCtrl
{
    DECLARE_SERIAL(CTestField)
public:
    CTestField() = default;
    CTestField(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle) : CNPropObjCtrl(block, dwStyle, dwExStyle) {}
    ~CTestField() override;

    CWnd* CreateControl(CWnd* pParent, int bSetOwner) override;
    int DestroyControl() override;
    CNPropObj* Clone(int dx, int dy) override;
    UINT GetVersion() override { return 3; }
};

// A field straight on CNPropObj that counts its Execute calls and paints
// its device rectangle black when the drawing gate lets it.
class CTestGroup : public CNPropObj
{
    DECLARE_SERIAL(CTestGroup)
public:
    CTestGroup() = default;
    explicit CTestGroup(const tagPROPBLOCK& block) : CNPropObj(block) {}

    int m_nExecuted = 0;

    int Draw(CDC* pDC, int nMode) override;
    int Activate() override { return 0; }
    CWnd* CreateControl(CWnd*, int) override { return nullptr; }
    int DestroyControl() override { return 1; }
    void SetMode(UINT nMode) override { m_nMode = nMode; }
    UINT GetMode() override { return m_nMode; }
    CNPropObj* Clone(int dx, int dy) override;
    int Execute(DWORD, DWORD, DWORD) override { return ++m_nExecuted; }
    BOOL HitTest(POINT) override { return FALSE; }
    int ClearText() override { return 0; }
    void SaveFromControl() override {}
    void LoadToControl(int) override {}
    void FocusControl() override {}
    void SyncRectFromControl() override {}
};

// An entry window that answers the exchange: it logs each command as
// "<command><s|l>" (s: window to field) and keeps the field's value in its
// window text and the first item of the list in m_strListItem.
class CTestEntryWnd : public CWnd
{
public:
    explicit CTestEntryWnd(CNPropObj* pField) : m_pField(pField) {}

    void DoDataExchange(CDataExchange* pDX) override;

    std::string Log() const;
    CString Text() const;

    CNPropObj* m_pField;
    CString m_strListItem;
    std::vector<std::string> m_log;
};

// A form window whose layout and face lists a test sets; it deletes both.
class CTestFormWnd : public CMirtBase
{
public:
    ~CTestFormWnd() override;

    void SetLayout(CNMirtLayoutData* pLayout);
    void AddFace(CPropData* pFace) { m_listMen.AddTail(pFace); }
    void RedrawAria(CNPropObj* pField) override { m_redrawn.push_back(pField); }

    std::vector<CNPropObj*> m_redrawn;
};

// A parent window for entry windows.
class CHostWnd : public CWnd
{
public:
    CHostWnd();
    ~CHostWnd() override;
};

// A CDC over contexts the test owns, printing or not.
class CBorrowedDC : public CDC
{
public:
    CBorrowedDC(HDC hOutput, HDC hAttrib, BOOL bPrinting);
    ~CBorrowedDC() override;
};

// A print preview context whose output is a context the test owns,
// drawn on directly rather than page by page; hAttrib plays the printer.
class CBorrowedPreviewDC : public CPreviewDC
{
public:
    CBorrowedPreviewDC(HDC hOutput, HDC hAttrib);
    ~CBorrowedPreviewDC() override;
};

// A preview context when hAttrib is not hOutput, else a plain one.
std::unique_ptr<CDC> BorrowDC(HDC hOutput, HDC hAttrib, BOOL bPrinting);

// A block: order, rectangle, attribute 5 (input bits), attribute 8 (clear).
tagPROPBLOCK MakeBlock(UINT nOrder, RECT rect, DWORD dwInput = 0, DWORD dwClear = 0);

// The strings of a list in order.
std::vector<std::string> ItemsOf(const CStringList& list);

// Runs of black pixels along row y of a canvas from x0 to x1 (the bars of a
// barcode).
class MemoryCanvas;
int BlackRuns(const MemoryCanvas& canvas, int y, int x0, int x1);

// Archive bytes.
std::string Bytes(std::initializer_list<int> bytes);
// What write puts into an archive.
std::string StoreWith(const std::function<void(CArchive&)>& write);
// Reads bytes through read; the bytes it left unread.
std::string LoadWith(std::string bytes, const std::function<void(CArchive&)>& read);
// The cause of the archive exception that read throws on bytes, or -1.
int LoadFailureWith(const std::string& bytes, const std::function<void(CArchive&)>& read);
std::string Store(CObject& object);
void Load(CObject& object, std::string bytes);
// The cause of the archive exception that loading throws, or -1.
int LoadFailure(CObject& object, const std::string& bytes);
// filled stores as golden, and loaded, loaded from golden, stores it again.
void ExpectRoundTrip(CObject& filled, CObject& loaded, const std::string& golden);
// A list of one object of a new class as stored, up to the object's record:
// the count, the new-class tag, the schema and the class name.
std::string ClassHeader(const char* pszClass, int nSchema = 1);

// A new T in a list stores as its class header and record; the record loads
// into an object of T's class that stores the same.
template <class T>
void ExpectListRoundTrip(const char* pszClass, const std::string& record, int nSchema = 1)
{
    T field;
    CObList list;
    list.AddTail(&field);
    const std::string golden = ClassHeader(pszClass, nSchema) + record;
    EXPECT_EQ(golden, Store(list));

    CObList loaded;
    Load(loaded, golden);
    ASSERT_EQ(1, loaded.GetCount());
    CObject* pObject = loaded.GetHead();
    EXPECT_EQ(field.GetRuntimeClass(), pObject->GetRuntimeClass());
    EXPECT_EQ(record, Store(*pObject));
    delete pObject;
}
